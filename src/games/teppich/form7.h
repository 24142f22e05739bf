// SPDX-License-Identifier: MIT
#pragma once
#include "widgets/activitywindow.h"

#include <memory>

class QLabel;

namespace wortilo {

class CarpetGame;
class DrawingSurface;

// Form7: the letter carpet ("Teppich"), a noun's letters clicked in order in a 5 × 5 carpet.
class Form7 : public ActivityWindow
{
    Q_OBJECT
public:

    explicit Form7(ActivityContext &context, Navigation &navigation, QWidget *parent = nullptr);
    ~Form7() override;

    // Centres the window, fills the deck and lays out a carpet; with no noun that fits a
    // carpet it says so and goes back to the menu.
    void activate() override;

    CarpetGame &game() const { return *m_game; }

private:
    // Clears the carpet before leaving.
    void cancelClicked() override;
    void teppichzeichnen();
    void drawProgress();

    std::unique_ptr<CarpetGame> m_game;
    QLabel *m_word = nullptr;
    DrawingSurface *m_carpet = nullptr;
    DrawingSurface *m_found = nullptr;
};

} // namespace wortilo
