// SPDX-License-Identifier: MIT
// The catch game's rules without widgets, with the clock driven by the test: moves and borders,
// scattering, catching only the first letter, the jumps at multiples of the speed, the word list.
#include "games/fange/catchgame.h"
#include "support/fakecontext.h"

#include <QtTest>

using namespace wortilo;
using wortilo::test::FakeContext;

namespace {

QPoint letterCell(const CatchGame &game, int i)
{
    return QPoint(game.fangspalte().at(i), game.fangzeile().at(i));
}

// Walks the figure along its row, then along its column, until it gets there or catches a letter.
void walkTo(CatchGame &game, QPoint cell)
{
    const qsizetype left = game.spielwort().size();
    while (game.figure() != cell && game.spielwort().size() == left) {
        if (game.figure().x() != cell.x())
            game.move(cell.x() > game.figure().x() ? 1 : -1, 0);
        else
            game.move(0, cell.y() > game.figure().y() ? 1 : -1);
    }
}

} // namespace

class TestCatchGame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A step against the border leaves the figure where it is; the keys move it before a game
    // runs too, and the game then starts from there with no letter on its cell.
    void borders_data()
    {
        QTest::addColumn<QPoint>("step");
        QTest::addColumn<QPoint>("end");
        QTest::newRow("left") << QPoint(-1, 0) << QPoint(0, 6);
        QTest::newRow("right") << QPoint(1, 0) << QPoint(17, 6);
        QTest::newRow("up") << QPoint(0, -1) << QPoint(9, 0);
        QTest::newRow("down") << QPoint(0, 1) << QPoint(9, 10);
    }
    void borders()
    {
        QFETCH(QPoint, step);
        QFETCH(QPoint, end);
        FakeContext host;
        host.entries = {QStringLiteral("DASEICHHÖRNCHEN.GIF")};
        CatchGame game(host);
        for (int seconds = 0; seconds < 30; ++seconds) {
            host.manualClock.seconds = seconds;
            game.fangwort();
            QCOMPARE(game.figure(), QPoint(9, 6));
            for (int i = 0; i < 20; ++i)
                game.move(step.x(), step.y());
            QCOMPARE(game.figure(), end);
            QVERIFY(!game.isFigureVisible() && !game.lettersPlaced());
            game.start();
            QVERIFY(game.isRunning() && game.isFigureVisible());
            QSet<QPoint> cells{end};
            for (int i = 0; i < game.spielwort().size(); ++i)
                cells.insert(letterCell(game, i));
            QCOMPARE(cells.size(), game.spielwort().size() + 1); // no letter shares a cell, none under the figure
            game.fangstopp();
            QVERIFY(!host.manualClock.anyTickerActive());
        }
    }

    // Only the first remaining letter is caught: standing on the second l of Ball while B is
    // due catches nothing. The completion stops the clock, records the word and reports the time.
    void catchInOrder()
    {
        FakeContext host;
        host.entries = {QStringLiteral("DERBALL.JPG")};
        CatchGame game(host);
        game.setSpeed(15);
        // A seed whose path to the second l does not cross the B.
        bool onSecondL = false;
        for (int seconds = 0; seconds < 100 && !onSecondL; ++seconds) {
            host.manualClock.seconds = seconds;
            game.fangwort();
            game.start();
            const QPoint secondL = letterCell(game, 3);
            walkTo(game, secondL);
            onSecondL = game.figure() == secondL && game.caught().isEmpty();
        }
        QVERIFY(onSecondL);
        host.manualClock.advance(7000);
        QCOMPARE(game.seconds(), 7);

        walkTo(game, letterCell(game, 0));
        QCOMPARE(game.caught(), QStringLiteral("B"));
        QCOMPARE(game.nextLetter(), QStringLiteral("a"));
        QCOMPARE(game.rest(), QStringLiteral("ll"));
        // While the completion is shown, keys and clicks change nothing.
        host.fakeMessages.whileShown = [&] {
            game.move(1, 0);
            game.start();
            game.chooseWord(0);
        };
        for (int i = 0; i < 3; ++i)
            walkTo(game, letterCell(game, 0));
        QCOMPARE(host.fakeMessages.count(), 1);
        QCOMPARE(host.fakeMessages.last().caption, QStringLiteral("Zeichjagd"));
        QCOMPARE(host.fakeMessages.last().text, QStringLiteral("Du hast es in 7 Sekunden geschafft.") + kCr);
        QCOMPARE(host.usageLines(Activity::Fange), QStringList{QStringLiteral("Ball")});
        // The next word is prepared, not started.
        QVERIFY(!game.isRunning() && !game.isFigureVisible() && !game.lettersPlaced());
        QCOMPARE(game.spielwort(), QStringLiteral("Ball"));
        QCOMPARE(game.seconds(), 0);
        QCOMPARE(game.figure(), QPoint(9, 6));
    }

    // The letters jump whenever the seconds reach a multiple of the speed, read at every tick.
    void jumps_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("changeAt");
        QTest::addColumn<int>("newSpeed");
        QTest::addColumn<int>("run");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("fast") << 3 << 0 << 0 << 10 << QList<int>{3, 6, 9};
        QTest::newRow("default") << 10 << 0 << 0 << 12 << QList<int>{10};
        QTest::newRow("slowed down") << 3 << 4 << 15 << 16 << QList<int>{3, 15};
    }
    void jumps()
    {
        QFETCH(int, speed);
        QFETCH(int, changeAt);
        QFETCH(int, newSpeed);
        QFETCH(int, run);
        QFETCH(QList<int>, expected);
        FakeContext host;
        host.entries = {QStringLiteral("DASEICHHÖRNCHEN.GIF")};
        CatchGame game(host);
        game.fangwort();
        game.setSpeed(speed);
        game.start();
        QSignalSpy field(&game, &CatchGame::fieldChanged);
        QList<int> jumped;
        for (int s = 1; s <= run; ++s) {
            if (s == changeAt)
                game.setSpeed(newSpeed);
            const qsizetype before = field.count();
            host.manualClock.advance(1000);
            QCOMPARE(game.seconds(), s);
            if (field.count() > before)
                jumped.append(s);
        }
        QCOMPARE(jumped, expected);
        game.fangstopp();
        host.manualClock.advance(5000);
        QCOMPARE(game.seconds(), run);
    }

    // The list loses each word drawn; drawn empty, it is refilled at the next draw, emptied by a
    // click at once. An empty or too long word is replaced; a one-letter word is caught at once.
    void wordList()
    {
        FakeContext host;
        host.entries = {QStringLiteral("DERHUND.JPG"), QStringLiteral("DIEMAUS.GIF")};
        CatchGame game(host);
        game.fangliste();
        QCOMPARE(game.wordList(), (QStringList{QStringLiteral("Hund"), QStringLiteral("Maus")}));
        game.fangwort();
        QCOMPARE(game.wordList().size(), 1);
        QVERIFY(!game.wordList().contains(game.spielwort()));
        game.fangwort();
        QVERIFY(game.wordList().isEmpty());
        game.fangwort();
        QCOMPARE(game.wordList().size(), 1);
        game.start();
        host.manualClock.advance(2000);
        const QString clicked = game.wordList().first();
        game.chooseWord(0);
        QCOMPARE(game.spielwort(), clicked);
        QCOMPARE(game.wordList().size(), 2);
        QVERIFY(!game.isRunning() && !game.isFigureVisible());
        QCOMPARE(game.seconds(), 0);
        QCOMPARE(game.nextLetter() + game.rest(), clicked);

        host.entries = {QStringLiteral("DAS") + QString(101, u'A') + QStringLiteral(".BMP")};
        game.fangliste();
        game.fangwort();
        QCOMPARE(game.spielwort(), QStringLiteral("Zeichjagd"));
        host.entries.clear();
        game.fangwort();
        QCOMPARE(game.spielwort(), QStringLiteral("Zeichjagd"));

        // A one-letter word is complete with its first catch.
        host.entries = {QStringLiteral("DASO.BMP")};
        game.fangliste();
        game.fangwort();
        game.start();
        walkTo(game, letterCell(game, 0));
        QCOMPARE(host.usageLines(Activity::Fange), QStringList{QStringLiteral("O")});
        QCOMPARE(host.fakeMessages.last().text, QStringLiteral("Du hast es in 0 Sekunden geschafft.") + kCr);
    }

};

QTEST_GUILESS_MAIN(TestCatchGame)
#include "tst_catchgame.moc"
