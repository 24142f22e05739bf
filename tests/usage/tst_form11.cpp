// SPDX-License-Identifier: MIT
// The usage view: lines land in their activity's list in the order appended, survive
// "Abbruch ..." and go with the window when it is closed by its close box.
#include "support/fakehost.h"
#include "usage/form11.h"

#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <memory>

using namespace wortilo;
using wortilo::test::FakeHost;

Q_DECLARE_METATYPE(wortilo::UsageList)

namespace {

QStringList shownLines(const QListWidget *list)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines.append(list->item(i)->text());
    return lines;
}

QListWidget *listWidget(const Form11 &w, int number)
{
    return w.findChild<QListWidget *>(QStringLiteral("List%1").arg(number));
}

void processDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

class TestForm11 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void windowShowsItsTexts();
    void eachListHasItsHeading_data();
    void eachListHasItsHeading();
    void appendKeepsOrderInItsListOnly();
    void unknownListIsIgnored();
    void clearAllEmptiesEveryList();
    void activationShowsPlayerName_data();
    void activationShowsPlayerName();
    void activationCentresWindow();
    void abbruchHidesAndKeepsLines();
    void closeBoxDiscardsWindow_data();
    void closeBoxDiscardsWindow();
};

void TestForm11::windowShowsItsTexts()
{
    FakeHost host;
    Form11 w(host);
    QCOMPARE(w.windowTitle(), QStringLiteral("ortilo (Benutzereingaben)"));
    QCOMPARE(w.palette().color(QPalette::Window), QColor(192, 192, 255));

    auto *command1 = w.findChild<QPushButton *>(QStringLiteral("Command1"));
    QVERIFY(command1);
    QCOMPARE(command1->text(), QStringLiteral("Abbruch ..."));
    auto *label1 = w.findChild<QLabel *>(QStringLiteral("Label1"));
    QVERIFY(label1);
    QCOMPARE(label1->text(), QStringLiteral("Freund"));
    QCOMPARE(label1->palette().color(QPalette::Window), QColor(128, 128, 255));
    QVERIFY(w.findChild<QWidget *>(QStringLiteral("Shape1")));

    // Every control lies wholly inside the client area.
    const QRect client = w.rect();
    for (const QWidget *child : w.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        QVERIFY2(client.contains(child->geometry()), qPrintable(child->objectName()));
}

void TestForm11::eachListHasItsHeading_data()
{
    QTest::addColumn<UsageList>("usage");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("heading");

    QTest::newRow("List1") << UsageList::Lesen << 1 << QStringLiteral("Lesen");
    QTest::newRow("List2") << UsageList::Bildwahl << 2 << QStringLiteral("Bildwahl");
    QTest::newRow("List3") << UsageList::Wortwahl << 3 << QStringLiteral("Wortwahl");
    QTest::newRow("List4") << UsageList::Begleiter << 4 << QStringLiteral("Begleiter");
    QTest::newRow("List5") << UsageList::Ergaenzen << 5 << QStringLiteral("Ergänzen");
    QTest::newRow("List6") << UsageList::Abc << 6 << QStringLiteral("A B C");
    QTest::newRow("List7") << UsageList::Abschrift << 7 << QStringLiteral("Abschrift");
    QTest::newRow("List8") << UsageList::Diktat << 8 << QStringLiteral("Diktat");
    QTest::newRow("List9") << UsageList::Teppich << 9 << QStringLiteral("Teppich");
    QTest::newRow("List10") << UsageList::Fange << 10 << QStringLiteral("Fange");
    QTest::newRow("List11") << UsageList::Memory << 11 << QStringLiteral("Memory");
    QTest::newRow("List12") << UsageList::Galgen << 12 << QStringLiteral("Galgen");
}

void TestForm11::eachListHasItsHeading()
{
    QFETCH(UsageList, usage);
    QFETCH(int, number);
    QFETCH(QString, heading);

    FakeHost host;
    Form11 w(host);
    QListWidget *list = listWidget(w, number);
    QVERIFY(list);
    auto *label = w.findChild<QLabel *>(QStringLiteral("Label%1").arg(number + 1));
    QVERIFY(label);

    QCOMPARE(label->text(), heading);
    QCOMPARE(list->accessibleName(), heading);
    QCOMPARE(Form11::heading(usage), heading);
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::white));
    QCOMPARE(label->palette().color(QPalette::Window), QColor(Qt::black));
    QCOMPARE(list->palette().color(QPalette::Base), QColor(128, 255, 255));
    // The heading sits right above its own list.
    QCOMPARE(label->x(), list->x());
    QVERIFY(label->geometry().bottom() < list->y());
    QVERIFY(list->y() - label->geometry().bottom() < 10);

    // A line appended for this activity shows under this heading.
    w.append(usage, QStringLiteral("Hund"));
    QCOMPARE(shownLines(list), QStringList{QStringLiteral("Hund")});
}

void TestForm11::appendKeepsOrderInItsListOnly()
{
    FakeHost host;
    Form11 w(host); // created and filled without being shown, as the main window does
    const QStringList lesen = {QStringLiteral("Zebra"), QStringLiteral("Apfel"), QStringLiteral("Öl")};
    const QStringList galgen = {QStringLiteral("Straße"), QStringLiteral("Apfel")};
    for (const QString &line : lesen)
        w.append(UsageList::Lesen, line);
    for (const QString &line : galgen)
        w.append(UsageList::Galgen, line);
    QVERIFY(!w.isVisible());

    w.show();
    w.activate();
    QCOMPARE(w.lines(UsageList::Lesen), lesen);
    QCOMPARE(w.lines(UsageList::Galgen), galgen);
    QCOMPARE(shownLines(listWidget(w, 1)), lesen);
    QCOMPARE(shownLines(listWidget(w, 12)), galgen);
    for (int n = 2; n <= 11; ++n) {
        QVERIFY2(listWidget(w, n)->count() == 0, qPrintable(QString::number(n)));
        QVERIFY(w.lines(static_cast<UsageList>(n - 1)).isEmpty());
    }
}

void TestForm11::unknownListIsIgnored()
{
    FakeHost host;
    Form11 w(host);
    w.append(static_cast<UsageList>(kUsageListCount), QStringLiteral("Hund"));
    w.append(static_cast<UsageList>(-1), QStringLiteral("Hund"));
    QVERIFY(w.lines(static_cast<UsageList>(kUsageListCount)).isEmpty());
    QVERIFY(Form11::heading(static_cast<UsageList>(kUsageListCount)).isEmpty());
    for (int n = 1; n <= kUsageListCount; ++n)
        QCOMPARE(listWidget(w, n)->count(), 0);
}

void TestForm11::clearAllEmptiesEveryList()
{
    FakeHost host;
    Form11 w(host);
    for (int i = 0; i < kUsageListCount; ++i) {
        w.append(static_cast<UsageList>(i), QStringLiteral("Hund"));
        w.append(static_cast<UsageList>(i), QStringLiteral("Katze"));
    }
    w.clearAll();
    for (int n = 1; n <= kUsageListCount; ++n)
        QCOMPARE(listWidget(w, n)->count(), 0);

    // The lists take new lines after clearing, from the top again.
    w.append(UsageList::Memory, QStringLiteral("Maus"));
    QCOMPARE(shownLines(listWidget(w, 11)), QStringList{QStringLiteral("Maus")});
}

void TestForm11::activationShowsPlayerName_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");

    QTest::newRow("first-run name, then a new one") << QStringLiteral("Freund") << QStringLiteral("Anna");
    QTest::newRow("umlauts and blanks") << QStringLiteral("Jürgen Groß") << QStringLiteral("Lena-Marie");
    QTest::newRow("markup stays text") << QStringLiteral("<b>Max</b>") << QStringLiteral("a & b");
}

void TestForm11::activationShowsPlayerName()
{
    QFETCH(QString, first);
    QFETCH(QString, second);

    FakeHost host;
    Form11 w(host);
    auto *label1 = w.findChild<QLabel *>(QStringLiteral("Label1"));
    QVERIFY(label1);

    host.name = first;
    w.show();
    w.activate();
    QCOMPARE(label1->text(), first);

    // A name confirmed while the view was hidden shows at its next opening.
    w.hide();
    host.name = second;
    QCOMPARE(label1->text(), first);
    w.show();
    w.activate();
    QCOMPARE(label1->text(), second);
}

void TestForm11::activationCentresWindow()
{
    FakeHost host;
    Form11 w(host);
    w.show();
    w.move(0, 0);
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.activate();
    const QRect screen = w.screen()->geometry();
    const QPoint offset = w.frameGeometry().center() - screen.center();
    QVERIFY2(offset.manhattanLength() <= 2,
             qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
}

void TestForm11::abbruchHidesAndKeepsLines()
{
    FakeHost host;
    QPointer<Form11> w = new Form11(host);
    const std::unique_ptr<Form11> owner(w.data());
    w->append(UsageList::Diktat, QStringLiteral("Haus"));
    w->show();
    w->activate();

    auto *command1 = w->findChild<QPushButton *>(QStringLiteral("Command1"));
    QVERIFY(command1);
    QTest::mouseClick(command1, Qt::LeftButton);
    QVERIFY(!w->isVisible());
    QCOMPARE(host.returnToMenuCalls, 1);

    // The window is kept with its lines, ready to be shown again.
    processDeferredDeletes();
    QVERIFY(w);
    w->show();
    w->activate();
    QCOMPARE(w->lines(UsageList::Diktat), QStringList{QStringLiteral("Haus")});
    QCOMPARE(host.returnToMenuCalls, 1);
}

void TestForm11::closeBoxDiscardsWindow_data()
{
    QTest::addColumn<bool>("quitting");
    QTest::addColumn<int>("returns");

    QTest::newRow("during the run: back to the menu") << false << 1;
    QTest::newRow("program ending: no menu") << true << 0;
}

void TestForm11::closeBoxDiscardsWindow()
{
    QFETCH(bool, quitting);
    QFETCH(int, returns);

    FakeHost host;
    host.isQuitting = quitting;
    QPointer<Form11> w = new Form11(host);
    w->append(UsageList::Lesen, QStringLiteral("Hund"));
    w->show();
    w->activate();

    QVERIFY(w->close());
    QCOMPARE(host.returnToMenuCalls, returns);
    processDeferredDeletes();
    QVERIFY(w.isNull());
}

QTEST_MAIN(TestForm11)
#include "tst_form11.moc"
