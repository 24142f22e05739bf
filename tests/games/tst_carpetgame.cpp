// SPDX-License-Identifier: MIT
// The letter carpet's rules without widgets: how a carpet is laid out, which clicks count, and
// what a completed word leaves behind.
#include "games/teppich/carpetgame.h"
#include "support/fakehost.h"

#include <QtTest>

using namespace wortilo;
using wortilo::test::FakeHost;

namespace {

const QString kCr2 = QString(QChar(13)) + QChar(13);

// A noun of the given length (first letter upper case, as nouns are).
QString entryOfLength(int n)
{
    return QStringLiteral("DAS") + QString(n, u'M') + QStringLiteral(".JPG");
}

// The first cell showing the letter, or -1.
int cellOf(const CarpetGame &game, QChar letter, bool wordLetter)
{
    for (int k = 0; k < CarpetGame::kCells; ++k)
        if (game.carpet().at(k) == letter && game.holdsWordLetter(k) == wordLetter)
            return k;
    return -1;
}

} // namespace

class TestCarpetGame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Over many seeds: 25 cells, the word's letters all there, fillers from the thirty letters
    // in either case, and while there is a filler the last cell holds one.
    void layout_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("noun");
        QTest::newRow("short") << "DERHUND.JPG" << "Hund";
        QTest::newRow("umlaut and sharp s") << "DIESTRAßE.JPG" << "Straße";
        QTest::newRow("one filler") << entryOfLength(24) << u'M' + QString(23, u'm');
        QTest::newRow("no filler") << entryOfLength(25) << u'M' + QString(24, u'm');
    }
    void layout()
    {
        QFETCH(QString, entry);
        QFETCH(QString, noun);
        const QString fillers = CarpetGame::kFillerLetters + germanUpper(CarpetGame::kFillerLetters);
        FakeHost host;
        host.entries = {entry};
        CarpetGame game(host);
        for (int seconds = 0; seconds < 300; ++seconds) {
            host.manualClock.seconds = seconds;
            QVERIFY(game.teppichwort());
            QCOMPARE(game.word(), noun);
            QCOMPARE(game.spacedWord().size(), 2 * noun.size());
            QCOMPARE(game.carpet().size(), CarpetGame::kCells);
            QString wordLetters;
            for (int k = 0; k < CarpetGame::kCells; ++k) {
                if (game.holdsWordLetter(k))
                    wordLetters += game.carpet().at(k);
                else
                    QVERIFY2(fillers.contains(game.carpet().at(k)), qPrintable(game.carpet()));
            }
            QString expected = noun;
            std::sort(wordLetters.begin(), wordLetters.end());
            std::sort(expected.begin(), expected.end());
            QCOMPARE(wordLetters, expected);
            if (noun.size() < CarpetGame::kCells)
                QVERIFY2(!game.holdsWordLetter(CarpetGame::kCells - 1), qPrintable(game.carpet()));
        }
    }

    // Ball is complete after four right clicks, both l taken from the same cell; the word is
    // recorded either way, and confirmed only when confirmations are on.
    void doubleLetterFromOneCell_data()
    {
        QTest::addColumn<bool>("confirmations");
        QTest::newRow("confirmed") << true;
        QTest::newRow("silent") << false;
    }
    void doubleLetterFromOneCell()
    {
        QFETCH(bool, confirmations);
        FakeHost host;
        host.entries = {QStringLiteral("DERBALL.JPG")};
        host.confirmations = confirmations;
        CarpetGame game(host);
        game.teppichliste();
        QVERIFY(game.teppichwort());
        const int l = cellOf(game, u'l', true);
        QCOMPARE(game.click(cellOf(game, u'B', true)), CarpetGame::Click::Right);
        QCOMPARE(game.click(cellOf(game, u'a', true)), CarpetGame::Click::Right);
        QCOMPARE(game.click(l), CarpetGame::Click::Right);
        QCOMPARE(game.found(), QStringLiteral("Bal"));
        QVERIFY(game.isMarked(l));
        QCOMPARE(game.click(l), CarpetGame::Click::Completed);
        QCOMPARE(host.usageLines(Activity::Teppich), QStringList{QStringLiteral("Ball")});
        QCOMPARE(host.fakeMessages.count(), confirmations ? 1 : 0);
        if (confirmations) {
            QCOMPARE(host.fakeMessages.last().caption, QStringLiteral("Buchstabenteppich"));
            QCOMPARE(host.fakeMessages.last().text, QStringLiteral("Prima, du hast das Wort geschafft.") + kCr2);
        }
        // The next carpet follows at once.
        QCOMPARE(game.foundCount(), 0);
        QVERIFY(!game.isMarked(l));
    }

    // A filler showing the expected letter counts; the same letter in the other case does not.
    void caseMatters()
    {
        FakeHost host;
        host.entries = {QStringLiteral("DERBALL.JPG")};
        CarpetGame game(host);
        bool seenFiller = false, seenUpper = false;
        for (int seconds = 0; seconds < 2000 && !(seenFiller && seenUpper); ++seconds) {
            host.manualClock.seconds = seconds;
            QVERIFY(game.teppichwort());
            QCOMPARE(game.click(cellOf(game, u'B', true)), CarpetGame::Click::Right);
            const int upper = cellOf(game, u'A', false);
            if (upper >= 0) {
                seenUpper = true;
                QCOMPARE(game.click(upper), CarpetGame::Click::Wrong);
                QCOMPARE(game.foundCount(), 1);
                QVERIFY(!game.isMarked(upper));
            }
            const int filler = cellOf(game, u'a', false);
            if (filler >= 0) {
                seenFiller = true;
                QCOMPARE(game.click(filler), CarpetGame::Click::Right);
                QVERIFY(game.isMarked(filler));
            }
        }
        QVERIFY(seenFiller && seenUpper);
        QCOMPARE(game.click(-1), CarpetGame::Click::Ignored);
        QCOMPARE(CarpetGame::cellAt(QPoint(9974, 4934)), 24);
        QCOMPARE(CarpetGame::cellAt(QPoint(2000, 999)), 5);
        QCOMPARE(CarpetGame::cellAt(QPoint(10000, 0)), -1);
    }

    // Nouns longer than the carpet are never offered; with no other noun there is no word.
    void tooLongWords()
    {
        FakeHost host;
        host.entries = {entryOfLength(26), QStringLiteral("DERHUND.JPG"), entryOfLength(40)};
        CarpetGame game(host);
        game.teppichliste();
        QCOMPARE(game.deck(), QStringList{QStringLiteral("Hund")});
        host.entries = {entryOfLength(26)};
        game.clear();
        QVERIFY(!game.teppichwort());
        QVERIFY(!game.hasWord());
        QCOMPARE(game.click(0), CarpetGame::Click::Ignored);
    }

    // A pass of the deck draws every word once; then it starts over.
    void deckPass()
    {
        FakeHost host;
        host.entries = {QStringLiteral("DERHUND.JPG"), QStringLiteral("DIEMAUS.GIF"), QStringLiteral("DASEI.BMP")};
        CarpetGame game(host);
        game.teppichliste();
        QStringList drawn;
        for (int i = 0; i < 3; ++i) {
            host.manualClock.seconds = 100 + i;
            QVERIFY(game.teppichwort());
            drawn.append(game.word());
        }
        drawn.sort();
        QCOMPARE(drawn, (QStringList{QStringLiteral("Ei"), QStringLiteral("Hund"), QStringLiteral("Maus")}));
        QCOMPARE(game.deck().size(), 3);
    }

    // A click that arrives while the confirmation is open is ignored.
    void noReentryWhileConfirming()
    {
        FakeHost host;
        host.entries = {QStringLiteral("DASEI.BMP")};
        CarpetGame game(host);
        QVERIFY(game.teppichwort());
        const int e = cellOf(game, u'E', true), i = cellOf(game, u'i', true);
        host.fakeMessages.whileShown = [&] { QCOMPARE(game.click(game.carpet().indexOf(u'E')), CarpetGame::Click::Ignored); };
        QCOMPARE(game.click(e), CarpetGame::Click::Right);
        QCOMPARE(game.click(i), CarpetGame::Click::Completed);
        QCOMPARE(host.usageLines(Activity::Teppich).size(), 1);
        QCOMPARE(game.foundCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestCarpetGame)
#include "tst_carpetgame.moc"
