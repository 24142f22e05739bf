// SPDX-License-Identifier: MIT
#pragma once
#include "gallowsgame.h"
#include "widgets/activitywindow.h"

#include <array>

class QLabel;
class QListWidget;

namespace wortilo {

class PictureFrame;
class SpeakerButton;

// galgen: the word gallows window. The display line, the letter keyboard Liste1, the gallows
// drawing with the rescue scene, the word's picture and the solution show the game's state.
class Galgen : public ActivityWindow
{
    Q_OBJECT
public:
    static inline const QColor kWoodColour = QColor(192, 64, 0);
    static inline const QColor kBodyColour = QColor(0, 192, 0);
    static inline const QColor kLegColour = QColor(0, 0, 192);

    explicit Galgen(ActivityContext &context, Navigation &navigation, QWidget *parent = nullptr);

    // Centres the window and prepares a game; with no word to play it says so and goes back to
    // the menu.
    void activate() override;

    GallowsGame &game() { return m_game; }
    QListWidget *keyboard() const { return m_keys; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Takes the drawing and the solution away before leaving.
    void cancelClicked() override;
    void buildDrawing();
    void showState();
    // The keyboard's highlights as the game holds them.
    void showKeys();

    GallowsGame m_game;
    QLabel *m_display = nullptr;
    QListWidget *m_keys = nullptr;
    QLabel *m_solution = nullptr;
    SpeakerButton *m_speaker = nullptr; // shown once a game has ended
    PictureFrame *m_picture = nullptr;
    std::array<QWidget *, GallowsGame::kParts> m_parts{};
    QList<QWidget *> m_rescue;
    bool m_showingKeys = false;
};

} // namespace wortilo
