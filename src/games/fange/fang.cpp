// SPDX-License-Identifier: MIT
#include "fang.h"

#include "catchgame.h"
#include "core/messages.h"
#include "core/twips.h"
#include "widgets/controls.h"
#include "widgets/drawingsurface.h"
#include "widgets/fonts.h"
#include "widgets/shape.h"
#include "widgets/speakerbutton.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

namespace wortilo {

namespace {

const QString kStartText = QStringLiteral("           Zum Starten hier klicken . . .");

// A bordered label of the bottom row: text colour on background colour, 18 pt bold.
QLabel *addRowLabel(QWidget *parent, const QString &name, const QRect &twips, Qt::Alignment alignment,
                    const QColor &text, const QColor &background)
{
    QLabel *label = addLabel(parent, name, QString(), twips, designFont(QStringLiteral("MS Sans Serif"), 18, true));
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setAlignment(alignment | Qt::AlignVCenter);
    fillBackground(label, background);
    setTextColour(label, text);
    return label;
}

// A grey frame, two pixels wide, drawn around controls; it has no behaviour.
void addGreyFrame(QWidget *parent, const QString &name, const QRect &twips)
{
    addShape(parent, name, twips, Qt::transparent, QColor(128, 128, 128), 2)->lower();
}

} // namespace

Fang::Fang(ActivityContext &context, Navigation &navigation, QWidget *parent)
    : ActivityWindow(context, navigation, parent), m_game(std::make_unique<CatchGame>(context))
{
    setUpWindow(QStringLiteral("fang"), QStringLiteral("ortilo (Fange)"), 9480, 5985);

    QWidget *shape1 = addShape(this, QStringLiteral("Shape1"), QRect(0, 0, 2175, 6255), kBarColour, kBarColour);
    const QFont buttons = verdana(9.75);
    auto *cancel = addButton(this, QStringLiteral("Command1"), QStringLiteral("Abbruch . . ."),
                             QRect(120, 120, 1935, 375), buttons);
    auto *help = addButton(this, QStringLiteral("Command2"), QStringLiteral("Hilfe zeigen"),
                           QRect(120, 720, 1935, 375), buttons);
    auto *speaker = addSpeakerButton(this, QRect(120, 1320, 1935, 375), context.speaker());

    // Below the speaker button.
    m_wordList = addList(this, QStringLiteral("List1"), QStringLiteral("Wörter"), QRect(120, 1800, 1935, 4110),
                         verdana(9.75));
    setTextColour(m_wordList, QColor(0, 0, 192));

    const QFont small = designFont(QStringLiteral("MS Sans Serif"), 8.25);
    m_playerName = addLabel(this, QStringLiteral("Label1"), context.playerName(), QRect(2400, 240, 1935, 255), small);
    m_seconds = addLabel(this, QStringLiteral("Bezeichnung6"), QStringLiteral("0"), QRect(4680, 240, 495, 255), small);
    m_seconds->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    addLabel(this, QStringLiteral("Bezeichnung7"), QStringLiteral(" Sek"), QRect(5160, 240, 465, 255), small)
        ->setAlignment(Qt::AlignCenter);
    addLabel(this, QStringLiteral("Bezeichnung1"), QStringLiteral("schnell"), QRect(5880, 240, 735, 255), small);
    m_speed = new QScrollBar(Qt::Horizontal, this);
    m_speed->setObjectName(QStringLiteral("HBildlauf1"));
    m_speed->setAccessibleName(QStringLiteral("Tempo"));
    m_speed->setRange(CatchGame::kMinSpeed, CatchGame::kMaxSpeed);
    m_speed->setSingleStep(1);
    m_speed->setPageStep(1);
    m_speed->setValue(CatchGame::kDefaultSpeed);
    m_speed->setGeometry(twipsRect(6600, 240, 1335, 255));
    addLabel(this, QStringLiteral("Bezeichnung2"), QStringLiteral("langsam"), QRect(8040, 240, 735, 255), small)
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_speedValue = addLabel(this, QStringLiteral("Bezeichnung15"), QString::number(CatchGame::kDefaultSpeed),
                            QRect(9000, 240, 255, 255), small);
    m_speedValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_field = new DrawingSurface(this);
    m_field->setObjectName(QStringLiteral("Bild5"));
    m_field->setAccessibleName(QStringLiteral("Spielfeld"));
    m_field->setFont(designFont(QStringLiteral("MS Sans Serif"), 18, true));
    m_field->setGeometry(twipsRect(2280, 720, 7095, 4575));
    m_field->setBackgroundColor(Qt::white);
    m_field->setFocusPolicy(Qt::ClickFocus);

    m_figure = addLabel(m_field, QStringLiteral("Bezeichnung8"), QStringLiteral("+"), QRect(0, 0, 255, 375),
                        designFont(QStringLiteral("MS Sans Serif"), 18, true));
    setTextColour(m_figure, QColor(255, 0, 0));
    m_figure->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_figure->hide();

    m_caught = addRowLabel(this, QStringLiteral("Bezeichnung4"), QRect(2280, 5400, 3495, 495), Qt::AlignRight,
                           QColor(0, 192, 0), QColor(192, 255, 192));
    m_next = addRowLabel(this, QStringLiteral("Bezeichnung3"), QRect(5760, 5400, 495, 495), Qt::AlignHCenter,
                         QColor(255, 0, 0), QColor(255, 192, 192));
    m_rest = addRowLabel(this, QStringLiteral("Bezeichnung5"), QRect(6240, 5400, 3135, 495), Qt::AlignLeft,
                         QColor(0, 0, 255), QColor(192, 255, 255));

    addGreyFrame(this, QStringLiteral("Figur1"), QRect(2340, 180, 2055, 375));
    addGreyFrame(this, QStringLiteral("Figur3"), QRect(4620, 180, 1065, 375));
    addGreyFrame(this, QStringLiteral("Figur4"), QRect(5820, 180, 3015, 375));
    addGreyFrame(this, QStringLiteral("Figur5"), QRect(8940, 180, 375, 375));
    addGreyFrame(this, QStringLiteral("Figur6"), QRect(2220, 5340, 7215, 615));
    shape1->lower(); // the left column lies behind everything, the frames too

    connect(cancel, &QPushButton::clicked, this, &Fang::fangstopp);
    connect(help, &QPushButton::clicked, this, &Fang::fanghilfe);
    connect(speaker, &QPushButton::clicked, m_game.get(), &CatchGame::sayWord);
    connect(m_wordList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { m_game->chooseWord(m_wordList->row(item)); });
    connect(m_speed, &QScrollBar::valueChanged, this, [this](int value) {
        m_speedValue->setText(QString::number(value));
        m_game->setSpeed(value);
        m_field->setFocus();
    });
    connect(m_field, &DrawingSurface::clicked, m_game.get(), &CatchGame::start);
    connect(m_game.get(), &CatchGame::wordListChanged, this, &Fang::showWordList);
    connect(m_game.get(), &CatchGame::fieldChanged, this, &Fang::fangzeichnen);
    connect(m_game.get(), &CatchGame::stateChanged, this, &Fang::showState);
}

Fang::~Fang() = default;

void Fang::activate()
{
    centre();
    m_playerName->setText(context().playerName());
    m_game->fangliste();
    m_game->fangwort();
    // The field has the keyboard from the start, so that no key meant for the game presses a
    // button (Space on "Abbruch . . ." would leave).
    m_field->setFocus();
}

bool Fang::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !isVisible() || !watched->isWidgetType()
        || static_cast<QWidget *>(watched)->window() != this)
        return false;
    switch (static_cast<QKeyEvent *>(event)->key()) {
    case Qt::Key_Left: m_game->move(-1, 0); return true;
    case Qt::Key_Right: m_game->move(1, 0); return true;
    case Qt::Key_Up: m_game->move(0, -1); return true;
    case Qt::Key_Down: m_game->move(0, 1); return true;
    case Qt::Key_Escape: fangstopp(); return true;
    default: return false;
    }
}

void Fang::showEvent(QShowEvent *event)
{
    // The arrow keys and Escape are seen before the focused control, only while the window shows.
    qApp->installEventFilter(this);
    ActivityWindow::showEvent(event);
}

void Fang::hideEvent(QHideEvent *event)
{
    qApp->removeEventFilter(this);
    // However the window is left or hidden, no game goes on behind it.
    m_game->fangstopp();
    ActivityWindow::hideEvent(event);
}

void Fang::fangstopp()
{
    m_game->fangstopp();
    leave();
}

void Fang::fanghilfe()
{
    context().messages().ok(CatchGame::kHelpCaption, CatchGame::kHelpText);
    m_field->setFocus();
}

// The field shows the start text until the game starts, then the letters still to catch.
void Fang::fangzeichnen()
{
    m_field->clear();
    if (!m_game->lettersPlaced()) {
        // Five empty lines, then the text from the left edge; where the font is wider than the
        // design's, the text moves left into its leading blanks so that its end stays visible.
        const QFontMetrics metrics(m_field->font());
        const int overflow = std::max(0, metrics.horizontalAdvance(kStartText) - m_field->width());
        m_field->setCurrentPos(QPoint(-twips(overflow), 5 * twips(letterExtent(m_field->font()).height())));
        m_field->print(kStartText, Qt::black);
        return;
    }
    const QString &word = m_game->spielwort();
    for (int i = 0; i < word.size(); ++i) {
        m_field->setCurrentPos(CatchGame::cellTwips(QPoint(m_game->fangspalte().at(i), m_game->fangzeile().at(i))));
        m_field->print(QString(word.at(i)), Qt::black);
    }
}

void Fang::showState()
{
    const QPoint at = CatchGame::cellTwips(m_game->figure());
    m_figure->move(px(at.x()), px(at.y()));
    m_figure->setVisible(m_game->isFigureVisible());
    m_caught->setText(m_game->caught());
    m_next->setText(m_game->nextLetter());
    m_rest->setText(m_game->rest());
    m_seconds->setText(QString::number(m_game->seconds()));
}

void Fang::showWordList()
{
    m_wordList->clear();
    m_wordList->addItems(m_game->wordList());
}

} // namespace wortilo
