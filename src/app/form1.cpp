// SPDX-License-Identifier: MIT
#include "form1.h"

#include "colourpanel.h"
#include "widgets/activitywindow.h"
#include "widgets/appicon.h"
#include "widgets/fonts.h"
#include "core/globals.h"
#include "core/messages.h"
#include "core/palette.h"
#include "widgets/shape.h"
#include "core/twips.h"
#include "usage/form11.h"
#include "words/settingsfile.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

namespace wortilo {

namespace {

const QColor kWindowColour(192, 255, 255);
const QColor kPanelColour(128, 255, 255);
const QColor kHighlight(255, 200, 0);

constexpr int kHiddenLeft = 11040;
constexpr int kHiddenTop = 7200;

void fillBackground(QWidget *w, const QColor &colour)
{
    QPalette pal = w->palette();
    pal.setColor(w->backgroundRole(), colour); // a check box fills with its button colour
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QRect &twips,
                  const QFont &font)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    label->setFont(font);
    return label;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &text, int left, int top,
                        int width = 1455, int height = 495)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(twipsRect(left, top, width, height));
    button->setFont(verdana(9.75));
    button->setAutoDefault(false);
    return button;
}

Shape *makeShape(QWidget *parent, const QString &name, const QRect &twips, const QColor &fill,
                 const QColor &border = Qt::black)
{
    auto *shape = new Shape(parent, fill, border);
    shape->setObjectName(name);
    shape->setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return shape;
}

QFrame *makeLine(QWidget *parent, const QString &name, const QRect &twips)
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
    QFont f = verdana(14, true);
    p.setFont(f);
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

Form1::Form1(Messages &messages, const QString &folder, QWidget *parent)
    : QWidget(parent), m_messages(messages), m_folder(folder)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("ortilo (Menü)"));
    setWindowIcon(appIcon());
    setFixedSize(twipsSize(10665, 6510));
    fillBackground(this, kWindowColour);
    buildLayout();
    buildPanels();
}

Form1::~Form1()
{
    m_quitting = true;
    for (auto &w : m_windows)
        delete w.data();
    delete m_usage.data();
}

void Form1::setFactory(Activity activity, Factory factory)
{
    m_factories[int(activity)] = std::move(factory);
}

ActivityWindow *Form1::activityWindow(Activity activity) const
{
    return m_windows[int(activity)].data();
}

Form11 *Form1::usageView() const
{
    return m_usage.data();
}

void Form1::buildLayout()
{
    const QFont bold = verdana(9.75);

    auto *initial = new QLabel(this);
    initial->setObjectName(QStringLiteral("Picture1"));
    initial->setGeometry(twipsRect(8400, 120, 495, 495));
    initial->setPixmap(appInitial(px(495)));
    makeLabel(this, QStringLiteral("Label2"), QStringLiteral("ortilo"), QRect(8880, 60, 1700, 615), verdana(24));
    makeLabel(this, QStringLiteral("Label4"), QStringLiteral("Ein Spiel mit Nomen"), QRect(8160, 660, 2400, 300), bold);

    auto *picture2 = new QLabel(this);
    picture2->setObjectName(QStringLiteral("Picture2"));
    picture2->setGeometry(twipsRect(360, 120, 960, 960));
    picture2->setPixmap(decoration(px(960)));

    m_label8 = makeLabel(this, QStringLiteral("Label8"), QString(), QRect(1440, 720, 1800, 300), bold);

    m_label5 = makeLabel(this, QStringLiteral("Label5"), QStringLiteral("Freund"), QRect(840, 1680, 2655, 495),
                         verdana(14.25));
    m_label5->setAlignment(Qt::AlignCenter);
    m_label7 = makeLabel(this, QStringLiteral("Label7"), QStringLiteral("Nomen"), QRect(840, 2400, 2655, 495),
                         verdana(12));
    m_label7->setAlignment(Qt::AlignCenter);
    m_check1 = new QCheckBox(QStringLiteral("Filter"), this);
    m_check1->setObjectName(QStringLiteral("Check1"));
    m_check1->setGeometry(twipsRect(840, 3120, 2655, 495));
    m_check1->setFont(verdana(12));
    connect(m_check1, &QCheckBox::toggled, this, &Form1::onFilterToggled);

    // Decoration: a frame around the name, count and filter, lines that set off the menu.
    makeShape(this, QStringLiteral("Shape1"), QRect(720, 1560, 2895, 2175), Qt::transparent, QColor(0, 0, 128))->lower();
    makeLine(this, QStringLiteral("Line1"), QRect(120, 1320, 3480, 0));
    makeLine(this, QStringLiteral("Line2"), QRect(120, 3960, 10425, 0));
    makeLine(this, QStringLiteral("Line3"), QRect(1740, 4080, 0, 2310));
    makeLine(this, QStringLiteral("Line4"), QRect(3540, 4080, 0, 2310));
    makeLine(this, QStringLiteral("Line5"), QRect(8160, 1080, 2400, 0));
    makeLine(this, QStringLiteral("Line6"), QRect(7200, 4080, 0, 2310));
    makeLine(this, QStringLiteral("Line7"), QRect(120, 6450, 10425, 0));
    makeShape(this, QStringLiteral("Shape5"), QRect(8340, 60, 615, 615), Qt::transparent, QColor(0, 0, 128))->lower();
    makeShape(this, QStringLiteral("Shape6"), QRect(300, 60, 1080, 1080), Qt::transparent, QColor(0, 0, 128))->lower();
    makeLabel(this, QStringLiteral("Label6"), QStringLiteral("Heute ist der"), QRect(1440, 420, 1800, 300), bold);

    struct MenuButton {
        const char *name;
        const char *text;
        int left, top;
    };
    const MenuButton buttons[] = {
        {"Command1", "Beenden", 120, 4200},    {"Command4", "Farben", 1920, 4200},
        {"Command2", "Lesen", 3720, 4200},     {"Command3", "Begleiter", 5520, 4200},
        {"Command11", "Abschrift", 7320, 4200}, {"Command18", "Fange", 9120, 4200},
        {"Command15", "Kontrolle", 120, 5040}, {"Command8", "Laute", 1920, 5040},
        {"Command16", "Bildwahl", 3720, 5040}, {"Command10", "Ergänzen", 5520, 5040},
        {"Command12", "Diktat", 7320, 5040},   {"Command17", "Memory", 9120, 5040},
        {"Command21", "Optionen", 120, 5880},  {"Command9", "Name", 1920, 5880},
        {"Command13", "Wortwahl", 3720, 5880}, {"Command20", "A B C", 5520, 5880},
        {"Command19", "Teppich", 7320, 5880},  {"Command14", "Galgen", 9120, 5880},
    };
    for (const MenuButton &b : buttons) // in reading order, so that the tab order follows the grid
        makeButton(this, QString::fromLatin1(b.name), QString::fromUtf8(b.text), b.left, b.top);

    auto on = [this](const char *name, auto slot) {
        connect(findChild<QPushButton *>(QString::fromLatin1(name)), &QPushButton::clicked, this, slot);
    };
    using A = Activity;
    on("Command1", [this] { quitWithConfirmation(); });
    on("Command2", [this] { openActivity(A::Lesen, 3, true, true); });
    on("Command3", [this] { openActivity(A::Begleiter, 0, true, true); });
    on("Command10", [this] { openActivity(A::Ergaenzen, 0, true, false); });
    on("Command11", [this] { openActivity(A::Abschrift, 0, true, true); });
    on("Command12", [this] { openActivity(A::Diktat, 0, true, false); });
    on("Command13", [this] { openActivity(A::Wortwahl, 3, true, false); });
    on("Command16", [this] { openActivity(A::Bildwahl, 3, true, false); });
    on("Command17", [this] { openActivity(A::Memory, 1, false, false); });
    on("Command14", [this] { openActivity(A::Galgen, 1, false, false); });
    on("Command19", [this] { openActivity(A::Teppich, 1, false, false); });
    on("Command20", [this] { openActivity(A::Abc, 5, true, false); });
    on("Command18", [this] { openActivity(A::Fange, 1, false, false); });
    on("Command15", [this] { openUsageView(); });
    on("Command21", [this] { togglePanel(m_picture5); });
    on("Command4", [this] {
        if (!m_check3->isChecked())
            return abgeschaltet();
        if (togglePanel(m_picture3))
            farbprobe();
    });
    on("Command8", [this] {
        if (!m_check4->isChecked())
            return abgeschaltet();
        if (togglePanel(m_picture4))
            m_check1->setChecked(false);
    });
    on("Command9", [this] {
        if (!m_check5->isChecked())
            return abgeschaltet();
        if (togglePanel(m_picture6)) {
            m_check1->setChecked(false);
            m_text1->setFocus();
            m_text1->setText(m_label5->text());
            m_text1->selectAll();
        }
    });
}

void Form1::buildPanels()
{
    const QFont bold = verdana(9.75);

    // Options panel
    m_picture5 = new QFrame(this);
    m_picture5->setObjectName(QStringLiteral("Picture5"));
    m_picture5->resize(twipsSize(4095, 2295));
    fillBackground(m_picture5, kPanelColour);
    makeShape(m_picture5, QStringLiteral("Shape4"), QRect(60, 60, 3975, 2175), Qt::transparent, QColor(0, 0, 128));
    auto check = [&](const char *name, const char *text, int top, bool on) {
        auto *box = new QCheckBox(QString::fromUtf8(text), m_picture5);
        box->setObjectName(QString::fromLatin1(name));
        box->setGeometry(twipsRect(240, top, 3780, 375));
        box->setFont(verdana(8.25));
        box->setChecked(on);
        return box;
    };
    m_check2 = check("Check2", "Bestätigungen aktivieren", 360, true);
    m_check3 = check("Check3", "Farbeinstellungen aktivieren", 840, false);
    m_check5 = check("Check5", "Namenseingabe aktivieren", 1320, true);
    m_check4 = check("Check4", "Wortfilterauswahl aktivieren", 1800, false);
    auto *close = makeButton(m_picture5, QStringLiteral("Command23"), QStringLiteral("X"), 3660, 60, 375, 300);
    connect(close, &QPushButton::clicked, this, [this] { setPanelShown(m_picture5, false); });

    // Colour panel
    m_picture3 = new ColourPanel(this);
    m_picture3->setObjectName(QStringLiteral("Picture3"));
    m_picture3->resize(twipsSize(6855, 2535));
    m_picture3->setFont(bold);
    m_picture3->setBackgroundColor(kPanelColour);
    connect(m_picture3, &ColourPanel::pressed, this, &Form1::onColourPanelPress);
    m_shape2 = makeShape(m_picture3, QStringLiteral("Shape2"), QRect(3240, 105, 1455, 255), Qt::black);
    m_shape3 = makeShape(m_picture3, QStringLiteral("Shape3"), QRect(3240, 1605, 1455, 255), Qt::black);
    m_hintergrund = new DrawingSurface(m_picture3);
    m_hintergrund->setObjectName(QStringLiteral("Hintergrund"));
    m_hintergrund->setGeometry(twipsRect(4800, 0, 2055, 2535));
    m_hintergrund->setFont(verdana(12));
    m_hintergrund->setBackgroundColor(Qt::black);
    const char *const scrollNames[] = {"VScroll1", "VScroll2", "VScroll3"};
    const char *const scrollPurpose[] = {"Rot", "Grün", "Blau"};
    for (int i = 0; i < 3; ++i) {
        auto *bar = new QScrollBar(Qt::Vertical, m_hintergrund);
        bar->setObjectName(QString::fromLatin1(scrollNames[i]));
        bar->setAccessibleName(QStringLiteral("Hintergrund ") + QString::fromUtf8(scrollPurpose[i]));
        bar->setGeometry(twipsRect(5040 + 600 * i - 4800, 480, 375, 1815));
        bar->setRange(0, 255);
        bar->setValue(0);
        bar->setSingleStep(1);
        bar->setPageStep(16);
        connect(bar, &QScrollBar::valueChanged, this, &Form1::farbprobe);
        m_vscroll[i] = bar;
    }

    // Letter panel
    m_picture4 = new QFrame(this);
    m_picture4->setObjectName(QStringLiteral("Picture4"));
    m_picture4->resize(twipsSize(6855, 2535));
    fillBackground(m_picture4, kPanelColour);
    m_list1 = new QListWidget(m_picture4);
    m_list1->setObjectName(QStringLiteral("List1"));
    m_list1->setAccessibleName(QStringLiteral("Laute"));
    m_list1->setGeometry(twipsRect(120, 120, 4095, 1755));
    m_list1->setFont(bold);
    m_list1->setSelectionMode(QAbstractItemView::MultiSelection);
    m_list1->setFlow(QListView::TopToBottom);
    m_list1->setWrapping(true);
    m_list1->setUniformItemSizes(true);
    m_list1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list1->setGridSize(QSize((m_list1->width() - 6) / 6, (m_list1->height() - 6) / 5));
    connect(m_list1, &QListWidget::itemSelectionChanged, this, [this] {
        if (m_filterGuard)
            return;
        for (int i = 0; i < m_list1->count(); ++i)
            m_store.setSelected(i, m_list1->item(i)->isSelected());
        filtern();
    });
    m_list3 = new QListWidget(m_picture4);
    m_list3->setObjectName(QStringLiteral("List3"));
    m_list3->setAccessibleName(QStringLiteral("Nomen mit diesen Lauten"));
    m_list3->setGeometry(twipsRect(4320, 120, 2415, 2190));
    m_list3->setFont(bold);
    m_list3->setSelectionMode(QAbstractItemView::NoSelection);
    QPalette grey = m_list3->palette();
    grey.setColor(QPalette::Base, QColor(224, 224, 224));
    m_list3->setPalette(grey);
    auto *letterCancel = makeButton(m_picture4, QStringLiteral("Command5"), QStringLiteral("Abbruch"), 120, 1920, 1335);
    auto *all = makeButton(m_picture4, QStringLiteral("Command6"), QStringLiteral("A l l e"), 1560, 1920, 1215);
    auto *none = makeButton(m_picture4, QStringLiteral("Command7"), QStringLiteral("Keiner"), 2880, 1920, 1335);
    connect(letterCancel, &QPushButton::clicked, this, [this] { setPanelShown(m_picture4, false); });
    connect(all, &QPushButton::clicked, this, [this] {
        m_store.setAllSelected(true);
        refreshLetterList();
        filtern();
    });
    connect(none, &QPushButton::clicked, this, [this] {
        m_store.setAllSelected(false);
        refreshLetterList();
        filtern();
    });

    // Name panel
    m_picture6 = new QFrame(this);
    m_picture6->setObjectName(QStringLiteral("Picture6"));
    m_picture6->resize(twipsSize(5055, 2055));
    fillBackground(m_picture6, kPanelColour);
    makeLabel(m_picture6, QStringLiteral("Label9"), QStringLiteral("Gib jetzt einen neuen Namen ein:"),
              QRect(240, 240, 4575, 375), bold);
    m_text1 = new QLineEdit(m_picture6);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setAccessibleName(QStringLiteral("Neuer Name"));
    m_text1->setGeometry(twipsRect(240, 720, 4575, 495));
    m_text1->setFont(verdana(12));
    QPalette light = m_text1->palette();
    light.setColor(QPalette::Base, QColor(192, 255, 255));
    m_text1->setPalette(light);
    auto *nameCancel = makeButton(m_picture6, QStringLiteral("Command24"), QStringLiteral("Abbruch"), 240, 1380);
    auto *done = makeButton(m_picture6, QStringLiteral("Command25"), QStringLiteral("Fertig!"), 3360, 1380);
    connect(nameCancel, &QPushButton::clicked, this, [this] { setPanelShown(m_picture6, false); });
    connect(done, &QPushButton::clicked, this, [this] {
        setPanelShown(m_picture6, false);
        if (m_text1->text().isEmpty())
            return;
        m_label5->setText(m_text1->text());
        if (m_usage)
            m_usage->clearAll();
    });
    connect(m_text1, &QLineEdit::returnPressed, done, &QPushButton::click);

    for (QWidget *panel : panels())
        setPanelShown(panel, false);
}

std::array<QWidget *, 4> Form1::panels() const
{
    return {m_picture3, m_picture4, m_picture5, m_picture6};
}

// At most one panel is shown: opening one hides the others.
bool Form1::togglePanel(QWidget *panel)
{
    const bool show = !panelShown(panel);
    for (QWidget *p : panels())
        setPanelShown(p, p == panel && show);
    return show;
}

// Panels are shown and hidden by moving them into and out of the client area.
void Form1::setPanelShown(QWidget *panel, bool shown)
{
    QPoint at;
    if (panel == m_picture5)
        at = shown ? twipsPoint(6480, 1560) : twipsPoint(6480, kHiddenTop);
    else if (panel == m_picture6)
        at = shown ? twipsPoint(5520, 1560) : twipsPoint(kHiddenLeft, 1560);
    else
        at = shown ? twipsPoint(3720, 1320) : twipsPoint(kHiddenLeft, 1320);
    panel->move(at);
    panel->setVisible(shown);
    if (shown)
        panel->raise();
}

bool Form1::panelShown(const QWidget *panel) const
{
    return panel->isVisibleTo(this) && rect().contains(panel->geometry().topLeft());
}

bool Form1::startUp()
{
    // 1. centre on the screen
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    // 2. today's date
    m_label8->setText(QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
    // 3. default letter colours
    selbstlautfarbe = 12;
    mitlautfarbe = 10;
    // 4. swatches and samples
    farbfelder();
    // 5. the picture check
    bildersuchen();
    if (!m_folder.hasPictureFiles())
        return false;
    // 6.-9. letters, settings, words, filter
    m_store.buchstabenliste();
    refreshLetterList();
    iniload();
    wortliste();
    filtern();
    return true;
}

void Form1::bildersuchen()
{
    m_folder.scan();
    if (!m_folder.hasPictureFiles()) {
        m_messages.ok(QStringLiteral("Programmabbruch"),
                      QStringLiteral("Es wurden keine Bilddateien gefunden!") + kCr
                          + QStringLiteral("Das Programm ist nicht funktionsfähig!") + kCr);
        return;
    }
    fillBackground(m_label5, kHighlight);
    fillBackground(m_label7, kHighlight);
    fillBackground(m_check1, kHighlight);
    for (int i = 1; i <= 6; ++i)
        if (auto *line = findChild<QFrame *>(QStringLiteral("Line%1").arg(i)))
            fillBackground(line, kHighlight);
}

void Form1::refreshLetterList()
{
    m_filterGuard = true;
    if (m_list1->count() != m_store.letters().size()) {
        m_list1->clear();
        for (const QString &letter : m_store.letters()) {
            auto *item = new QListWidgetItem(letter, m_list1);
            item->setTextAlignment(Qt::AlignCenter);
        }
    }
    for (int i = 0; i < m_list1->count(); ++i)
        m_list1->item(i)->setSelected(m_store.isSelected(i));
    m_filterGuard = false;
}

void Form1::wortliste()
{
    m_store.wortliste(m_folder.pictureFiles());
    m_label7->setText(m_store.label());
}

void Form1::filtern()
{
    m_store.filtern();
    m_list3->clear();
    m_list3->addItems(m_store.filteredNouns());
    m_label7->setText(m_store.label());
}

void Form1::onFilterToggled(bool checked)
{
    if (m_filterGuard)
        return;
    const bool showMessage = m_store.setFilter(checked);
    m_label7->setText(m_store.label());
    if (m_store.filterOn() != checked) {
        // The switch ends off; unchecking it here does not run these steps again.
        m_filterGuard = true;
        m_check1->setChecked(m_store.filterOn());
        m_filterGuard = false;
    }
    if (showMessage)
        m_messages.ok(QStringLiteral("Filter: "), QStringLiteral("Der Filter erzeugt keine Wörter!") + kCr
                                                      + QStringLiteral("Filter wird wieder abgeschaltet.") + kCr);
}

void Form1::iniload()
{
    const SettingsRead read = readSettingsFile(m_folder.path() + u'/' + kSettingsFileName);
    const Settings &v = read.values;
    const int good = read.goodLines;
    QCheckBox *const switches[] = {m_check2, m_check3, m_check4, m_check5};
    const int switchValues[] = {v.confirmations, v.colourSettings, v.letterFilter, v.nameEntry};
    for (int line = 1; line <= 4 && line <= good; ++line)
        switches[line - 1]->setChecked(switchValues[line - 1] == 1);
    if (good >= 5)
        setConsonantColour(v.consonantColor);
    if (good >= 6)
        setVowelColour(v.vowelColor);
    const int rgb[] = {v.red, v.green, v.blue};
    for (int line = 7; line <= 9 && line <= good; ++line)
        m_vscroll[line - 7]->setValue(rgb[line - 7]);
    if (good < 10)
        return;
    farbprobe();
    m_store.selectLettersIn(v.letters);
    refreshLetterList();
}

void Form1::inisave()
{
    Settings s;
    s.confirmations = m_check2->isChecked() ? 1 : 0;
    s.colourSettings = m_check3->isChecked() ? 1 : 0;
    s.letterFilter = m_check4->isChecked() ? 1 : 0;
    s.nameEntry = m_check5->isChecked() ? 1 : 0;
    s.consonantColor = mitlautfarbe;
    s.vowelColor = selbstlautfarbe;
    s.red = m_vscroll[0]->value();
    s.green = m_vscroll[1]->value();
    s.blue = m_vscroll[2]->value();
    s.letters = m_store.selectedLetters();
    // When the file cannot be written the old one stays as it was; the program ends all the same.
    writeSettingsFile(m_folder.path() + u'/' + kSettingsFileName, s);
}

void Form1::farbfelder()
{
    m_picture3->clear();
    const QColor text = Qt::black;
    m_picture3->setCurrentPos(QPoint(100, 100));
    m_picture3->print(QStringLiteral("Farbe der Mitlaute:"), text);
    for (int i = 0; i < kPaletteSize; ++i)
        m_picture3->drawRect(QRect(QPoint(300 * i, 500), QPoint(300 * i + 300, 1000)), paletteColor(i), text);
    m_picture3->setCurrentPos(QPoint(100, 1600));
    m_picture3->print(QStringLiteral("Farbe der Selbstlaute:"), text);
    for (int i = 0; i < kPaletteSize; ++i)
        m_picture3->drawRect(QRect(QPoint(300 * i, 2000), QPoint(300 * i + 300, 2500)), paletteColor(i), text);
    setShapeColour(m_shape2, mitlautfarbe);
    setShapeColour(m_shape3, selbstlautfarbe);
}

void Form1::setShapeColour(Shape *shape, int index)
{
    shape->setProperty("paletteIndex", index);
    shape->setFillColor(paletteColor(index));
}

void Form1::setConsonantColour(int index)
{
    setShapeColour(m_shape2, index);
    mitlautfarbe = index;
}

void Form1::setVowelColour(int index)
{
    setShapeColour(m_shape3, index);
    selbstlautfarbe = qint16(index);
}

void Form1::onColourPanelPress(QPoint pos)
{
    const int index = swatchIndexAt(pos.x());
    if (pos.y() < 1100) {
        setConsonantColour(index);
        farbprobe();
    } else if (pos.y() > 1800) {
        setVowelColour(index);
        farbprobe();
    }
}

void Form1::farbprobe()
{
    m_hintergrund->setBackgroundColor(QColor(m_vscroll[0]->value(), m_vscroll[1]->value(), m_vscroll[2]->value()));
    const QColor vowel = paletteColor(m_shape3->property("paletteIndex").toInt());
    const QColor consonant = paletteColor(m_shape2->property("paletteIndex").toInt());
    for (const QChar c : QStringLiteral("Hintergrund")) {
        if (QStringLiteral("ieu").contains(c))
            m_hintergrund->print(QString(c), vowel);
        else if (QStringLiteral("Hntrgnd").contains(c))
            m_hintergrund->print(QString(c), consonant);
    }
}

void Form1::tafelnweg()
{
    setPanelShown(m_picture3, false);
    setPanelShown(m_picture4, false);
    setPanelShown(m_picture5, false);
}

void Form1::abgeschaltet()
{
    m_messages.ok(QStringLiteral("Optionen"), QStringLiteral("Diese Option wurde abgeschaltet.") + kCr + kCr);
}

QColor Form1::background() const
{
    return m_hintergrund->backgroundColor();
}

bool Form1::confirmationsOn() const
{
    return m_check2->isChecked();
}

QString Form1::playerName() const
{
    return m_label5->text();
}

void Form1::appendUsage(UsageList list, const QString &line)
{
    if (!m_usage)
        m_usage = new Form11(*this);
    m_usage->append(list, line);
}

void Form1::openActivity(Activity activity, int minimum, bool messageA, bool hidePanels)
{
    if (activeEntries().size() < minimum) {
        if (messageA)
            m_messages.ok(QStringLiteral("Zeichjagd"), QStringLiteral("Es sind zu wenig Wörter vorhanden,") + kCr
                                                            + QStringLiteral("bitte die Filterauswahl kontrollieren!")
                                                            + kCr);
        else
            m_messages.ok(QStringLiteral("Zeichjagd"), QStringLiteral("Es sind keine Wörter vorhanden.") + kCr
                                                            + QStringLiteral("bitte die Filterwahl kontrollieren!")
                                                            + kCr);
        return;
    }
    if (hidePanels)
        tafelnweg();
    QPointer<ActivityWindow> &window = m_windows[int(activity)];
    if (!window) {
        const Factory &factory = m_factories[int(activity)];
        if (!factory)
            return; // not available in this build
        window = factory(*this);
    }
    showWindow(window);
}

void Form1::openUsageView()
{
    if (!m_usage)
        m_usage = new Form11(*this);
    showWindow(m_usage);
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
    if (m_quitting)
        return;
    show();
    raise();
    activateWindow();
    activate();
}

void Form1::activate()
{
    tafelnweg();
}

void Form1::quitWithConfirmation()
{
    const auto answer = m_messages.show(QStringLiteral("Wortilo"), QStringLiteral("Dieses Programm jetzt beenden?") + kCr + kCr,
                                        Messages::Buttons::YesNo, Messages::Answer::No);
    if (answer == Messages::Answer::No)
        return;
    inisave();
    endProgram();
}

void Form1::closeEvent(QCloseEvent *event)
{
    if (m_quitting) {
        event->accept();
        return;
    }
    inisave();
    m_messages.ok(QStringLiteral("Wortilo"), QStringLiteral("Das Programm wird beendet ...") + kCr + kCr);
    event->accept();
    endProgram();
}

void Form1::endProgram()
{
    m_quitting = true;
    for (auto &w : m_windows)
        if (w)
            w->close();
    if (m_usage)
        m_usage->close();
    hide();
    QCoreApplication::exit(0);
}

} // namespace wortilo
