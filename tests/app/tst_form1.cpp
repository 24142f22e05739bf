// SPDX-License-Identifier: MIT
#include "app/form1.h"
#include "app/translations.h"
#include "core/palette.h"
#include "session/session.h"
#include "support/fakemessages.h"
#include "support/gatemessages.h"
#include "support/fulldisk.h"
#include "support/manualclock.h"
#include "support/words.h"
#include "usage/form11.h"
#include "widgets/activitywindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

using namespace wortilo;
using wortilo::test::FakeMessages;
using wortilo::test::ManualClock;
using Answer = Messages::Answer;

namespace {

// An activity window that only counts how often it was shown.
class DummyActivity : public ActivityWindow
{
public:
    using ActivityWindow::ActivityWindow;
    void activate() override { ++activations; }
    void cancel() { leave(); }
    int activations = 0;
};

const QString CR = QString(QChar(13));

struct Fixture {
    explicit Fixture(const QStringList &files, const QByteArray &ini = QByteArray())
    {
        for (const QString &f : files) {
            QFile file(dir.filePath(f));
            file.open(QIODevice::WriteOnly);
        }
        if (!ini.isNull()) {
            QFile file(iniPath());
            file.open(QIODevice::WriteOnly);
            file.write(ini);
        }
        session = std::make_unique<Session>(messages, dir.path(), clock);
        ActivityTable table = activityTable();
        for (ActivityRow &row : table)
            row.create = [](ActivityContext &context, Navigation &navigation) -> ActivityWindow * {
                return new DummyActivity(context, navigation);
            };
        menu = std::make_unique<Form1>(*session, table);
    }
    QString iniPath() const { return dir.filePath(QStringLiteral("WORTILO.INI")); }
    QByteArray ini() const
    {
        QFile f(iniPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QPushButton *button(const char *name) const { return menu->findChild<QPushButton *>(QString::fromLatin1(name)); }
    template <class T> T *child(const char *name) const { return menu->findChild<T *>(QString::fromLatin1(name)); }
    void click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    // Sets a switch as a teacher does: on the options panel, which is closed again.
    void setOption(const char *name, bool on)
    {
        click("Command21");
        child<QCheckBox>(name)->setChecked(on);
        click("Command23");
    }
    // A panel that was never shown has not been made.
    bool panelShown(const char *name) const
    {
        QWidget *panel = child<QWidget>(name);
        return panel && panel->isVisible() && menu->rect().contains(panel->geometry().topLeft());
    }
    QTemporaryDir dir;
    FakeMessages messages;
    ManualClock clock;
    std::unique_ptr<Session> session;
    std::unique_ptr<Form1> menu;
};

QStringList words(int n)
{
    const QStringList all = {"derHund.jpg", "dieKatze.bmp", "dasUfo.gif", "derBall.bmp", "dieMaus.gif", "dasEi.jpg"};
    return all.mid(0, n);
}

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void noPictureEndsStartUp();
    void startUpShowsMenu();
    void gates_data();
    void gates();
    void ungatedOpenWithoutWords();
    void windowSwitching();
    void quitWithNoWritesNothing();
    void quitWithYesWritesSilently();
    void closeBoxWritesAndTells();
    void unwritableSettings_data();
    void unwritableSettings();
    void settingsRoundTrip();
    void settingsFileInAnyCase();
    void damagedSettings_data();
    void damagedSettings();
    void panelsToggle();
    void switchedOffOptions();
    void colourPick();
    void backgroundScrollBars();
    void nameEntry();
    void qtTextsAreGerman();
    void letterPanelAndFilter();
    void filterNarrowsActivities();
};

void TestForm1::noPictureEndsStartUp()
{
    Fixture f({QStringLiteral("liesmich.txt")});
    QVERIFY(!f.menu->startUp());
    QCOMPARE(f.messages.count(), 1);
    QCOMPARE(f.messages.last().caption, QStringLiteral("Programmabbruch"));
    QCOMPARE(f.messages.last().text, QStringLiteral("Es wurden keine Bilddateien gefunden!") + CR
                                         + QStringLiteral("Das Programm ist nicht funktionsfähig!") + CR);
    QVERIFY(!QFile::exists(f.iniPath()));
}

void TestForm1::startUpShowsMenu()
{
    Fixture f(words(3) + QStringList{"hintergrund.bmp"});
    QVERIFY(f.menu->startUp());
    QCOMPARE(f.menu->windowTitle(), QStringLiteral("ortilo (Menü)"));
    QCOMPARE(f.menu->size(), QSize(711, 434));
    QCOMPARE(f.messages.count(), 0);
    const QString date = f.child<QLabel>("Label8")->text();
    QCOMPARE(date, QStringLiteral("07.12.2026"));
    QCOMPARE(f.child<QLabel>("Label5")->text(), QStringLiteral("Freund"));
    // no settings file: nothing selected, so the letter filter shows no noun
    QCOMPARE(f.child<QLabel>("Label7")->text(), QStringLiteral(" 0 Nomen "));
    QCOMPARE(f.session->words().words().size(), 3);
    for (const char *highlighted : {"Label5", "Label7", "Check1"}) {
        QWidget *w = f.child<QWidget>(highlighted);
        QCOMPARE(w->grab().toImage().pixelColor(w->width() - 3, 2), QColor(255, 200, 0));
    }
    QVERIFY(QFile::exists(QStringLiteral(":/wortilo/icon-32.png"))); // the W of the corner and the window icon
    QVERIFY(!f.menu->windowIcon().isNull());
    QCOMPARE(f.button("Command20")->text(), QStringLiteral("A B C"));
    QCOMPARE(f.button("Command20")->geometry(), QRect(368, 392, 97, 33));
    for (const char *panel : {"Picture3", "Picture4", "Picture5", "Picture6"})
        QVERIFY(!f.panelShown(panel));
}

void TestForm1::gates_data()
{
    QTest::addColumn<int>("words");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("activity");
    QTest::addColumn<QString>("message"); // empty: opens
    const QString a = test::tooFewWordsMessage();
    const QString b = test::noWordsMessage();
    using A = Activity;
    // The rule for every activity is the session's; here, that the menu follows it.
    QTest::newRow("Lesen 2") << 2 << "Command2" << int(A::Lesen) << a;
    QTest::newRow("Lesen 3") << 3 << "Command2" << int(A::Lesen) << QString();
    QTest::newRow("Galgen 0") << 0 << "Command14" << int(A::Galgen) << b;
}

void TestForm1::gates()
{
    QFETCH(int, words);
    QFETCH(QString, button);
    QFETCH(int, activity);
    QFETCH(QString, message);
    Fixture f(::words(words) + QStringList{"bild.bmp"});
    QVERIFY(f.menu->startUp());
    f.menu->show();
    f.click(button.toLatin1().constData());
    auto *window = f.menu->activityWindow(Activity(activity));
    if (message.isEmpty()) {
        QCOMPARE(f.messages.count(), 0);
        QVERIFY(window && window->isVisible());
        QVERIFY(!f.menu->isVisible());
    } else {
        QCOMPARE(f.messages.count(), 1);
        QCOMPARE(f.messages.last().caption, QStringLiteral("Zeichjagd"));
        QCOMPARE(f.messages.last().text, message);
        QVERIFY(!window);
        QVERIFY(f.menu->isVisible());
    }
}

void TestForm1::ungatedOpenWithoutWords()
{
    Fixture f({QStringLiteral("hintergrund.bmp")});
    QVERIFY(f.menu->startUp());
    using A = Activity;
    const std::pair<const char *, A> ungated[] = {
        {"Command3", A::Begleiter}, {"Command10", A::Ergaenzen}, {"Command11", A::Abschrift}, {"Command12", A::Diktat}};
    for (const auto &[name, activity] : ungated) {
        f.menu->show();
        f.click(name);
        auto *window = static_cast<DummyActivity *>(f.menu->activityWindow(activity));
        QVERIFY2(window && window->isVisible(), name);
        window->cancel();
    }
    f.click("Command15");
    QVERIFY(f.menu->usageView() && f.menu->usageView()->isVisible());
    QCOMPARE(f.messages.count(), 0);
}

void TestForm1::windowSwitching()
{
    Fixture f(words(3));
    QVERIFY(f.menu->startUp());
    f.menu->show();
    f.setOption("Check3", true);
    f.click("Command9"); // name panel
    QVERIFY(f.panelShown("Picture6"));
    f.click("Command2");
    auto *lesen = static_cast<DummyActivity *>(f.menu->activityWindow(Activity::Lesen));
    QVERIFY(lesen->isVisible() && !f.menu->isVisible());
    QCOMPARE(lesen->activations, 1);
    lesen->cancel();
    QVERIFY(!lesen->isVisible() && f.menu->isVisible());
    QVERIFY(f.panelShown("Picture6")); // the name panel keeps its state

    f.click("Command4"); // colour panel replaces the name panel
    QVERIFY(f.panelShown("Picture3"));
    QVERIFY(!f.panelShown("Picture6"));
    f.click("Command17");
    auto *memo = static_cast<DummyActivity *>(f.menu->activityWindow(Activity::Memory));
    memo->cancel();
    QVERIFY(!f.panelShown("Picture3")); // activation hides the colour panel

    // the window is kept between visits ...
    f.click("Command2");
    QCOMPARE(f.menu->activityWindow(Activity::Lesen), lesen);
    QCOMPARE(lesen->activations, 2);
    // ... until its close box discards it
    QPointer<ActivityWindow> guard(lesen);
    lesen->close();
    QVERIFY(f.menu->isVisible());
    QTRY_VERIFY(!guard);
    f.click("Command2");
    QVERIFY(f.menu->activityWindow(Activity::Lesen));
    QCOMPARE(static_cast<DummyActivity *>(f.menu->activityWindow(Activity::Lesen))->activations, 1);
}

void TestForm1::quitWithNoWritesNothing()
{
    Fixture f(words(3));
    QVERIFY(f.menu->startUp());
    f.menu->show();
    f.messages.queue(Answer::No);
    f.click("Command1");
    QCOMPARE(f.messages.count(), 1);
    QCOMPARE(f.messages.last().caption, QStringLiteral("Wortilo"));
    QCOMPARE(f.messages.last().text, QStringLiteral("Dieses Programm jetzt beenden?") + CR + CR);
    QCOMPARE(f.messages.last().buttons, Messages::Buttons::YesNo);
    QCOMPARE(f.messages.last().defaultButton, Answer::No);
    QVERIFY(!QFile::exists(f.iniPath()));
    QVERIFY(f.menu->isVisible());
    QVERIFY(!f.session->quitting());
}

void TestForm1::quitWithYesWritesSilently()
{
    Fixture f(words(3));
    QVERIFY(f.menu->startUp());
    f.menu->show();
    f.click("Command2");
    f.messages.queue(Answer::Yes);
    static_cast<DummyActivity *>(f.menu->activityWindow(Activity::Lesen))->cancel();
    f.click("Command1");
    QCOMPARE(f.messages.count(), 1); // no "Das Programm wird beendet ..."
    QVERIFY(f.session->quitting());
    QCOMPARE(f.ini(), QByteArray(" 1 \r\n 0 \r\n 0 \r\n 1 \r\n 10 \r\n 12 \r\n 0 \r\n 0 \r\n 0 \r\n\r\n"));
    QVERIFY(!f.menu->isVisible());
}

void TestForm1::closeBoxWritesAndTells()
{
    Fixture f(words(3));
    QVERIFY(f.menu->startUp());
    f.menu->show();
    f.menu->close();
    QCOMPARE(f.messages.count(), 1);
    QCOMPARE(f.messages.last().caption, QStringLiteral("Wortilo"));
    QCOMPARE(f.messages.last().text, QStringLiteral("Das Programm wird beendet ...") + CR + CR);
    QCOMPARE(f.ini(), QByteArray(" 1 \r\n 0 \r\n 0 \r\n 1 \r\n 10 \r\n 12 \r\n 0 \r\n 0 \r\n 0 \r\n\r\n"));
    QVERIFY(f.session->quitting());
}

// A settings file that cannot be written (here: every write past a few bytes fails, as on a full
// disk, which stops root too): the old file stays, the teacher is told where, and the program
// ends all the same. On the close box that comes before the closing message.
void TestForm1::unwritableSettings_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Beenden") << false;
    QTest::newRow("close box") << true;
}

void TestForm1::unwritableSettings()
{
    QFETCH(bool, closeBox);
    const QByteArray old("alte Einstellungen\r\n");
    Fixture f(words(3), old);
    QVERIFY(f.menu->startUp());
    f.menu->show();
    {
        const wortilo::test::FullDisk full;
        QVERIFY(full.isActive());
        if (!closeBox)
            f.messages.queue(Answer::Yes);
        closeBox ? void(f.menu->close()) : f.click("Command1");
    }

    QCOMPARE(f.ini(), old);
    QStringList texts;
    for (const FakeMessages::Call &call : std::as_const(f.messages.calls)) {
        QCOMPARE(call.caption, QStringLiteral("Wortilo"));
        texts << call.text;
    }
    const QString failed = QStringLiteral("Die Einstellungen konnten nicht gespeichert werden.") + CR
                           + QDir::toNativeSeparators(f.dir.path());
    if (closeBox)
        QCOMPARE(texts, (QStringList{failed, QStringLiteral("Das Programm wird beendet ...") + CR + CR}));
    else
        QCOMPARE(texts, (QStringList{QStringLiteral("Dieses Programm jetzt beenden?") + CR + CR, failed}));
    QVERIFY(f.session->quitting());
    QVERIFY(!f.menu->isVisible());
}

void TestForm1::settingsRoundTrip()
{
    const QByteArray written = QByteArray(" 0 \r\n 1 \r\n 1 \r\n 0 \r\n 3 \r\n 14 \r\n 20 \r\n 40 \r\n 255 \r\nA\xC4" "BS\xDFU\xDC\r\n");
    for (bool viaCloseBox : {true, false}) {
        Fixture f(words(6), written);
        QVERIFY(f.menu->startUp());
        QCOMPARE(f.session->mitlautfarbe(), 3);
        QCOMPARE(f.session->selbstlautfarbe(), 14);
        QCOMPARE(f.session->background(), QColor(20, 40, 255));
        QVERIFY(!f.session->confirmationsOn());
        QCOMPARE(f.session->words().selectedLetters(), QStringLiteral("AÄBSßUÜ"));
        f.menu->show();
        // the panels, made when first opened, show what was read
        f.click("Command4");
        for (const auto &[bar, value] : {std::pair("VScroll1", 20), std::pair("VScroll2", 40), std::pair("VScroll3", 255)})
            QCOMPARE(f.child<QScrollBar>(bar)->value(), value);
        f.click("Command8");
        QString selected;
        const QListWidget *letters = f.child<QListWidget>("List1");
        for (int i = 0; i < letters->count(); ++i)
            if (letters->item(i)->isSelected())
                selected += letters->item(i)->text();
        QCOMPARE(selected, QStringLiteral("AÄBSßUÜ"));
        if (viaCloseBox) {
            f.menu->close();
        } else {
            f.messages.queue(Answer::Yes);
            f.click("Command1");
        }
        QCOMPARE(f.ini(), written);
    }
}

// A settings file made by hand in lower case is read, and written back under its own name.
void TestForm1::settingsFileInAnyCase()
{
    Fixture f(words(3));
    const QString lower = f.dir.filePath(QStringLiteral("wortilo.ini"));
    {
        QFile file(lower);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(" 0 \r\n 0 \r\n 0 \r\n 1 \r\n 3 \r\n 12 \r\n 0 \r\n 0 \r\n 0 \r\nAB\r\n");
    }
    QVERIFY(f.menu->startUp());
    QVERIFY(!f.session->confirmationsOn());
    QCOMPARE(f.session->mitlautfarbe(), 3);
    f.session->setConsonantColour(4);
    f.menu->show();
    f.menu->close();
    QVERIFY(!QFile::exists(f.iniPath()));
    QFile file(lower);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray(" 0 \r\n 0 \r\n 0 \r\n 1 \r\n 4 \r\n 12 \r\n 0 \r\n 0 \r\n 0 \r\nAB\r\n"));
}

void TestForm1::damagedSettings_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("switches"); // Check2..Check5 as 0/1
    QTest::addColumn<int>("consonant");
    QTest::addColumn<int>("vowel");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QString>("letters");
    // The rules for bad lines are the session's; here, that the switches read reach the panel.
    const QColor black(0, 0, 0);
    QTest::newRow("missing") << QByteArray() << "1001" << 10 << 12 << black << "";
    QTest::newRow("four lines") << QByteArray(" 0 \r\n 1 \r\n 1 \r\n 0 \r\n") << "0110" << 10 << 12 << black << "";
}

void TestForm1::damagedSettings()
{
    QFETCH(QByteArray, ini);
    QFETCH(QString, switches);
    QFETCH(int, consonant);
    QFETCH(int, vowel);
    QFETCH(QColor, background);
    QFETCH(QString, letters);
    Fixture f(words(3), ini);
    QVERIFY(f.menu->startUp());
    f.menu->show();
    f.click("Command21"); // the options panel shows the switches read
    QString shown;
    for (const char *name : {"Check2", "Check3", "Check4", "Check5"})
        shown += f.child<QCheckBox>(name)->isChecked() ? u'1' : u'0';
    QCOMPARE(shown, switches);
    QCOMPARE(f.session->mitlautfarbe(), consonant);
    QCOMPARE(f.session->selbstlautfarbe(), vowel);
    QCOMPARE(f.session->background(), background);
    QCOMPARE(f.session->words().selectedLetters(), letters);
    QCOMPARE(f.messages.count(), 0);
    // quitting writes a complete file again
    f.menu->close();
    QCOMPARE(f.ini().count("\r\n"), 10);
}

void TestForm1::panelsToggle()
{
    Fixture f(words(3));
    QVERIFY(f.menu->startUp());
    f.menu->show();
    f.click("Command21");
    QVERIFY(f.panelShown("Picture5"));
    QCOMPARE(f.child<QWidget>("Picture5")->pos(), QPoint(432, 104));
    f.click("Command21");
    QVERIFY(!f.panelShown("Picture5"));
    f.click("Command21");
    f.click("Command23"); // "X"
    QVERIFY(!f.panelShown("Picture5"));

    f.child<QCheckBox>("Check3")->setChecked(true);
    f.child<QCheckBox>("Check4")->setChecked(true);
    f.click("Command4");
    QVERIFY(f.panelShown("Picture3"));
    QCOMPARE(f.child<QWidget>("Picture3")->pos(), QPoint(248, 88));
    f.click("Command8");
    QVERIFY(f.panelShown("Picture4"));
    QVERIFY(!f.panelShown("Picture3"));
    f.click("Command8");
    QVERIFY(!f.panelShown("Picture4"));
    f.click("Command4");
    f.click("Command4");
    QVERIFY(!f.panelShown("Picture3"));
    QCOMPARE(f.messages.count(), 0);
}

void TestForm1::switchedOffOptions()
{
    Fixture f(words(3));
    QVERIFY(f.menu->startUp());
    f.menu->show();
    f.setOption("Check5", false);
    for (const char *name : {"Command4", "Command8", "Command9"}) {
        f.click(name);
        QCOMPARE(f.messages.last().caption, QStringLiteral("Optionen"));
        QCOMPARE(f.messages.last().text, QStringLiteral("Diese Option wurde abgeschaltet.") + CR + CR);
    }
    QCOMPARE(f.messages.count(), 3);
    for (const char *panel : {"Picture3", "Picture4", "Picture6"})
        QVERIFY(!f.panelShown(panel));
}

void TestForm1::colourPick()
{
    Fixture f(words(3));
    QVERIFY(f.menu->startUp());
    f.menu->show();
    f.setOption("Check3", true);
    f.click("Command4");
    auto *panel = f.child<QWidget>("Picture3");
    QTest::mousePress(panel, Qt::LeftButton, {}, QPoint(30, 47)); // x 450, y 705 twips
    QCOMPARE(f.session->mitlautfarbe(), 1);
    QTest::mousePress(panel, Qt::RightButton, {}, QPoint(300, 147)); // x 4500, y 2205
    QCOMPARE(f.session->selbstlautfarbe(), 15);
    QTest::mousePress(panel, Qt::LeftButton, {}, QPoint(100, 100)); // y 1500: between the rows
    QCOMPARE(f.session->mitlautfarbe(), 1);
    QCOMPARE(f.session->selbstlautfarbe(), 15);
    QTest::mousePress(panel, Qt::LeftButton, {}, QPoint(319, 10)); // right edge of the last swatch
    QCOMPARE(f.session->mitlautfarbe(), 15);
    // A press on the background sample is no colour pick.
    QTest::mousePress(f.child<QWidget>("Hintergrund"), Qt::LeftButton, {}, QPoint(5, 20));
    QTest::mousePress(f.child<QWidget>("Hintergrund"), Qt::LeftButton, {}, QPoint(5, 150));
    QCOMPARE(f.session->mitlautfarbe(), 15);
    QCOMPARE(f.session->selbstlautfarbe(), 15);

    // the swatches are drawn in the palette colours
    const QImage shown = panel->grab().toImage();
    for (int i = 0; i < 16; ++i)
        QCOMPARE(shown.pixelColor(20 * i + 10, 50), paletteColor(i));
}

void TestForm1::backgroundScrollBars()
{
    Fixture f(words(3));
    QVERIFY(f.menu->startUp());
    QCOMPARE(f.session->background(), QColor(0, 0, 0));
    f.menu->show();
    f.setOption("Check3", true);
    f.click("Command4");
    for (const char *name : {"VScroll1", "VScroll2", "VScroll3"})
        f.child<QScrollBar>(name)->setValue(255);
    QCOMPARE(f.session->background(), QColor(255, 255, 255));
    // the sample word is drawn in the letter colours on the new background
    const QImage sample = f.child<QWidget>("Hintergrund")->grab().toImage();
    bool consonant = false, vowel = false;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < sample.width(); ++x) {
            consonant |= sample.pixelColor(x, y) == paletteColor(10);
            vowel |= sample.pixelColor(x, y) == paletteColor(12);
        }
    QVERIFY(consonant && vowel);
    QCOMPARE(sample.pixelColor(sample.width() / 2, sample.height() - 5), QColor(Qt::white));
    f.child<QScrollBar>("VScroll2")->setValue(0);
    QCOMPARE(f.session->background(), QColor(255, 0, 255));
}

void TestForm1::nameEntry()
{
    Fixture f(words(3));
    QVERIFY(f.menu->startUp());
    f.menu->show();
    f.session->appendUsage(Activity::Lesen, QStringLiteral("Hund"));
    f.click("Command9");
    auto *text = f.child<QLineEdit>("Text1");
    QCOMPARE(text->text(), QStringLiteral("Freund"));
    QCOMPARE(text->selectedText(), QStringLiteral("Freund"));
    // "Fertig!" with the unchanged name still clears the lists
    f.click("Command25");
    QVERIFY(!f.panelShown("Picture6"));
    QVERIFY(f.session->usage().lines(Activity::Lesen).isEmpty());

    f.session->appendUsage(Activity::Galgen, QStringLiteral("Maus"));
    f.click("Command9");
    text->clear();
    f.click("Command25");
    QCOMPARE(f.session->playerName(), QStringLiteral("Freund"));
    QCOMPARE(f.session->usage().lines(Activity::Galgen).size(), 1);

    f.click("Command9");
    QTest::keyClicks(text, QStringLiteral("Jan"));
    f.click("Command24"); // "Abbruch"
    QCOMPARE(f.session->playerName(), QStringLiteral("Freund"));
    f.click("Command9");
    text->setText(QStringLiteral("Jörg"));
    f.click("Command25");
    QCOMPARE(f.child<QLabel>("Label5")->text(), QStringLiteral("Jörg"));
    // A name is shown as typed, never as markup.
    QCOMPARE(f.child<QLabel>("Label5")->textFormat(), Qt::PlainText);
    QVERIFY(f.session->usage().lines(Activity::Galgen).isEmpty());
}

// Qt's own texts (the right-click menu of the name field) are German.
void TestForm1::qtTextsAreGerman()
{
    QVERIFY(installGermanTranslations(*QCoreApplication::instance()));
    QLineEdit field;
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts << action->text().section(u'\t', 0, 0);
    QVERIFY2(texts.contains(QStringLiteral("&Rückgängig")), qPrintable(texts.join(u'|')));
}

void TestForm1::letterPanelAndFilter()
{
    Fixture f({"derHund.jpg", "dieKatze.bmp", "dasUfo.gif", "dasEi.jpg"});
    QVERIFY(f.menu->startUp());
    f.menu->show();
    f.setOption("Check4", true);
    f.click("Command8");
    auto *letters = f.child<QListWidget>("List1");
    auto *nouns = f.child<QListWidget>("List3");
    QCOMPARE(letters->count(), 30);
    f.click("Command6"); // "A l l e"
    QCOMPARE(nouns->count(), 4);
    QCOMPARE(f.child<QLabel>("Label7")->text(), QStringLiteral(" 4 Nomen "));
    f.click("Command7"); // "Keiner"
    QCOMPARE(nouns->count(), 0);
    auto shownLetters = [letters] {
        QString shown;
        for (int i = 0; i < letters->count(); ++i)
            if (letters->item(i)->isSelected())
                shown += letters->item(i)->text();
        return shown;
    };
    // Ctrl+A changes every letter in one step, and all of them stay chosen.
    letters->setFocus();
    QTest::keyClick(letters, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(f.session->words().selectedLetters(), QStringLiteral("AÄBCDEFGHIJKLMNOÖPQRSßTUÜVWXYZ"));
    QCOMPARE(shownLetters(), f.session->words().selectedLetters());
    QCOMPARE(nouns->count(), 4);
    QCOMPARE(f.child<QLabel>("Label7")->text(), QStringLiteral(" 4 Nomen "));
    f.click("Command7");
    // A fast drag down the second column reaches I in one move over F, G and H.
    auto centre = [letters](const char *l) {
        return letters->visualItemRect(letters->findItems(QString::fromUtf8(l), Qt::MatchExactly).first()).center();
    };
    QTest::mousePress(letters->viewport(), Qt::LeftButton, {}, centre("E"));
    QTest::mouseMove(letters->viewport(), centre("I"));
    QTest::mouseRelease(letters->viewport(), Qt::LeftButton, {}, centre("I"));
    QCOMPARE(f.session->words().selectedLetters(), QStringLiteral("EFGHI"));
    QCOMPARE(shownLetters(), QStringLiteral("EFGHI"));
    QCOMPARE(f.child<QLabel>("Label7")->text(), QStringLiteral(" 1 Nomen "));
    // A click toggles one letter.
    for (const char *l : {"F", "G", "H"})
        QTest::mouseClick(letters->viewport(), Qt::LeftButton, {}, centre(l));
    QCOMPARE(shownLetters(), QStringLiteral("EI"));
    QCOMPARE(nouns->count(), 1);
    QCOMPARE(nouns->item(0)->text(), QStringLiteral("Ei"));
    auto *filter = f.child<QCheckBox>("Check1");
    filter->click();
    QCOMPARE(f.child<QLabel>("Label7")->text(), QStringLiteral(" 1 Wort "));
    QCOMPARE(f.session->activeWords(), test::wordsOf({"DASEI.JPG"}));
    f.click("Command5"); // "Abbruch": selection stays
    QVERIFY(!f.panelShown("Picture4"));
    QCOMPARE(f.session->words().selectedLetters(), QStringLiteral("EI"));
    // opening the letter panel unchecks "Filter"
    f.click("Command8");
    QVERIFY(!filter->isChecked());
    f.click("Command7");
    f.click("Command5");
    QCOMPARE(f.messages.count(), 0);
    bool checkedWhileShown = false;
    f.messages.whileShown = [&] { checkedWhileShown = filter->isChecked(); };
    filter->click();
    QCOMPARE(f.messages.count(), 1);
    QVERIFY(checkedWhileShown);
    QCOMPARE(f.messages.last().caption, QStringLiteral("Filter: "));
    QCOMPARE(f.messages.last().text, QStringLiteral("Der Filter erzeugt keine Wörter!") + CR
                                         + QStringLiteral("Filter wird wieder abgeschaltet.") + CR);
    QVERIFY(!filter->isChecked());
    QCOMPARE(f.child<QLabel>("Label7")->text(), QStringLiteral(" 0 Wörter "));
}

void TestForm1::filterNarrowsActivities()
{
    Fixture f(words(6), QByteArray(" 1 \r\n 0 \r\n 1 \r\n 1 \r\n 10 \r\n 12 \r\n 0 \r\n 0 \r\n 0 \r\nDEIU\r\n"));
    QVERIFY(f.menu->startUp());
    f.menu->show();
    QCOMPARE(f.child<QLabel>("Label7")->text(), QStringLiteral(" 1 Nomen "));
    f.child<QCheckBox>("Check1")->click();
    f.click("Command2"); // Lesen needs 3 of the filtered words
    QCOMPARE(f.messages.count(), 1);
    QCOMPARE(f.messages.last().caption, QStringLiteral("Zeichjagd"));
    f.click("Command14"); // Galgen needs 1
    QVERIFY(f.menu->activityWindow(Activity::Galgen));
    QCOMPARE(f.session->activeWords(), test::wordsOf({"DASEI.JPG"}));
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
