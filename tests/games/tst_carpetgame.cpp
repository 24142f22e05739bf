// SPDX-License-Identifier: MIT
// The letter carpet's rules without widgets: how a carpet is laid out, which clicks count, and
// what a completed word leaves behind.
#include "games/teppich/carpetgame.h"
#include "support/fakecontext.h"

#include <QtTest>

using namespace wortilo;
using wortilo::test::FakeContext;

namespace {

// An entry whose noun has n letters (M followed by m).
QString entryOfLength(int n)
{
    return QStringLiteral("DAS") + QString(n, u'M') + QStringLiteral(".JPG");
}

// The first cell showing the letter as a word letter or as a filler, or -1.
int cellOf(const CarpetGame &game, QChar letter, bool wordLetter = true)
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
    // Over many seeds: 25 cells holding the word's letters and fillers from the thirty letters in
    // either case; while there is a filler, the last cell holds one. Clicks match the case exactly.
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
        FakeContext host;
        host.entries = {entry};
        CarpetGame game(host);
        for (int seconds = 0; seconds < 300; ++seconds) {
            host.manualClock.seconds = seconds;
            QVERIFY(game.teppichwort());
            QCOMPARE(game.word(), noun);
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

            // After the first letter, a filler showing the second one counts; the same letter in
            // the other case does not.
            QCOMPARE(game.click(cellOf(game, noun.at(0))), CarpetGame::Click::Right);
            const QChar second = noun.at(1), otherCase = second.isUpper() ? second.toLower() : germanUpper(second);
            if (const int other = game.carpet().indexOf(otherCase); other >= 0)
                QCOMPARE(game.click(other), CarpetGame::Click::Wrong);
            if (const int filler = cellOf(game, second, false); filler >= 0)
                QCOMPARE(game.click(filler), CarpetGame::Click::Right);
        }
    }

    // Ball is complete after four right clicks, both l taken from the same cell; the word is
    // recorded either way and confirmed only when confirmations are on. A click while the
    // confirmation is open is ignored.
    void doubleLetterFromOneCell_data()
    {
        QTest::addColumn<bool>("confirmations");
        QTest::newRow("confirmed") << true;
        QTest::newRow("silent") << false;
    }
    void doubleLetterFromOneCell()
    {
        QFETCH(bool, confirmations);
        FakeContext host;
        host.entries = {QStringLiteral("DERBALL.JPG")};
        host.confirmations = confirmations;
        CarpetGame game(host);
        QVERIFY(game.teppichwort());
        const int l = cellOf(game, u'l');
        for (const int cell : {cellOf(game, u'B'), cellOf(game, u'a'), l})
            QCOMPARE(game.click(cell), CarpetGame::Click::Right);
        QCOMPARE(game.found(), QStringLiteral("Bal"));
        QVERIFY(game.isMarked(l));
        host.fakeMessages.whileShown = [&] { QCOMPARE(game.click(cellOf(game, u'B')), CarpetGame::Click::Ignored); };
        QCOMPARE(game.click(l), CarpetGame::Click::Completed);
        QCOMPARE(host.usageLines(Activity::Teppich), QStringList{QStringLiteral("Ball")});
        QCOMPARE(host.fakeMessages.count(), confirmations ? 1 : 0);
        if (confirmations) {
            QCOMPARE(host.fakeMessages.last().caption, QStringLiteral("Buchstabenteppich"));
            QCOMPARE(host.fakeMessages.last().text, QStringLiteral("Prima, du hast das Wort geschafft.") + kCr + kCr);
        }
        QCOMPARE(game.foundCount(), 0); // the next carpet follows at once
        QVERIFY(!game.isMarked(l));
    }

    // A pass of the deck draws every word once, then starts over; nouns longer than the carpet
    // and a picture named by its article alone are never offered, and with no other noun there
    // is no word.
    void deck()
    {
        FakeContext host;
        host.entries = {"DERHUND.JPG", entryOfLength(26), "DIEMAUS.GIF", "DAS.BMP", "DASEI.BMP"};
        CarpetGame game(host);
        game.teppichliste();
        QCOMPARE(game.deck(), (QStringList{"Hund", "Maus", "Ei"}));
        QStringList drawn;
        for (int i = 0; i < 3; ++i) {
            host.manualClock.seconds = 100 + i;
            QVERIFY(game.teppichwort());
            drawn.append(game.word());
        }
        drawn.sort();
        QCOMPARE(drawn, (QStringList{"Ei", "Hund", "Maus"}));
        QCOMPARE(game.deck().size(), 3);

        host.entries = {entryOfLength(26), "DAS.BMP"};
        game.clear();
        QVERIFY(!game.teppichwort());
        QCOMPARE(game.click(0), CarpetGame::Click::Ignored);
    }
};

QTEST_GUILESS_MAIN(TestCarpetGame)
#include "tst_carpetgame.moc"
