// SPDX-License-Identifier: MIT
#include "galgen.h"

#include "core/twips.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "widgets/pictureframe.h"
#include "widgets/shape.h"
#include "widgets/speakerbutton.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

namespace wortilo {

namespace {
constexpr int kColumns = 15;
constexpr int kRows = 2;
const QColor kTextColour(0, 0, 255);

QLabel *colouredLabel(QWidget *parent, const QString &name, const QRect &twips, const QFont &font)
{
    QLabel *label = addLabel(parent, name, QString(), twips, font);
    fillBackground(label, ActivityWindow::kBackground);
    setTextColour(label, kTextColour);
    return label;
}

QWidget *line(QWidget *parent, const char *name, QPoint from, QPoint to, const QColor &colour)
{
    auto *l = new LineShape(parent, from, to, colour);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QWidget *face(QWidget *parent, const char *name, QPoint corner, Face::Mood mood)
{
    auto *f = new Face(parent, mood);
    f->setObjectName(QString::fromLatin1(name));
    f->setGeometry(twipsRect(corner.x(), corner.y(), 495, 495));
    return f;
}
} // namespace

Galgen::Galgen(ActivityContext &context, Navigation &navigation, QWidget *parent)
    : ActivityWindow(context, navigation, parent), m_game(context)
{
    setUpWindow(QStringLiteral("galgen"), QStringLiteral("ortilo (Wortgalgen)"), 8310, 5670);

    addShape(this, QStringLiteral("Shape1"), QRect(120, 840, 2520, 3960), Qt::transparent, Qt::black);
    buildDrawing();

    m_display = colouredLabel(this, QStringLiteral("Bezeichnung1"), QRect(120, 120, 8055, 495), verdana(18, true));
    m_display->setAccessibleDescription(QStringLiteral("Gesuchtes Wort"));

    m_picture = new PictureFrame(this);
    m_picture->setObjectName(QStringLiteral("Image1"));
    m_picture->setAccessibleName(QStringLiteral("Bild"));
    m_picture->setGeometry(twipsRect(5160, 960, 3015, 3255));
    m_game.setShownSize(m_picture->size());

    m_solution = colouredLabel(this, QStringLiteral("Bezeichnung2"), QRect(5160, 4200, 3015, 375), verdana(12, true));
    m_solution->setAlignment(Qt::AlignCenter);
    m_solution->setAccessibleDescription(QStringLiteral("Lösung"));
    m_speaker = addSpeakerButton(this, QRect(4320, 4200, 735, 375), context.speaker());
    connect(m_speaker, &QPushButton::clicked, &m_game, &GallowsGame::saySolution);

    m_keys = addList(this, QStringLiteral("Liste1"), QStringLiteral("Buchstaben"), QRect(120, 4800, 5895, 750),
                     verdana(13.5, true));
    m_keys->setSelectionMode(QAbstractItemView::MultiSelection);
    m_keys->setFlow(QListView::TopToBottom);
    m_keys->setWrapping(true);
    m_keys->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_keys->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_keys->setUniformItemSizes(true);
    QPalette keysPalette = m_keys->palette();
    keysPalette.setColor(QPalette::Base, kBarColour);
    // A highlighted key stays clearly marked while a message box has the focus.
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        keysPalette.setColor(group, QPalette::Highlight, QColor(0, 0, 128));
        keysPalette.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    m_keys->setPalette(keysPalette);
    m_keys->ensurePolished();
    const QRect inside = m_keys->contentsRect();
    // One pixel to spare, or the list sees no room for the second row.
    m_keys->setGridSize(QSize(inside.width() / kColumns, inside.height() / kRows - 1));
    m_keys->setTextElideMode(Qt::ElideNone);
    for (int i = 0; i < GallowsGame::kKeyCount; ++i) {
        auto *item = new QListWidgetItem(GallowsGame::keyText(i), m_keys);
        item->setTextAlignment(Qt::AlignCenter);
        // A key is its cell: the face's line box, taller than its letters, would push the
        // second row out of the list.
        item->setSizeHint(m_keys->gridSize());
    }
    // The keys are pressed through the game: a click toggles a highlight only as the game says.
    m_keys->viewport()->installEventFilter(this);
    m_keys->installEventFilter(this);
    // Whatever else changes the highlights (Ctrl+A selects all), they go back to the game's.
    connect(m_keys->selectionModel(), &QItemSelectionModel::selectionChanged, this, &Galgen::showKeys);

    addCancelButton(QStringLiteral("Befehl1"), QRect(6120, 4920, 2055, 495), verdana(9.75, true));
    connect(&m_game, &GallowsGame::changed, this, &Galgen::showState);
    showState();
    centre();
}

void Galgen::buildDrawing()
{
    // The hanging figure's gallows, part by part in the order the wrong letters add them.
    m_parts = {
        addShape(this, QStringLiteral("Figur2"), QRect(240, 960, 255, 3855), kWoodColour, kWoodColour),
        addShape(this, QStringLiteral("Figur3"), QRect(480, 960, 1335, 255), kWoodColour, kWoodColour),
        line(this, "Linie6", {1200, 1080}, {360, 2160}, kWoodColour),
        line(this, "Linie1", {1680, 1200}, {1680, 1560}, kWoodColour),
        face(this, "Bild2", {1440, 1560}, Face::Mood::Worried),
        addShape(this, QStringLiteral("Figur5"), QRect(1440, 2040, 495, 735), kBodyColour, kBodyColour),
        line(this, "Linie2", {1440, 2160}, {1080, 2640}, kBodyColour),
        line(this, "Linie3", {1920, 2160}, {2280, 2640}, kBodyColour),
        line(this, "Linie4", {1560, 2640}, {1320, 3360}, kLegColour),
        line(this, "Linie5", {1800, 2640}, {2040, 3360}, kLegColour),
    };
    // The rescued figure, standing on the ground with raised arms.
    m_rescue = {
        face(this, "Bild1", {1440, 3000}, Face::Mood::Happy),
        addShape(this, QStringLiteral("Figur7"), QRect(1440, 3480, 495, 735), kBodyColour, kBodyColour),
        line(this, "Linie7", {1440, 3600}, {1080, 3120}, kBodyColour),
        line(this, "Linie8", {1920, 3600}, {2280, 3120}, kBodyColour),
        line(this, "Linie9", {1560, 4080}, {1440, 4800}, kLegColour),
        line(this, "Linie10", {1800, 4080}, {1920, 4800}, kLegColour),
    };
}

void Galgen::activate()
{
    centre();
    m_game.galgenrunde();
    if (m_game.phase() == GallowsGame::Phase::NoWord)
        refuseWithoutWords();
}

void Galgen::cancelClicked()
{
    m_game.galgenneu();
    leave();
}

void Galgen::showState()
{
    m_display->setText(m_game.galgenanzeige());
    showKeys();
    for (int part = 1; part <= GallowsGame::kParts; ++part)
        m_parts[std::size_t(part - 1)]->setVisible(m_game.isPartShown(part));
    for (QWidget *w : std::as_const(m_rescue))
        w->setVisible(m_game.isRescueShown());
    m_solution->setText(m_game.solution());
    m_solution->setVisible(m_game.phase() == GallowsGame::Phase::Lost);
    m_speaker->setVisible(m_game.hasEnded());
    m_picture->setPicture(m_game.picture());
    m_picture->setVisible(!m_game.picture().isEmpty());
}

void Galgen::showKeys()
{
    if (m_showingKeys)
        return;
    m_showingKeys = true;
    for (int i = 0; i < GallowsGame::kKeyCount; ++i)
        m_keys->item(i)->setSelected(m_game.isKeyHighlighted(i));
    m_showingKeys = false;
}

// A press on a key, or the space bar on the current key, is a letter click; the highlights show
// what the game holds. The list's own selection handling (which would also toggle the keys a drag
// passes over) is left out.
bool Galgen::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        if (watched != m_keys->viewport())
            break;
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton) {
            const QModelIndex index = m_keys->indexAt(mouse->position().toPoint());
            if (index.isValid()) {
                m_keys->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
                m_game.letterClicked(index.row());
            }
        }
        return true;
    }
    case QEvent::MouseButtonDblClick: // the second press of a double-click: one click is one letter
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        if (watched == m_keys->viewport())
            return true;
        break;
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (watched == m_keys && (key->key() == Qt::Key_Space || key->key() == Qt::Key_Select)) {
            if (m_keys->currentRow() >= 0)
                m_game.letterClicked(m_keys->currentRow());
            return true;
        }
        break;
    }
    default:
        break;
    }
    return ActivityWindow::eventFilter(watched, event);
}

} // namespace wortilo
