// SPDX-License-Identifier: MIT
// The pairs game without widgets: how a board is drawn and laid out, the noun pool across games,
// the rules of a card click, and the end of a game.
#include "games/memory/memorygame.h"
#include "support/fakecontext.h"

#include <QtTest>

using namespace wortilo;
using wortilo::test::FakeContext;

namespace {

const QStringList kNouns = QStringLiteral("Apfel Äpfel Baum Bär Bus Dach Ei Fuß Gans Haus Hund Igel Käse Kuh Maus "
                                          "Ober Öl Uhr Wal Zebra").split(u' ');

struct Game {
    FakeContext host;
    MemoryGame game{host};
    // A game of the nouns (each the noun of one word), or of the given entries.
    explicit Game(const QStringList &nouns, int seconds = 12345, const QStringList &entries = {})
    {
        for (const QString &noun : nouns)
            host.entries.append(QStringLiteral("DAS") + germanUpper(noun) + QStringLiteral(".BMP"));
        host.entries += entries;
        host.manualClock.seconds = seconds;
        host.generator.seed(999); // the game reseeds: what the generator held before must not matter
        game.activate();
        game.start();
    }
    QList<int> cardsOf(const QString &noun) const
    {
        QList<int> cards;
        for (int k = 1; k <= MemoryGame::kCards; ++k)
            if (game.nounOf(k) == noun)
                cards.append(k);
        return cards;
    }
    void click(const QList<int> &cards)
    {
        for (const int card : cards)
            game.feldklick(card);
    }
};

} // namespace

class TestMemoryGame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // k words give min(k, 9) pairs on the first cards, laid out as the rules say: the nouns drawn
    // at floor(random × pool size), then each noun of the sorted list inserted at floor(random × k).
    // The last card always shows the noun drawn last.
    void board_data()
    {
        QTest::addColumn<int>("words");
        QTest::addColumn<int>("seconds");
        for (const int words : {1, 2, 5, 9, 10, 20})
            for (const int seconds : {0, 4711, 86399})
                QTest::addRow("%d words, %d s", words, seconds) << words << seconds;
    }
    void board()
    {
        QFETCH(int, words);
        QFETCH(int, seconds);
        Game g(kNouns.mid(0, words), seconds);
        Random random;
        random.seed(std::uint32_t(seconds));
        QStringList pool = kNouns.mid(0, words), layout, sorted;
        const int k = std::min(words, 9);
        while (layout.size() < k)
            insertSorted(sorted, layout.emplaceBack(pool.takeAt(int(double(pool.size()) * double(random.next())))));
        const QString last = layout.last();
        for (const QString &noun : sorted)
            layout.insert(int(double(k) * double(random.next())), noun);
        QCOMPARE(g.game.layout(), layout);
        QCOMPARE(g.game.gameNouns(), sorted);
        QCOMPARE(g.game.nounOf(2 * k), last);
        for (int card = 1; card <= MemoryGame::kCards; ++card)
            QCOMPARE(g.game.isCovered(card) && g.game.inPlay(card), card <= 2 * k);
    }

    // Each game takes its nouns out of the pool; a pool of fewer than nine is first refilled with
    // every word (what was left in it is dropped).
    void pool_data()
    {
        QTest::addColumn<int>("words");
        QTest::addColumn<QList<int>>("poolAfterGames");
        QTest::newRow("20 words") << 20 << QList<int>{11, 2, 11};
        QTest::newRow("10 words") << 10 << QList<int>{1, 1};
        QTest::newRow("3 words") << 3 << QList<int>{0, 0};
    }
    void pool()
    {
        QFETCH(int, words);
        QFETCH(QList<int>, poolAfterGames);
        Game g(kNouns.mid(0, words));
        for (int i = 0; i < poolAfterGames.size(); ++i, g.game.neuesspiel())
            QCOMPARE(g.game.pool().size(), poolAfterGames[i]);
    }

    void clicks()
    {
        Game g({QStringLiteral("Apfel"), QStringLiteral("Bus"), QStringLiteral("Ei")});
        const QList<int> apfel = g.cardsOf(QStringLiteral("Apfel")), bus = g.cardsOf(QStringLiteral("Bus")),
                         ei = g.cardsOf(QStringLiteral("Ei"));
        // An unsuccessful attempt stays open until the next covered card is clicked, which covers it
        // and opens a new attempt. An open card cannot be clicked.
        g.click({apfel[0], apfel[0], bus[0]});
        QVERIFY(!g.game.isCovered(apfel[0]) && !g.game.isCovered(bus[0]));
        g.click({ei[0]});
        QVERIFY(g.game.isCovered(apfel[0]) && g.game.isCovered(bus[0]) && !g.game.isCovered(ei[0]));
        // A pair is framed and never covered or clicked again.
        QSignalSpy framed(&g.game, &MemoryGame::pairFound);
        g.click({ei[1], apfel[0], bus[0], ei[1], apfel[1]});
        QCOMPARE(framed.size(), 1);
        QCOMPARE(framed[0], (QVariantList{ei[0], ei[1]}));
        QVERIFY(g.game.isFound(ei[0]) && !g.game.isCovered(ei[0]) && !g.game.isCovered(ei[1]));
        QCOMPARE(g.game.firstOpen(), apfel[1]);
        // Nothing can be clicked while a new board is memorised.
        g.game.neuesspiel();
        g.click({1});
        QCOMPARE(g.game.firstOpen(), 0);
    }

    // Two words with the same noun form give four cards of it; any two of them are a pair.
    void fourCardsOfOneNoun()
    {
        Game g({}, 0, {QStringLiteral("DASEI.BMP"), QStringLiteral("DASEI.GIF"), QStringLiteral("DERBUS.BMP")});
        const QList<int> ei = g.cardsOf(QStringLiteral("Ei"));
        QCOMPARE(ei.size(), 4);
        g.click({ei[0], ei[3]});
        QVERIFY(g.game.isFound(ei[0]) && g.game.isFound(ei[3]) && g.game.inPlay(ei[1]));
    }

    // After the last pair, once the click is done: the nouns in dictionary order into the usage
    // list, the message, a new board to memorise. Clicks while a message is open are not taken.
    void end()
    {
        Game g(QStringLiteral("Zebra Öl Äpfel Ober Apfel").split(u' '));
        for (const QString &noun : g.game.gameNouns())
            g.click(g.cardsOf(noun));
        QCOMPARE(g.host.fakeMessages.count(), 1);
        g.host.fakeMessages.whileShown = [&] {
            g.game.start();
            g.click({1});
        };
        QCoreApplication::processEvents();
        QCOMPARE(g.host.usageLines(Activity::Memory), QStringLiteral("Apfel Äpfel Ober Öl Zebra").split(u' '));
        QCOMPARE(g.host.fakeMessages.count(), 3);
        QCOMPARE(g.host.fakeMessages.calls[1].caption, QStringLiteral("Memory"));
        QCOMPARE(g.host.fakeMessages.calls[1].text, QStringLiteral("Prima, du hast es geschafft!\r"));
        QCOMPARE(g.host.fakeMessages.calls[2].text,
                 QStringLiteral("Merke dir die Lage der Wörter gut.\rKlicke danach auf den Startknopf!\r\r"));
        QVERIFY(g.game.startOffered() && !g.game.isCovered(1));
    }
};

QTEST_GUILESS_MAIN(TestMemoryGame)
#include "tst_memorygame.moc"
