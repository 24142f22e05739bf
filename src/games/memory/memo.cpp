// SPDX-License-Identifier: MIT
#include "memo.h"

#include "core/palette.h"
#include "core/twips.h"
#include "widgets/controls.h"
#include "widgets/drawingsurface.h"
#include "widgets/fonts.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace wortilo {

namespace {
constexpr int kClientWidth = 10815;
constexpr int kClientHeight = 7575;
constexpr int kCardWidth = 5175;
constexpr int kCardHeight = 615;
constexpr int kRowPitch = 720;
constexpr int kFirstTop = 240;
constexpr int kColumnLeft[2] = {120, 5520};
// The noun's first letter stands 180 twips right of and 60 below its card's corner.
constexpr int kTextInset = 180;
constexpr int kTextDrop = 60;

QPoint cardCorner(int card)
{
    return QPoint(kColumnLeft[MemoryGame::columnOf(card)], kFirstTop + kRowPitch * MemoryGame::rowOf(card));
}
} // namespace

Memo::Memo(ActivityContext &context, Navigation &navigation, QWidget *parent)
    : ActivityWindow(context, navigation, parent), m_game(context)
{
    setUpWindow(QStringLiteral("memo"), QStringLiteral("ortilo (Memory)"), kClientWidth, kClientHeight);

    // The window's own drawing: background, printed nouns and the frames of found pairs.
    m_board = new DrawingSurface(this);
    m_board->setObjectName(QStringLiteral("Spielfeld"));
    m_board->setAccessibleName(QStringLiteral("Spielfeld"));
    m_nounFont = verdana(20.25, true);
    m_board->setFont(m_nounFont);
    m_board->setGeometry(twipsRect(0, 0, kClientWidth, kClientHeight));

    addButtonBar(this, QRect(120, 6840, 10575, 615));
    const QFont buttonFont = verdana(9.75, true);
    QPushButton *help = addButton(this, QStringLiteral("Command2"), QStringLiteral("Hilfe"),
                                  QRect(240, 6960, 1095, 375), buttonFont);
    addCancelButton(QStringLiteral("Command1"), QRect(4320, 6960, 2175, 375), buttonFont);
    m_start = addButton(this, QStringLiteral("Command3"), QStringLiteral("Start"), QRect(9480, 6960, 1095, 375),
                        buttonFont);

    for (int k = 1; k <= MemoryGame::kCards; ++k) {
        const QPoint corner = cardCorner(k);
        QLabel *label = addLabel(this, QStringLiteral("Bezeichnung%1").arg(k), QString(),
                                 QRect(corner, QSize(kCardWidth, kCardHeight)), font());
        label->setAccessibleName(QStringLiteral("Karte %1").arg(k));
        fillBackground(label, kCardColour);
        label->installEventFilter(this);
        label->hide();
        m_cards[std::size_t(k - 1)] = label;
    }

    connect(help, &QPushButton::clicked, &m_game, &MemoryGame::help);
    connect(m_start, &QPushButton::clicked, &m_game, &MemoryGame::start);
    connect(&m_game, &MemoryGame::boardBuilt, this, &Memo::printNouns);
    connect(&m_game, &MemoryGame::pairFound, this, &Memo::frameCards);
    connect(&m_game, &MemoryGame::changed, this, &Memo::showCards);
    showCards();
    centre();
}

void Memo::activate()
{
    m_board->setBackgroundColor(context().background());
    // The memorising message is read over the open board, so the window is shown before it.
    show();
    raise();
    m_game.activate();
}

void Memo::cancelClicked()
{
    m_game.abort();
    leave();
}

// The font a noun is printed in: the window's font, made smaller for a noun too long for its card
// (Feuerwehrauto), which would otherwise show under a covered card beside it or run out of the
// window.
QFont Memo::nounFont(const QString &noun) const
{
    // Printed as letter, blank, letter, ...: the blank after the last letter may stand outside.
    const auto width = [&noun](const QFont &font) {
        const QFontMetrics metrics(font);
        int sum = metrics.horizontalAdvance(u' ') * int(noun.size() - 1);
        for (const QChar c : noun)
            sum += metrics.horizontalAdvance(c);
        return sum;
    };
    const int room = px(kCardWidth - kTextInset) - 4;
    QFont font = m_nounFont;
    while (font.pixelSize() > 1 && width(font) > room)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

void Memo::printNouns()
{
    m_board->clear();
    const LetterColours colours = context().letterColours();
    for (int k = 1; k <= MemoryGame::kCards && m_game.isUsed(k); ++k) {
        m_board->setFont(nounFont(m_game.nounOf(k)));
        m_board->setCurrentPos(cardCorner(k) + QPoint(kTextInset, kTextDrop));
        for (const QChar c : m_game.nounOf(k)) {
            const QColor colour = paletteColor(colours.of(c));
            m_board->print(QString(c), colour);
            m_board->print(QStringLiteral(" "), colour);
        }
    }
}

void Memo::frameCards(int a, int b)
{
    for (const int card : {a, b}) {
        const QPoint corner = cardCorner(card);
        // From the card's upper left corner to 5175 right and 600 down (the frame's far edges
        // lie on the card's border).
        m_board->drawRect(QRect(corner, corner + QPoint(kCardWidth, 600)), std::nullopt, paletteColor(8));
    }
}

void Memo::showCards()
{
    for (int k = 1; k <= MemoryGame::kCards; ++k)
        m_cards[std::size_t(k - 1)]->setVisible(m_game.isCovered(k));
    m_start->setVisible(m_game.startOffered());
}

int Memo::cardOf(QObject *object) const
{
    for (int k = 1; k <= MemoryGame::kCards; ++k)
        if (m_cards[std::size_t(k - 1)] == object)
            return k;
    return 0;
}

// A card is clicked when the left button goes down and comes up again on it.
bool Memo::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease)
        return ActivityWindow::eventFilter(watched, event);
    const int card = cardOf(watched);
    auto *mouse = static_cast<QMouseEvent *>(event);
    if (card == 0 || mouse->button() != Qt::LeftButton)
        return ActivityWindow::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress) {
        m_pressedCard = card;
    } else {
        const bool inside = static_cast<QWidget *>(watched)->rect().contains(mouse->position().toPoint());
        const bool click = m_pressedCard == card && inside;
        m_pressedCard = 0;
        if (click)
            m_game.feldklick(card);
    }
    return true;
}

} // namespace wortilo
