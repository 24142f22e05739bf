// SPDX-License-Identifier: MIT
#include "form8.h"

#include "abcgame.h"
#include "core/palette.h"
#include "core/twips.h"
#include "widgets/controls.h"
#include "widgets/drawingsurface.h"
#include "widgets/fonts.h"
#include "widgets/pictureframe.h"
#include "widgets/shape.h"
#include "widgets/slotdrag.h"

#include <QLabel>
#include <QPushButton>

namespace wortilo {

namespace {
constexpr int kSlotLefts[AbcGame::kSlots] = {240, 2040, 3840, 5640, 7440};
// Palette indices of a result line: its first letter, and the rest.
constexpr int kHeadColour = 12;
constexpr int kTailColour = 2;
} // namespace

Form8::Form8(ActivityContext &context, Navigation &navigation, QWidget *parent)
    : ActivityWindow(context, navigation, parent), m_game(std::make_unique<AbcGame>(context))
{
    setUpWindow(QStringLiteral("Form8"), QStringLiteral("ortilo (ABC)"), 9375, 6225);

    QList<QWidget *> dragSlots;
    for (int i = 0; i < AbcGame::kSlots; ++i) {
        auto *slot = new PictureFrame(this);
        slot->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        setAccessibleContent(slot, QStringLiteral("Bild %1").arg(i + 1), QString());
        slot->setGeometry(twipsRect(kSlotLefts[i], 120, 1695, 1935));
        // The single border lies on the picture's edge; it lets the mouse through to the slot.
        addShape(this, QStringLiteral("Border%1").arg(i + 1), QRect(kSlotLefts[i], 120, 1695, 1935), Qt::transparent);
        m_slots.append(slot);
        dragSlots.append(slot);
    }
    m_drag = new SlotDrag(dragSlots, this);
    m_game->setShownSize(m_slots.first()->size());

    m_picture1 = new DrawingSurface(this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setAccessibleName(QStringLiteral("Ergebnis"));
    m_picture1->setFont(designFont(QStringLiteral("MS Sans Serif"), 24, true));
    m_picture1->setGeometry(twipsRect(240, 2160, 8895, 2775));
    m_picture1->setBackgroundColor(kPanelColour);
    m_picture1->hide();

    QFont note = verdana(14.25);
    note.setItalic(true);
    m_label3 = addLabel(this, QStringLiteral("Label3"), QStringLiteral("Du hast es geschafft, klicke auf den Neu-Knopf . . ."),
                        QRect(240, 5040, 8895, 375), note);
    m_label3->setAlignment(Qt::AlignCenter);
    m_label3->setFrameStyle(QFrame::Box | QFrame::Plain);
    fillBackground(m_label3, kPanelColour);
    setTextColour(m_label3, QColor(0, 0, 192));
    m_label3->hide();

    addButtonBar(this, QRect(120, 5520, 9135, 615));
    const QFont buttons = verdana(9.75);
    addHelpButton(QStringLiteral("Command3"), QRect(240, 5640, 975, 375), buttons, AbcGame::kHelpCaption,
                  AbcGame::kHelpText);
    addCancelButton(QStringLiteral("Command1"), QRect(3720, 5640, 1935, 375), buttons);
    auto *next = addButton(this, QStringLiteral("Command2"), QStringLiteral("N e u"), QRect(8160, 5640, 975, 375), buttons);
    next->setAccessibleName(QStringLiteral("Neue Bilder"));

    connect(next, &QPushButton::clicked, m_game.get(), &AbcGame::abcneu);
    connect(m_drag, &SlotDrag::dropped, m_game.get(), &AbcGame::drop);
    connect(m_game.get(), &AbcGame::slotsChanged, this, &Form8::showSlots);
    connect(m_game.get(), &AbcGame::solvedChanged, this, &Form8::showResult);
}

Form8::~Form8() = default;

void Form8::activate()
{
    centre();
    m_game->abcneu();
}

void Form8::cancelClicked()
{
    m_game->abcleeren();
    leave();
}

void Form8::closeEvent(QCloseEvent *event)
{
    m_game->abcleeren();
    ActivityWindow::closeEvent(event);
}

void Form8::hideEvent(QHideEvent *event)
{
    m_drag->cancel();
    ActivityWindow::hideEvent(event);
}

void Form8::showSlots()
{
    for (int i = 0; i < m_slots.size(); ++i) {
        m_slots.at(i)->setPicture(m_game->picture(i));
        const QString noun = i < m_game->slotCount() ? m_game->slotOrder().at(i) : QString();
        setAccessibleContent(m_slots.at(i), QStringLiteral("Bild %1").arg(i + 1), noun);
    }
}

// The result panel lists the nouns in order, each on a line of its own: the first letter red,
// the rest green. The five lines share the panel's height: a line as high as the letters reach,
// closer together where five of them would not fit (the umlaut dots of one line and the
// descenders of the line above never meet: a line's first letter is a capital).
void Form8::showResult(bool solved)
{
    m_picture1->setVisible(solved);
    m_label3->setVisible(solved);
    if (!solved)
        return;
    m_picture1->clear();
    const int letters = letterExtent(m_picture1->font()).height();
    const int pitch = std::min(letters, (m_picture1->height() - letters) / (AbcGame::kSlots - 1));
    int y = 0;
    for (const AbcGame::ResultLine &line : m_game->resultLines()) {
        m_picture1->setCurrentPos(QPoint(0, twips(y)));
        m_picture1->print(line.head, paletteColor(kHeadColour));
        m_picture1->print(line.tail, paletteColor(kTailColour));
        y += pitch;
    }
}

} // namespace wortilo
