// SPDX-License-Identifier: MIT
// The alphabetical-order game without widgets: the sets drawn, the dictionary order the
// exchanges must reach, and what a solved set records and shows.
#include "games/abc/abcgame.h"
#include "support/fakehost.h"

#include <QSet>
#include <QtTest>

using namespace wortilo;
using wortilo::test::FakeHost;

namespace {

// Exchanges slots until they stand in the target order; returns the number of drops.
int sortByDrops(AbcGame &game)
{
    int drops = 0;
    for (int i = 0; i < game.slotCount(); ++i) {
        if (game.slotOrder().at(i) == game.targetOrder().at(i))
            continue;
        for (int j = i + 1; j < game.slotCount(); ++j)
            if (game.slotOrder().at(j) == game.targetOrder().at(i)) {
                game.drop(i, j);
                ++drops;
                break;
            }
    }
    return drops;
}

} // namespace

class TestAbcGame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Whatever order a set is drawn in, the drops that sort it solve it, and the record lists
    // the nouns in dictionary order, each followed by a blank.
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
        FakeHost host;
        host.entries = entries;
        AbcGame game(host);
        QSignalSpy solved(&game, &AbcGame::solvedChanged);
        for (int seconds = 0; seconds < 40; ++seconds) {
            host.manualClock.seconds = seconds * 7;
            game.abcneu();
            QVERIFY(!game.isSolved());
            QCOMPARE(QSet<QString>(game.slotOrder().begin(), game.slotOrder().end()).size(),
                     QSet<QString>(game.targetOrder().begin(), game.targetOrder().end()).size());
            if (sortByDrops(game) == 0)
                game.drop(2, 2); // already in order: a drop on itself solves it
            QVERIFY(game.isSolved());
            QCOMPARE(host.usageLines(Activity::Abc).last(), line);
        }
        QCOMPARE(host.usageLines(Activity::Abc).size(), 40);
        QCOMPARE(solved.count(), 2 * 40 - 1); // solved, and unsolved again by each new set but the first
    }

    // A set is five distinct words; with fewer distinct words there are as many slots.
    void distinctWords()
    {
        FakeHost host;
        host.entries = {"DERHUND.JPG", "DIEMAUS.GIF", "DASEI.BMP", "DERBALL.JPG", "DERZUG.BMP", "DIEKUH.BMP"};
        AbcGame game(host);
        for (int seconds = 0; seconds < 50; ++seconds) {
            host.manualClock.seconds = seconds;
            game.abcneu();
            QCOMPARE(QSet<QString>(game.slotOrder().begin(), game.slotOrder().end()).size(), AbcGame::kSlots);
        }
        host.entries = {"DERHUND.JPG", "DIEMAUS.GIF", "DERHUND.JPG"};
        game.abcneu();
        QCOMPARE(game.slotCount(), 2);
        // A picture that cannot be loaded (here: no file at all) is unloadable, not empty.
        QVERIFY(game.picture(0).isUnloadable());
        QVERIFY(game.picture(2).isEmpty());
    }

    // Once solved, drops change nothing until the next set; the panel lists the nouns with an
    // upper-case first letter and a lower-case rest.
    void solvedSet()
    {
        FakeHost host;
        host.entries = {"DIESTRAßE.JPG", "DERÄRGER.JPG", "DIEMAUS.GIF", "DASEI.BMP", "DERZUG.BMP"};
        AbcGame game(host);
        game.abcneu();
        if (sortByDrops(game) == 0)
            game.drop(0, 0);
        QVERIFY(game.isSolved());
        const QStringList order = game.slotOrder();
        game.drop(0, 4);
        game.drop(1, 1);
        QCOMPARE(game.slotOrder(), order);
        QCOMPARE(host.usageLines(Activity::Abc).size(), 1);
        const QList<AbcGame::ResultLine> expected = {
            {"Ä", "rger"}, {"E", "i"}, {"M", "aus"}, {"S", "traße"}, {"Z", "ug"}};
        QCOMPARE(game.resultLines(), expected);
        game.abcleeren();
        QVERIFY(game.picture(0).isEmpty());
        game.abcneu();
        QVERIFY(!game.isSolved());
    }
};

QTEST_GUILESS_MAIN(TestAbcGame)
#include "tst_abcgame.moc"
