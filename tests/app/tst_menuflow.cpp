// SPDX-License-Identifier: MIT
// The main window with the real activity windows, driven as a child and a teacher would.
#include "app/activities.h"
#include "app/form1.h"
#include "exercises/form3.h"
#include "exercises/wordframe.h"
#include "session/session.h"
#include "support/fakemessages.h"
#include "support/manualclock.h"
#include "usage/form11.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace wortilo;
using wortilo::test::FakeMessages;

class TestMenuFlow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readingAndArticlesReachTheUsageView();
};

namespace {
QPushButton *button(QWidget *w, const QString &text)
{
    for (QPushButton *b : w->findChildren<QPushButton *>())
        if (b->text() == text && b->isVisible())
            return b;
    return nullptr;
}

void click(QWidget *w, const QString &text)
{
    QPushButton *b = button(w, text);
    QVERIFY2(b, qPrintable(text));
    QTest::mouseClick(b, Qt::LeftButton);
}

QStringList listLines(QWidget *view, const QString &name)
{
    QStringList lines;
    const auto *list = view->findChild<QListWidget *>(name);
    for (int i = 0; list && i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}
} // namespace

void TestMenuFlow::readingAndArticlesReachTheUsageView()
{
    QTemporaryDir dir;
    for (const char *name : {"derHund.jpg", "dieKatze.bmp", "dasUfo.jpg", "derBall.bmp"}) {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        QVERIFY(image.save(dir.filePath(QString::fromLatin1(name))));
    }
    FakeMessages messages;
    test::ManualClock clock;
    Session session(messages, dir.path(), clock);
    Form1 menu(session);
    QVERIFY(menu.startUp());
    menu.show();

    // Lesen: one line at the opening and one for each ">>"
    click(&menu, QStringLiteral("Lesen"));
    QWidget *lesen = menu.activityWindow(Activity::Lesen);
    QVERIFY(lesen->isVisible() && !menu.isVisible());
    click(lesen, QStringLiteral(">>"));
    click(lesen, QStringLiteral(">>"));
    click(lesen, QStringLiteral("Abbruch . . ."));
    QVERIFY(menu.isVisible() && !lesen->isVisible());

    // Begleiter: a right answer is recorded and confirmed; without confirmations only recorded
    click(&menu, QStringLiteral("Begleiter"));
    auto *begleiter = static_cast<Form3 *>(menu.activityWindow(Activity::Begleiter));
    const Word first = begleiter->frame().currentWord();
    click(begleiter, first.article());
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().caption, QStringLiteral("Lösung"));
    click(begleiter, QStringLiteral("Abbruch . . ."));
    click(&menu, QStringLiteral("Optionen"));
    menu.findChild<QCheckBox *>(QStringLiteral("Check2"))->click();
    click(&menu, QStringLiteral("Begleiter"));
    const Word second = begleiter->frame().currentWord();
    click(begleiter, second.article());
    QCOMPARE(messages.count(), 1);
    click(begleiter, QStringLiteral("Abbruch . . ."));

    // Kontrolle shows what was done, under the player's name
    click(&menu, QStringLiteral("Kontrolle"));
    Form11 *view = menu.usageView();
    QVERIFY(view->isVisible() && !menu.isVisible());
    QCOMPARE(view->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("Freund"));
    QCOMPARE(listLines(view, QStringLiteral("List1")).size(), 3);
    QCOMPARE(listLines(view, QStringLiteral("List4")), (QStringList{first.noun(), second.noun()}));
    for (int i : {2, 3, 5, 6, 7, 8, 9, 10, 11, 12})
        QVERIFY(listLines(view, QStringLiteral("List%1").arg(i)).isEmpty());

    // "Abbruch ..." keeps the lines; the close box discards them
    click(view, QStringLiteral("Abbruch ..."));
    click(&menu, QStringLiteral("Kontrolle"));
    QCOMPARE(listLines(menu.usageView(), QStringLiteral("List1")).size(), 3);
    QPointer<Form11> closed = menu.usageView();
    closed->close();
    QTRY_VERIFY(!closed);
    QVERIFY(menu.isVisible());
    click(&menu, QStringLiteral("Kontrolle"));
    QVERIFY(listLines(menu.usageView(), QStringLiteral("List1")).isEmpty());
    click(menu.usageView(), QStringLiteral("Abbruch ..."));

    // a new name is shown at the next opening, and the lists start afresh
    click(&menu, QStringLiteral("Lesen"));
    click(lesen, QStringLiteral("Abbruch . . ."));
    click(&menu, QStringLiteral("Name"));
    menu.findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("Jan"));
    click(&menu, QStringLiteral("Fertig!"));
    click(&menu, QStringLiteral("Kontrolle"));
    QCOMPARE(menu.usageView()->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("Jan"));
    QVERIFY(listLines(menu.usageView(), QStringLiteral("List1")).isEmpty());
}

QTEST_MAIN(TestMenuFlow)
#include "tst_menuflow.moc"
