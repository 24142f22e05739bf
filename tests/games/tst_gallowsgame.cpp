// SPDX-License-Identifier: MIT
// The word gallows without widgets: letters right and wrong, the display line, the drawing, the
// end of a game with its message, and the deck.
#include "games/galgen/gallowsgame.h"
#include "support/fakecontext.h"

#include <QSet>
#include <QtTest>

using namespace wortilo;
using wortilo::test::FakeContext;
using Phase = GallowsGame::Phase;

namespace {
struct Game {
    FakeContext host;
    GallowsGame game{host};
    explicit Game(const QStringList &entries)
    {
        host.entries = entries;
        game.galgenrunde();
    }
    void click(const QString &letters)
    {
        for (const QChar c : letters)
            game.letterClicked(int(GallowsGame::kKeys.indexOf(c)));
    }
};
} // namespace

class TestGallowsGame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Letters clicked in order, what the game shows afterwards, and the message that ends it. The
    // message comes once the click is done; letters clicked while it is open are not taken.
    void letters_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("display");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<Phase>("phase");
        QTest::addColumn<QString>("highlighted");
        QTest::addColumn<QString>("message");
        const QString won = QStringLiteral(" Versuche benötigt!\rWeiter zur nächsten Runde ...\r\r");
        const QString lost = QStringLiteral("Du hast leider verloren!\r\r");
        QTest::newRow("Hund") << "DERHUND.GIF" << "HUND" << " H u n d" << 0 << Phase::Won << "HUND" << u"Du hast 4" + won;
        QTest::newRow("X, then Hund") << "DERHUND.GIF" << "XHUND" << " H u n d" << 1 << Phase::Won << "XHUND"
                                      << u"Du hast 5" + won;
        QTest::newRow("H taken back") << "DERHUND.GIF" << "HHUND" << " H u n d" << 0 << Phase::Won << "UND"
                                      << u"Du hast 3" + won;
        QTest::newRow("N twice in Banane") << "DIEBANANE.BMP" << "N" << " _ _ n _ n _" << 0 << Phase::Playing << "N" << "";
        QTest::newRow("A upper and lower") << "DIEANANAS.GIF" << "A" << " A _ a _ a _" << 0 << Phase::Playing << "A" << "";
        QTest::newRow("Ä in Käse") << "DERKÄSE.GIF" << "Ä" << " _ ä _ _" << 0 << Phase::Playing << "Ä" << "";
        QTest::newRow("ß in Fuß") << "DERFUß.JPG" << "ß" << " _ _ ß" << 0 << Phase::Playing << "ß" << "";
        QTest::newRow("S is not ß") << "DERFUß.JPG" << "S" << " _ _ _" << 1 << Phase::Playing << "S" << "";
        QTest::newRow("wrong letter twice") << "DERHUND.GIF" << "XX" << " _ _ _ _" << 2 << Phase::Playing << "" << "";
        QTest::newRow("nine wrong") << "DERHUND.GIF" << "ABCEFGIJK" << " _ _ _ _" << 9 << Phase::Playing
                                    << "ABCEFGIJK" << "";
        QTest::newRow("tenth wrong") << "DERHUND.GIF" << "ABCEFGIJKL" << " _ _ _ _" << 10 << Phase::Lost
                                     << "ABCEFGIJKL" << lost;
    }
    void letters()
    {
        QFETCH(QString, entry);
        QFETCH(QString, clicks);
        QFETCH(int, wrong);
        QFETCH(Phase, phase);
        QFETCH(QString, highlighted);
        QFETCH(QString, message);
        Game g({entry});
        g.click(clicks);
        QTEST(g.game.galgenanzeige(), "display");
        QCOMPARE(g.game.galgenfehler(), wrong);
        QCOMPARE(g.game.phase(), phase);
        for (int i = 0; i < GallowsGame::kKeyCount; ++i)
            QCOMPARE(g.game.isKeyHighlighted(i), highlighted.contains(GallowsGame::kKeys[i]));
        // The wrong letters draw the gallows part by part; a win rescues the figure and leaves
        // only the gallows (parts 1 to 4) as they were.
        for (int part = 1; part <= GallowsGame::kParts; ++part)
            QCOMPARE(g.game.isPartShown(part), part <= wrong && (phase != Phase::Won || part <= 4));
        QCOMPARE(g.game.isRescueShown(), phase == Phase::Won);
        QCOMPARE(g.game.solution(), phase == Phase::Lost ? g.game.word().noun() : QString());
        QCOMPARE(g.game.picture().isEmpty(), phase == Phase::Playing);
        QCOMPARE(g.host.usageLines(Activity::Galgen).size(), phase == Phase::Won ? 1 : 0);

        QCOMPARE(g.host.fakeMessages.count(), 0);
        g.host.fakeMessages.whileShown = [&] { g.click(QStringLiteral("ABC")); };
        QCoreApplication::processEvents();
        QCOMPARE(g.host.fakeMessages.count(), message.isEmpty() ? 0 : 1);
        if (message.isEmpty())
            return;
        QCOMPARE(g.host.fakeMessages.last().caption, QStringLiteral("Galgenspiel"));
        QCOMPARE(g.host.fakeMessages.last().text, message);
        // The next game, with the one word there is.
        QCOMPARE(g.game.galgenanzeige(), QStringLiteral(" _ _ _ _"));
        QCOMPARE(g.game.highlightedCount() + g.game.galgenfehler(), 0);
        QVERIFY(g.game.picture().isEmpty() && !g.game.isRescueShown());
    }

    // A picture named by its article alone has no letter to guess: it is never played, and with
    // no other word there is no game (every click is ignored).
    void articleOnly_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("noun");
        QTest::newRow("only das") << QStringList{"DAS.BMP"} << "";
        QTest::newRow("das twice") << QStringList{"DAS.BMP", "DER.JPG"} << "";
        QTest::newRow("das and Hund") << QStringList{"DAS.BMP", "DERHUND.GIF"} << "Hund";
    }
    void articleOnly()
    {
        QFETCH(QStringList, entries);
        QFETCH(QString, noun);
        Game g(entries);
        for (int round = 0; round < 6; ++round) {
            QCOMPARE(g.game.word().noun(), noun);
            QCOMPARE(g.game.phase(), noun.isEmpty() ? Phase::NoWord : Phase::Playing);
            g.host.manualClock.seconds = 1000 * round;
            g.game.galgenrunde();
        }
        g.click(QStringLiteral("AXS"));
        QCOMPARE(g.game.galgenfehler() + g.game.highlightedCount() > 0, !noun.isEmpty());
    }

    // Every word is played once before any is repeated; the draw depends only on the time of day.
    void deck()
    {
        const QStringList entries = {QStringLiteral("DERHUND.GIF"), QStringLiteral("DIEKATZE.JPG"),
                                     QStringLiteral("DASEI.WMF"), QStringLiteral("DIEMAUS.BMP")};
        Game g(entries), h(entries);
        QSet<QString> pass;
        for (int round = 0; round < 4; ++round) {
            pass.insert(g.game.word().entry());
            QCOMPARE(h.game.word(), g.game.word());
            g.host.manualClock.seconds = h.host.manualClock.seconds = 1000 * round;
            h.host.generator.seed(round); // what the generator held before does not matter
            g.game.galgenrunde();
            h.game.galgenrunde();
        }
        QCOMPARE(pass.size(), 4);
    }
};

QTEST_GUILESS_MAIN(TestGallowsGame)
#include "tst_gallowsgame.moc"
