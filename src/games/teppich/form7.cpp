// SPDX-License-Identifier: MIT
#include "form7.h"

#include "carpetgame.h"
#include "core/palette.h"
#include "core/twips.h"
#include "widgets/controls.h"
#include "widgets/drawingsurface.h"
#include "widgets/fonts.h"
#include "widgets/speakerbutton.h"

#include <QLabel>
#include <QPushButton>

namespace wortilo {

namespace {
// Palette indices of the carpet: even cells, odd cells, found cells and found letters, outlines.
constexpr int kEvenCell = 11;
constexpr int kOddCell = 14;
constexpr int kFound = 12;
constexpr int kOutline = 0;

// A cell from its top-left corner to the top-left corner of the cell diagonally after it, so
// that neighbours share their outline.
QRect cellBox(int cell)
{
    const QPoint corner = CarpetGame::cellCorner(cell);
    return QRect(corner, corner + QPoint(CarpetGame::kCellWidth, CarpetGame::kCellHeight));
}
} // namespace

Form7::Form7(ActivityContext &context, Navigation &navigation, QWidget *parent)
    : ActivityWindow(context, navigation, parent), m_game(std::make_unique<CarpetGame>(context))
{
    setUpWindow(QStringLiteral("Form7"), QStringLiteral("ortilo (Buchstabenteppich)"), 10215, 7065);
    const QFont big = verdana(18);

    m_word = addLabel(this, QStringLiteral("Label1"), QString(), QRect(120, 120, 9975, 495), big);
    setTextColour(m_word, QColor(0, 0, 192));

    m_found = new DrawingSurface(this);
    m_found->setObjectName(QStringLiteral("bild2"));
    setAccessibleContent(m_found, QStringLiteral("Gefundene Buchstaben"), QString());
    m_found->setFont(big);
    m_found->setGeometry(twipsRect(120, 600, 9975, 495));
    m_found->setBackgroundColor(kBackground);

    m_carpet = new DrawingSurface(this);
    m_carpet->setObjectName(QStringLiteral("bild1"));
    setAccessibleContent(m_carpet, QStringLiteral("Buchstabenteppich"), QString());
    m_carpet->setFont(big);
    m_carpet->setGeometry(twipsRect(120, 1320, 9975, 4935));
    m_carpet->setBackgroundColor(Qt::white);

    addButtonBar(this, QRect(120, 6360, 9975, 615));
    const QFont buttons = verdana(9.75);
    addHelpButton(QStringLiteral("Command2"), QRect(240, 6480, 975, 375), buttons, CarpetGame::kCaption,
                  CarpetGame::kHelpText);
    addCancelButton(QStringLiteral("Command1"), QRect(4200, 6480, 1935, 375), buttons);
    auto *next = addButton(this, QStringLiteral("Command3"), QStringLiteral("N e u"), QRect(9000, 6480, 975, 375), buttons);
    next->setAccessibleName(QStringLiteral("Neues Wort"));
    auto *speaker = addSpeakerButton(this, QRect(1335, 6480, 735, 375), context.speaker());

    connect(next, &QPushButton::clicked, this, [this] { m_game->teppichwort(); });
    connect(speaker, &QPushButton::clicked, m_game.get(), &CarpetGame::sayWord);
    connect(m_carpet, &DrawingSurface::pressed, this,
            [this](QPoint twips, Qt::MouseButton) { m_game->click(CarpetGame::cellAt(twips)); });
    connect(m_game.get(), &CarpetGame::wordChanged, this, &Form7::teppichzeichnen);
    connect(m_game.get(), &CarpetGame::progressChanged, this, &Form7::teppichzeichnen);
}

Form7::~Form7() = default;

void Form7::activate()
{
    centre();
    m_game->teppichliste();
    if (!m_game->teppichwort())
        refuseWithoutWords();
}

void Form7::cancelClicked()
{
    m_game->clear();
    leave();
}

// Draws the word above the carpet, the carpet with its found cells, and the progress strip.
void Form7::teppichzeichnen()
{
    m_word->setText(m_game->spacedWord());
    m_carpet->clear();
    const QString &carpet = m_game->carpet();
    if (!carpet.isEmpty()) {
        for (int k = 0; k < CarpetGame::kCells; ++k) {
            const int colour = m_game->isMarked(k) ? kFound : k % 2 == 0 ? kEvenCell : kOddCell;
            m_carpet->drawRect(cellBox(k), paletteColor(colour), std::nullopt);
            m_carpet->setCurrentPos(CarpetGame::letterPosition(k));
            m_carpet->print(QString(carpet.at(k)), Qt::black);
        }
        for (int k = 0; k < CarpetGame::kCells; ++k)
            m_carpet->drawRect(cellBox(k), std::nullopt, paletteColor(kOutline));
    }
    setAccessibleContent(m_carpet, QStringLiteral("Buchstabenteppich"), carpet);
    drawProgress();
}

// The found letters in red, each after a blank.
void Form7::drawProgress()
{
    m_found->clear();
    QString shown;
    for (const QChar c : m_game->found()) {
        m_found->print(u' ' + QString(c), paletteColor(kFound));
        shown += u' ' + QString(c);
    }
    setAccessibleContent(m_found, QStringLiteral("Gefundene Buchstaben"), shown);
}

} // namespace wortilo
