// SPDX-License-Identifier: MIT
// The word deck: the refill threshold, no repeats within a pass, which words a pass takes,
// looking ahead, and that the generator alone decides the order.
#include "core/deck.h"
#include "core/random.h"

#include <QtTest>

using namespace wortilo;

namespace {

// Words DASW0.BMP, DASW1.BMP, …; with articleOnly every third one (from the first) is named
// by its article alone instead.
QList<Word> wordsOf(int count, bool articleOnly = false)
{
    QList<Word> words;
    for (int i = 0; i < count; ++i) {
        const bool bare = articleOnly && i % 3 == 0;
        static const QStringList kArticles{QStringLiteral("DER.BMP"), QStringLiteral("DIE.BMP"),
                                           QStringLiteral("DAS.BMP")};
        words.append(Word::fromEntry(bare ? kArticles.at(i / 3 % 3) : QStringLiteral("DASW%1.BMP").arg(i)));
    }
    return words;
}

QList<Word> drawAll(Deck &deck, Random &random, const QList<Word> &list, int draws)
{
    QList<Word> drawn;
    for (int i = 0; i < draws; ++i)
        drawn.append(deck.draw(random, list));
    return drawn;
}

} // namespace

class TestDeck : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Draw after draw, the deck shrinks by one and is refilled with the whole list just before a
    // draw that finds it below the threshold; the words of one pass never repeat.
    void refill_data()
    {
        QTest::addColumn<int>("words");
        QTest::addColumn<int>("threshold");
        QTest::addColumn<QList<int>>("sizes"); // the deck's size after each draw
        QTest::newRow("refilled when empty") << 3 << 1 << QList<int>{2, 1, 0, 2, 1, 0, 2};
        QTest::newRow("refilled below two") << 3 << 2 << QList<int>{2, 1, 2, 1, 2};
        QTest::newRow("refilled below nine") << 10 << 9 << QList<int>{9, 8, 9, 8};
        QTest::newRow("one word") << 1 << 1 << QList<int>{0, 0, 0};
        QTest::newRow("list below the threshold") << 2 << 3 << QList<int>{1, 1, 1};
    }
    void refill()
    {
        QFETCH(int, words);
        QFETCH(int, threshold);
        QFETCH(QList<int>, sizes);
        const QList<Word> list = wordsOf(words);
        Deck deck(threshold);
        Random random;
        QVERIFY(deck.isShort());
        QList<Word> pass;
        for (const int size : sizes) {
            const bool refills = deck.isShort();
            if (refills)
                pass.clear();
            const Word word = deck.draw(random, list);
            QCOMPARE(deck.size(), size);
            QVERIFY(list.contains(word));
            QVERIFY2(!pass.contains(word), qPrintable(word.entry()));
            QVERIFY(!deck.words().contains(word));
            pass.append(word);
            // What is left keeps the order of the list.
            QList<Word> rest = list;
            rest.removeIf([&](const Word &w) { return pass.contains(w); });
            QCOMPARE(deck.words(), rest);
        }
    }

    // A pass takes the words the deck admits, in the order of the list; a deck that admits none
    // draws a null word without using the generator.
    void admits_data()
    {
        QTest::addColumn<bool>("nounsOnly");
        QTest::addColumn<bool>("articleOnly");
        QTest::addColumn<int>("words");
        QTest::addColumn<int>("expected");
        QTest::newRow("all words") << false << true << 6 << 6;
        QTest::newRow("nouns only") << true << true << 6 << 4;
        QTest::newRow("nouns only, bare article alone") << true << true << 1 << 0;
    }
    void admits()
    {
        QFETCH(bool, nounsOnly);
        QFETCH(bool, articleOnly);
        QFETCH(int, words);
        QFETCH(int, expected);
        const QList<Word> list = wordsOf(words, articleOnly);
        Deck deck(1, nounsOnly ? Deck::Admits(Deck::hasNoun) : Deck::Admits());
        deck.refill(list);
        QCOMPARE(deck.size(), expected);
        QList<Word> admitted = list;
        if (nounsOnly)
            admitted.removeIf([](const Word &w) { return !w.hasNoun(); });
        QCOMPARE(deck.words(), admitted);
        QCOMPARE(deck.nouns(), Deck::nounsOf(admitted));

        Random random;
        random.seed(7);
        Random untouched = random;
        for (int i = 0; i < expected; ++i)
            QVERIFY(!deck.draw(random).isNull());
        if (expected > 0)
            QVERIFY(random.next() != untouched.next());
        untouched = random;
        QVERIFY(deck.draw(random).isNull());
        QCOMPARE(random.next(), untouched.next());
    }

    // The order is the generator's alone: the same seed draws the same words, and peek names the
    // word the next draw removes without drawing it or moving the generator.
    void order_data()
    {
        QTest::addColumn<int>("threshold");
        QTest::newRow("refilled when empty") << 1;
        QTest::newRow("refilled below nine") << 9;
    }
    void order()
    {
        QFETCH(int, threshold);
        const QList<Word> list = wordsOf(20);
        QList<QList<Word>> orders;
        for (const std::uint32_t seed : {1u, 1u, 2u}) {
            Deck deck(threshold);
            Random random;
            random.seed(seed);
            orders.append(drawAll(deck, random, list, 30));
        }
        QCOMPARE(orders[0], orders[1]);
        QVERIFY(orders[0] != orders[2]);

        Deck deck(threshold);
        Random random;
        random.seed(3);
        deck.refill(list);
        for (int i = 0; i < 15; ++i) {
            const Word ahead = deck.peek(random);
            QCOMPARE(deck.peek(random), ahead);
            QCOMPARE(deck.draw(random), ahead);
        }
        QVERIFY(Deck().peek(random).isNull());
    }
};

QTEST_GUILESS_MAIN(TestDeck)
#include "tst_deck.moc"
