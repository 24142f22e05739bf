// SPDX-License-Identifier: MIT
// The alphabetical-order game without widgets: the sets drawn, the dictionary order the
// exchanges must reach, and what a solved set records and shows.
#include "games/abc/abcgame.h"
#include "support/fakecontext.h"

#include <QSet>
#include <QtTest>

using namespace wortilo;
using wortilo::test::FakeContext;

namespace {

// Drops slots onto each other until they stand in the target order; a set drawn in order
// already gets a drop of a slot on itself.
void sortByDrops(AbcGame &game)
{
    bool dropped = false;
    for (int i = 0; i < game.slotCount(); ++i) {
        const int j = int(game.slotOrder().indexOf(game.targetOrder().at(i), i));
        if (j != i) {
            game.drop(i, j);
            dropped = true;
        }
    }
    if (!dropped)
        game.drop(2, 2);
}

} // namespace

class TestAbcGame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Whatever order a set is drawn in, sorting it by drops solves it, and the record lists the
    // nouns in dictionary order, each followed by a blank.
    void solve_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("line");
        QTest::newRow("umlaut and prefix")
            << QStringList{"DERZUG.BMP", "DERAPFELBAUM.JPG", "DIEÄPFEL.JPG", "DIEMAUS.GIF", "DERAPFEL.JPG"}
            << "APFEL ÄPFEL APFELBAUM MAUS ZUG ";
        QTest::newRow("sharp s") << QStringList{"DERSTRAUß.JPG", "DIESTRAßE.JPG", "DASEI.BMP", "DIESTRASSE.BMP", "DERBALL.JPG"}
                                 << "BALL EI STRASSE STRAßE STRAUß ";
        QTest::newRow("same noun twice") << QStringList{"DIESEE.BMP", "DERZUG.BMP", "DERSEE.JPG", "DASEI.BMP", "DERBALL.JPG"}
                                         << "BALL EI SEE SEE ZUG ";
    }
    void solve()
    {
        QFETCH(QStringList, entries);
        QFETCH(QString, line);
        FakeContext host;
        host.entries = entries;
        AbcGame game(host);
        for (int seconds = 0; seconds < 200; seconds += 5) {
            host.manualClock.seconds = seconds;
            game.abcneu();
            QVERIFY(!game.isSolved());
            QSet<QString> distinct;
            for (const Word &w : game.chosen())
                distinct.insert(w.entry());
            QCOMPARE(distinct.size(), AbcGame::kSlots);
            sortByDrops(game);
            QVERIFY(game.isSolved());
            QCOMPARE(host.usageLines(Activity::Abc).last(), line);
        }
        QCOMPARE(host.usageLines(Activity::Abc).size(), 40);
    }

    // Once solved, drops change nothing until the next set; the panel lists the nouns with an
    // upper-case first letter and a lower-case rest.
    void solvedSet()
    {
        FakeContext host;
        host.entries = {"DIESTRAßE.JPG", "DERÄRGER.JPG", "DIEMAUS.GIF", "DASEI.BMP", "DERZUG.BMP"};
        AbcGame game(host);
        game.abcneu();
        sortByDrops(game);
        QVERIFY(game.isSolved());
        const QStringList order = game.slotOrder();
        game.drop(0, 4);
        game.drop(1, 1);
        QCOMPARE(game.slotOrder(), order);
        QCOMPARE(host.usageLines(Activity::Abc).size(), 1);
        const QList<AbcGame::ResultLine> expected = {{"Ä", "rger"}, {"E", "i"}, {"M", "aus"}, {"S", "traße"}, {"Z", "ug"}};
        QCOMPARE(game.resultLines(), expected);
        game.abcneu();
        QVERIFY(!game.isSolved());
        // A picture that cannot be loaded (here: no file at all) is unloadable, not empty.
        QVERIFY(game.picture(0).isUnloadable());
        game.abcleeren();
        QVERIFY(game.picture(0).isEmpty());
        // With fewer distinct words than slots there are as many slots as words, and no hang.
        host.entries = {"DERHUND.JPG", "DIEMAUS.GIF", "DERHUND.JPG"};
        game.abcneu();
        QCOMPARE(game.slotCount(), 2);
    }
};

QTEST_GUILESS_MAIN(TestAbcGame)
#include "tst_abcgame.moc"
