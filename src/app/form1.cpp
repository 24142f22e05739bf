// SPDX-License-Identifier: MIT
#include "form1.h"

#include "colourpanel.h"
#include "core/clock.h"
#include "core/messages.h"
#include "core/palette.h"
#include "core/twips.h"
#include "letterpanel.h"
#include "namepanel.h"
#include "optionspanel.h"
#include "session/session.h"
#include "usage/form11.h"
#include "widgets/activitywindow.h"
#include "widgets/appicon.h"
#include "widgets/centring.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "widgets/shape.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>
#include <functional>
#include <vector>

namespace wortilo {

namespace {

const QColor kWindowColour(192, 255, 255);
const QColor kHighlight(255, 200, 0);

// Where each panel stands when shown and when hidden (moved out of the client area), in twips.
struct PanelPlace {
    QPoint shown, hidden;
};
constexpr int kHiddenLeft = 11040;
const PanelPlace kPanelPlaces[] = {
    {{3720, 1320}, {kHiddenLeft, 1320}}, // colours
    {{3720, 1320}, {kHiddenLeft, 1320}}, // letters
    {{6480, 1560}, {6480, 7200}},        // options
    {{5520, 1560}, {kHiddenLeft, 1560}}, // name
};

QFrame *addLine(QWidget *parent, const QString &name, const QRect &twips)
{
    auto *line = new QFrame(parent);
    line->setObjectName(name);
    line->setGeometry(twipsRect(twips.x(), twips.y(), std::max(twips.width(), 15), std::max(twips.height(), 15)));
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    fillBackground(line, Qt::black);
    return line;
}

// Picture2: a small decorative picture (a slate with letters).
QPixmap decoration(int size)
{
    QPixmap pm(size, size);
    pm.fill(kWindowColour);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(128, 64, 0), 4));
    p.setBrush(QColor(40, 80, 60));
    p.drawRoundedRect(QRectF(4, 8, size - 8, size - 16), 6, 6);
    p.setFont(verdana(14, true));
    const QColor colours[] = {paletteColor(12), paletteColor(10), paletteColor(14)};
    const QString letters = QStringLiteral("Abc");
    for (int i = 0; i < 3; ++i) {
        p.setPen(colours[i]);
        p.drawText(QRectF(8 + i * (size - 16) / 3.0, 8, (size - 16) / 3.0, size - 16), Qt::AlignCenter,
                   letters.mid(i, 1));
    }
    return pm;
}

} // namespace

Form1::Form1(Session &session, const ActivityTable &activities, QWidget *parent)
    : QWidget(parent), m_session(session), m_activities(activities)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("ortilo (Menü)"));
    setWindowIcon(appIcon());
    setFixedSize(twipsSize(10665, 6510));
    fillBackground(this, kWindowColour);
    buildLayout();
    buildMenu();
    // The panels are hidden at start-up and made when they are first shown (panel()).

    connect(&session, &Session::wordsChanged, this, &Form1::showWordCount);
    connect(&session, &Session::nameChanged, m_nameLabel, &QLabel::setText);
    connect(&session, &Session::filterChanged, this, [this](bool on) {
        const QSignalBlocker quiet(m_filterBox);
        m_filterBox->setChecked(on);
    });
}

Form1::~Form1()
{
    m_session.setQuitting();
    for (auto &w : m_windows)
        delete w.data();
    delete m_usageView.data();
}

ActivityWindow *Form1::activityWindow(Activity activity) const
{
    return m_windows[std::size_t(activity)].data();
}

Form11 *Form1::usageView() const
{
    return m_usageView.data();
}

void Form1::buildLayout()
{
    const QFont bold = verdana(9.75);

    auto *initial = new QLabel(this);
    initial->setObjectName(QStringLiteral("Picture1"));
    initial->setGeometry(twipsRect(8400, 120, 495, 495));
    initial->setPixmap(appInitial(px(495)));
    addLabel(this, QStringLiteral("Label2"), QStringLiteral("ortilo"), QRect(8880, 120, 1700, 480), verdana(24));
    addLabel(this, QStringLiteral("Label4"), QStringLiteral("Ein Spiel mit Nomen"), QRect(8160, 600, 2400, 300), bold);

    auto *picture2 = new QLabel(this);
    picture2->setObjectName(QStringLiteral("Picture2"));
    picture2->setGeometry(twipsRect(360, 120, 960, 960));
    picture2->setPixmap(decoration(px(960)));

    m_dateLabel = addLabel(this, QStringLiteral("Label8"), QString(), QRect(1440, 720, 1800, 300), bold);
    m_nameLabel = addLabel(this, QStringLiteral("Label5"), m_session.playerName(), QRect(840, 1680, 2655, 495),
                           verdana(14.25));
    m_nameLabel->setAlignment(Qt::AlignCenter);
    m_countLabel = addLabel(this, QStringLiteral("Label7"), QStringLiteral("Nomen"), QRect(840, 2400, 2655, 495),
                            verdana(12));
    m_countLabel->setAlignment(Qt::AlignCenter);
    m_filterBox = new QCheckBox(QStringLiteral("Filter"), this);
    m_filterBox->setObjectName(QStringLiteral("Check1"));
    m_filterBox->setGeometry(twipsRect(840, 3120, 2655, 495));
    m_filterBox->setFont(verdana(12));
    connect(m_filterBox, &QCheckBox::toggled, &m_session, &Session::setFilter);

    // Decoration: a frame around the name, count and filter, lines that set off the menu.
    addShape(this, QStringLiteral("Shape1"), QRect(720, 1560, 2895, 2175), Qt::transparent, QColor(0, 0, 128))->lower();
    addLine(this, QStringLiteral("Line1"), QRect(120, 1320, 3480, 0));
    addLine(this, QStringLiteral("Line2"), QRect(120, 3960, 10425, 0));
    addLine(this, QStringLiteral("Line3"), QRect(1740, 4080, 0, 2310));
    addLine(this, QStringLiteral("Line4"), QRect(3540, 4080, 0, 2310));
    addLine(this, QStringLiteral("Line5"), QRect(8160, 1080, 2400, 0));
    addLine(this, QStringLiteral("Line6"), QRect(7200, 4080, 0, 2310));
    addLine(this, QStringLiteral("Line7"), QRect(120, 6450, 10425, 0));
    addShape(this, QStringLiteral("Shape5"), QRect(8340, 60, 615, 615), Qt::transparent, QColor(0, 0, 128))->lower();
    addShape(this, QStringLiteral("Shape6"), QRect(300, 60, 1080, 1080), Qt::transparent, QColor(0, 0, 128))->lower();
    addLabel(this, QStringLiteral("Label6"), QStringLiteral("Heute ist der"), QRect(1440, 420, 1800, 300), bold);
}

void Form1::buildMenu()
{
    struct MenuButton {
        QString name, caption;
        int left, top;
        std::function<void()> action;
    };
    std::vector<MenuButton> buttons = {
        {QStringLiteral("Command1"), QStringLiteral("Beenden"), 120, 4200, [this] { quitWithConfirmation(); }},
        {QStringLiteral("Command15"), QStringLiteral("Kontrolle"), 120, 5040, [this] { openUsageView(); }},
        {QStringLiteral("Command21"), QStringLiteral("Optionen"), 120, 5880, [this] { togglePanel(Panel::Options); }},
        {QStringLiteral("Command4"), QStringLiteral("Farben"), 1920, 4200,
         [this] {
             if (!m_session.switches().colourSettings)
                 return abgeschaltet();
             if (togglePanel(Panel::Colours))
                 m_session.farbprobe();
         }},
        {QStringLiteral("Command8"), QStringLiteral("Laute"), 1920, 5040,
         [this] {
             if (!m_session.switches().letterFilter)
                 return abgeschaltet();
             if (togglePanel(Panel::Letters))
                 m_filterBox->setChecked(false);
         }},
        {QStringLiteral("Command9"), QStringLiteral("Name"), 1920, 5880,
         [this] {
             if (!m_session.switches().nameEntry)
                 return abgeschaltet();
             if (togglePanel(Panel::Name)) {
                 m_filterBox->setChecked(false);
                 static_cast<NamePanel *>(panel(Panel::Name))->startEditing();
             }
         }},
    };
    for (const ActivityRow &row : m_activities)
        buttons.push_back({QString::fromLatin1(row.button), QString::fromUtf8(row.caption), row.left, row.top,
                           [this, &row] { open(row); }});
    // Created in reading order, so that the tab order follows the grid.
    std::sort(buttons.begin(), buttons.end(),
              [](const MenuButton &a, const MenuButton &b) { return std::pair(a.top, a.left) < std::pair(b.top, b.left); });
    for (const MenuButton &b : buttons) {
        QPushButton *button = addButton(this, b.name, b.caption, QRect(b.left, b.top, 1455, 495), verdana(9.75));
        connect(button, &QPushButton::clicked, this, b.action);
    }
}

QWidget *Form1::panel(Panel which)
{
    QWidget *&p = m_panels[std::size_t(which)];
    if (p)
        return p;
    // A panel's own close button hides it.
    auto closable = [this, which](MenuPanel *made) {
        connect(made, &MenuPanel::closeRequested, this, [this, which] { setPanelShown(which, false); });
        return made;
    };
    switch (which) {
    case Panel::Colours: p = new ColourPanel(m_session, this); break;
    case Panel::Letters: p = closable(new LetterPanel(m_session, this)); break;
    case Panel::Options: p = closable(new OptionsPanel(m_session, this)); break;
    case Panel::Name: p = closable(new NamePanel(m_session, this)); break;
    }
    return p;
}

// At most one panel is shown: opening one hides the others.
bool Form1::togglePanel(Panel which)
{
    const bool show = !panelShown(which);
    for (Panel p : {Panel::Colours, Panel::Letters, Panel::Options, Panel::Name})
        setPanelShown(p, p == which && show);
    return show;
}

// Panels are shown and hidden by moving them into and out of the client area.
void Form1::setPanelShown(Panel which, bool shown)
{
    if (!shown && !m_panels[std::size_t(which)])
        return; // never shown: nothing to hide
    QWidget *p = panel(which);
    const PanelPlace &place = kPanelPlaces[int(which)];
    const QPoint at = shown ? place.shown : place.hidden;
    p->move(twipsPoint(at.x(), at.y()));
    p->setVisible(shown);
    if (shown)
        p->raise();
}

bool Form1::panelShown(Panel which) const
{
    const QWidget *p = m_panels[std::size_t(which)];
    return p && p->isVisibleTo(this) && rect().contains(p->geometry().topLeft());
}

bool Form1::startUp()
{
    centreWindow(this);
    m_dateLabel->setText(m_session.clock().today().toString(QStringLiteral("dd.MM.yyyy")));
    if (!m_session.bildersuchen())
        return false;
    for (QWidget *w : {static_cast<QWidget *>(m_nameLabel), static_cast<QWidget *>(m_countLabel),
                       static_cast<QWidget *>(m_filterBox)})
        fillBackground(w, kHighlight);
    for (int i = 1; i <= 6; ++i)
        if (auto *line = findChild<QFrame *>(QStringLiteral("Line%1").arg(i)))
            fillBackground(line, kHighlight);
    m_session.loadWords();
    return true;
}

void Form1::showWordCount()
{
    m_countLabel->setText(m_session.words().label());
}

void Form1::tafelnweg()
{
    setPanelShown(Panel::Colours, false);
    setPanelShown(Panel::Letters, false);
    setPanelShown(Panel::Options, false);
}

void Form1::abgeschaltet()
{
    m_session.messages().ok(QStringLiteral("Optionen"), QStringLiteral("Diese Option wurde abgeschaltet.") + kCr + kCr);
}

void Form1::open(const ActivityRow &row)
{
    if (const std::optional<MessageText> refusal = row.refusal(m_session.activeWords().size())) {
        m_session.messages().ok(refusal->caption, refusal->text);
        return;
    }
    if (row.hidesPanels)
        tafelnweg();
    QPointer<ActivityWindow> &window = m_windows[std::size_t(row.activity)];
    if (!window)
        window = row.create(m_session, *this);
    showWindow(window);
}

void Form1::openUsageView()
{
    if (!m_usageView) {
        Form11::Headings headings;
        for (const ActivityRow &row : m_activities)
            headings[std::size_t(row.activity)] = QString::fromUtf8(row.heading);
        m_usageView = new Form11(m_session, *this, m_session.usage(), headings);
    }
    showWindow(m_usageView);
}

void Form1::showWindow(ActivityWindow *window)
{
    hide();
    window->activate();
    window->show();
    window->raise();
    window->activateWindow();
}

void Form1::returnToMenu()
{
    if (!m_session.quitting())
        backToMenu();
}

bool Form1::quitting() const
{
    return m_session.quitting();
}

void Form1::backToMenu()
{
    show();
    raise();
    activateWindow();
    // Coming back hides the colour, letter and options panels; the name panel stays.
    tafelnweg();
}

void Form1::quitWithConfirmation()
{
    const auto answer = m_session.messages().show(QStringLiteral("Wortilo"),
                                                  QStringLiteral("Dieses Programm jetzt beenden?") + kCr + kCr,
                                                  Messages::Buttons::YesNo, Messages::Answer::No);
    if (answer == Messages::Answer::No)
        return;
    saveSettings();
    endProgram();
}

void Form1::saveSettings()
{
    if (m_session.inisave())
        return;
    // The old file stays as it was; the teacher learns where the settings could not be written.
    const QString folder = QDir::toNativeSeparators(QDir(m_session.pictureFolder().path()).absolutePath());
    m_session.messages().ok(QStringLiteral("Wortilo"),
                            QStringLiteral("Die Einstellungen konnten nicht gespeichert werden.") + kCr + folder);
}

void Form1::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_session.quitting())
        return;
    saveSettings();
    m_session.messages().ok(QStringLiteral("Wortilo"), QStringLiteral("Das Programm wird beendet ...") + kCr + kCr);
    endProgram();
}

void Form1::endProgram()
{
    m_session.setQuitting();
    for (auto &w : m_windows)
        if (w)
            w->close();
    if (m_usageView)
        m_usageView->close();
    hide();
    QCoreApplication::exit(0);
}

} // namespace wortilo
