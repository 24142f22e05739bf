// SPDX-License-Identifier: MIT
#pragma once
#include "widgets/activitywindow.h"

#include <QList>
#include <memory>

class QLabel;

namespace wortilo {

class AbcGame;
class DrawingSurface;
class PictureFrame;
class SlotDrag;

// Form8: the alphabetical-order game ("A B C"), five pictures dragged into the order of their nouns.
class Form8 : public ActivityWindow
{
    Q_OBJECT
public:
    static inline const QColor kPanelColour = QColor(224, 224, 224);

    explicit Form8(ActivityContext &context, Navigation &navigation, QWidget *parent = nullptr);
    ~Form8() override;

    // Centres the window and starts a new set.
    void activate() override;

    AbcGame &game() const { return *m_game; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    // Empties the slots before leaving.
    void cancelClicked() override;
    void showSlots();
    void showResult(bool solved);

    std::unique_ptr<AbcGame> m_game;
    QList<PictureFrame *> m_slots;
    SlotDrag *m_drag = nullptr;
    DrawingSurface *m_picture1 = nullptr;
    QLabel *m_label3 = nullptr;
};

} // namespace wortilo
