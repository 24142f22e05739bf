// SPDX-License-Identifier: MIT
// The pairs game without widgets: how a board is drawn and laid out, the noun pool across games,
// the rules of a card click, and the end of a game.
#include "core/germantext.h"
#include "games/memory/memorygame.h"
#include "support/fakehost.h"

#include <QtTest>

using namespace wortilo;
using wortilo::test::FakeHost;

namespace {

QStringList entriesOf(const QStringList &nouns)
{
    QStringList entries;
    for (const QString &noun : nouns)
        entries.append(QStringLiteral("DAS") + germanUpper(noun) + QStringLiteral(".BMP"));
    return entries;
}

const QStringList kThirty = {
    QStringLiteral("Apfel"), QStringLiteral("Äpfel"), QStringLiteral("Baum"), QStringLiteral("Bär"), QStringLiteral("Bus"),
    QStringLiteral("Dach"), QStringLiteral("Ei"), QStringLiteral("Eis"), QStringLiteral("Fuß"), QStringLiteral("Gans"),
    QStringLiteral("Haus"), QStringLiteral("Hund"), QStringLiteral("Igel"), QStringLiteral("Jacke"), QStringLiteral("Käse"),
    QStringLiteral("Kuh"), QStringLiteral("Lama"), QStringLiteral("Maus"), QStringLiteral("Mond"), QStringLiteral("Nest"),
    QStringLiteral("Ober"), QStringLiteral("Öl"), QStringLiteral("Pilz"), QStringLiteral("Rad"), QStringLiteral("Sonne"),
    QStringLiteral("Tor"), QStringLiteral("Uhr"), QStringLiteral("Vase"), QStringLiteral("Wal"), QStringLiteral("Zebra")};

// The board as the rules lay it out, step by step: k = min(9, pool) nouns drawn from the pool at
// floor(random × pool size), then each noun of the alphabetical list inserted at floor(random × k).
QStringList referenceLayout(QStringList pool, int seconds, QStringList *drawn)
{
    Random random;
    random.seed(std::uint32_t(seconds));
    const int k = std::min<int>(9, int(pool.size()));
    QStringList layout, sorted;
    for (int i = 0; i < k; ++i) {
        layout.append(pool.takeAt(int(double(pool.size()) * double(random.next()))));
        insertSorted(sorted, layout.last());
    }
    *drawn = layout;
    for (const QString &noun : sorted)
        layout.insert(int(double(k) * double(random.next())), noun);
    return layout;
}

// The cards showing a noun, in card order.
QList<int> cardsOf(const MemoryGame &game, const QString &noun)
{
    QList<int> cards;
    for (int k = 1; k <= MemoryGame::kCards; ++k)
        if (game.nounOf(k) == noun)
            cards.append(k);
    return cards;
}

struct Game {
    FakeHost host;
    MemoryGame game{host};
    explicit Game(const QStringList &entries, int seconds = 12345)
    {
        host.entries = entries;
        host.manualClock.seconds = seconds;
        host.generator.seed(999); // the game reseeds: what the generator held before must not matter
        game.activate();
        game.start();
    }
    // Clicks both cards of every noun of the game.
    void findAll()
    {
        for (const QString &noun : game.gameNouns())
            for (int card : cardsOf(game, noun))
                game.cardClicked(card);
    }
};

} // namespace

class TestMemoryGame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // With k words the board has min(k, 9) pairs on the first cards, laid out by the rules; the
    // last card shows the noun drawn last.
    void board_data()
    {
        QTest::addColumn<int>("words");
        QTest::addColumn<int>("seconds");
        for (const int words : {1, 2, 5, 8, 9, 10, 30})
            for (const int seconds : {0, 4711, 86399})
                QTest::addRow("%d words, %d s", words, seconds) << words << seconds;
    }
    void board()
    {
        QFETCH(int, words);
        QFETCH(int, seconds);
        const QStringList nouns = kThirty.mid(0, words);
        Game g(entriesOf(nouns), seconds);
        QStringList drawn;
        QCOMPARE(g.game.layout(), referenceLayout(nouns, seconds, &drawn));
        const int pairs = std::min(words, 9);
        QCOMPARE(g.game.pairs(), pairs);
        QCOMPARE(g.game.nounOf(2 * pairs), drawn.last());
        for (int i = 1; i < pairs; ++i)
            QVERIFY(germanCompare(g.game.gameNouns()[i - 1], g.game.gameNouns()[i]) <= 0);
        for (int k = 1; k <= MemoryGame::kCards; ++k) {
            QCOMPARE(g.game.isUsed(k), k <= 2 * pairs);
            QCOMPARE(g.game.isCovered(k), k <= 2 * pairs);
            QCOMPARE(g.game.inPlay(k), k <= 2 * pairs);
        }
        for (const QString &noun : g.game.gameNouns())
            QCOMPARE(cardsOf(g.game, noun).size(), 2);
    }

    // Each game takes its nouns out of the pool; a pool of fewer than nine is refilled with every
    // word first (what was left in it is dropped).
    void pool_data()
    {
        QTest::addColumn<int>("words");
        QTest::addColumn<QList<int>>("poolAfterGames");
        QTest::newRow("20 words") << 20 << QList<int>{11, 2, 11, 2};
        QTest::newRow("10 words") << 10 << QList<int>{1, 1};
        QTest::newRow("9 words") << 9 << QList<int>{0, 0};
        QTest::newRow("3 words") << 3 << QList<int>{0, 0};
    }
    void pool()
    {
        QFETCH(int, words);
        QFETCH(QList<int>, poolAfterGames);
        Game g(entriesOf(kThirty.mid(0, words)));
        QStringList before = g.game.gameNouns();
        QCOMPARE(g.game.pool().size(), poolAfterGames[0]);
        for (int i = 1; i < poolAfterGames.size(); ++i) {
            g.game.newGame();
            QCOMPARE(g.game.pool().size(), poolAfterGames[i]);
            if (poolAfterGames[i] < poolAfterGames[i - 1]) // taken from what was left, not refilled
                for (const QString &noun : g.game.gameNouns())
                    QVERIFY(!before.contains(noun));
            before = g.game.gameNouns();
        }
    }

    // The rules of a click, played on a board of Apfel, Bus and Ei.
    void clicks()
    {
        Game g(entriesOf({QStringLiteral("Apfel"), QStringLiteral("Bus"), QStringLiteral("Ei")}));
        const QList<int> apfel = cardsOf(g.game, QStringLiteral("Apfel"));
        const QList<int> bus = cardsOf(g.game, QStringLiteral("Bus"));
        const QList<int> ei = cardsOf(g.game, QStringLiteral("Ei"));

        // An unsuccessful attempt stays open until the next covered card is clicked.
        g.game.cardClicked(apfel[0]);
        g.game.cardClicked(apfel[0]); // an open card cannot be clicked
        g.game.cardClicked(bus[0]);
        QCOMPARE(g.game.firstOpen(), apfel[0]);
        QCOMPARE(g.game.secondOpen(), bus[0]);
        QVERIFY(!g.game.isCovered(apfel[0]) && !g.game.isCovered(bus[0]));
        g.game.cardClicked(ei[0]);
        QVERIFY(g.game.isCovered(apfel[0]) && g.game.isCovered(bus[0]) && !g.game.isCovered(ei[0]));
        QCOMPARE(g.game.firstOpen(), ei[0]);
        QCOMPARE(g.game.secondOpen(), 0);

        // A pair stays open and out of play; clicking it later changes nothing.
        QSignalSpy framed(&g.game, &MemoryGame::pairFound);
        g.game.cardClicked(ei[1]);
        QCOMPARE(framed.size(), 1);
        QCOMPARE(framed[0], (QVariantList{ei[0], ei[1]}));
        QVERIFY(g.game.isFound(ei[0]) && g.game.isFound(ei[1]));
        QCOMPARE(g.game.firstOpen(), 0);
        g.game.cardClicked(apfel[0]);
        g.game.cardClicked(bus[0]);
        g.game.cardClicked(ei[1]);
        g.game.cardClicked(apfel[1]); // covers Apfel and Bus, but never the found pair
        QVERIFY(!g.game.isCovered(ei[0]) && !g.game.isCovered(ei[1]));
        QCOMPARE(g.game.firstOpen(), apfel[1]);
        QCOMPARE(g.game.phase(), MemoryGame::Phase::Playing);
        QVERIFY(g.host.usageLines(Activity::Memory).isEmpty());
        QCOMPARE(g.host.fakeMessages.count(), 1); // only the memorising message so far
    }

    // While the board is memorised no card can be clicked.
    void noClicksWhileMemorising()
    {
        Game g(entriesOf({QStringLiteral("Apfel"), QStringLiteral("Bus")}));
        g.game.newGame();
        QVERIFY(g.game.startOffered());
        g.game.cardClicked(1);
        QCOMPARE(g.game.firstOpen(), 0);
        QVERIFY(!g.game.isCovered(1));
    }

    // Two words with the same noun form give four cards of it; any two of them are a pair.
    void fourCardsOfOneNoun()
    {
        Game g({QStringLiteral("DASEI.BMP"), QStringLiteral("DASEI.GIF"), QStringLiteral("DERBUS.BMP")});
        const QList<int> ei = cardsOf(g.game, QStringLiteral("Ei"));
        QCOMPARE(ei.size(), 4);
        g.game.cardClicked(ei[0]);
        g.game.cardClicked(ei[3]);
        QVERIFY(g.game.isFound(ei[0]) && g.game.isFound(ei[3]) && g.game.inPlay(ei[1]));
    }

    // The end comes after the last pair, once the click is done: the nouns in dictionary order
    // into the usage list, the message, a new board to memorise. Clicks while the message is open
    // are not taken.
    void end()
    {
        Game g(entriesOf({QStringLiteral("Zebra"), QStringLiteral("Öl"), QStringLiteral("Äpfel"),
                          QStringLiteral("Ober"), QStringLiteral("Apfel")}));
        g.findAll();
        QCOMPARE(g.game.phase(), MemoryGame::Phase::Finished);
        QCOMPARE(g.host.fakeMessages.count(), 1);
        int clicksTaken = 0;
        g.host.fakeMessages.whileShown = [&] {
            const int before = g.game.firstOpen();
            g.game.cardClicked(1);
            clicksTaken += g.game.firstOpen() != before;
        };
        QCoreApplication::processEvents();
        QCOMPARE(clicksTaken, 0);
        QCOMPARE(g.host.usageLines(Activity::Memory),
                 (QStringList{QStringLiteral("Apfel"), QStringLiteral("Äpfel"), QStringLiteral("Ober"),
                              QStringLiteral("Öl"), QStringLiteral("Zebra")}));
        QCOMPARE(g.host.fakeMessages.count(), 3);
        QCOMPARE(g.host.fakeMessages.calls[1].caption, QStringLiteral("Memory"));
        QCOMPARE(g.host.fakeMessages.calls[1].text, QStringLiteral("Prima, du hast es geschafft!\r"));
        QCOMPARE(g.host.fakeMessages.calls[2].caption, QStringLiteral("Nomen-Memory"));
        QCOMPARE(g.host.fakeMessages.calls[2].text,
                 QStringLiteral("Merke dir die Lage der Wörter gut.\rKlicke danach auf den Startknopf!\r\r"));
        QCOMPARE(g.game.phase(), MemoryGame::Phase::Memorising);
        QCOMPARE(g.game.pairs(), 5);
    }

    // Leaving before the end message comes drops it; the pool keeps its nouns.
    void abortBeforeEnd()
    {
        Game g(entriesOf(kThirty.mid(0, 12)));
        g.findAll();
        g.game.abort();
        QCoreApplication::processEvents();
        QCOMPARE(g.host.fakeMessages.count(), 1);
        QVERIFY(g.host.usageLines(Activity::Memory).isEmpty());
        QVERIFY(g.game.layout().isEmpty() && g.game.gameNouns().isEmpty());
        QCOMPARE(g.game.pool().size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestMemoryGame)
#include "tst_memorygame.moc"
