// SPDX-License-Identifier: MIT
// The word gallows without widgets: letters right and wrong, the display line, the drawing, the
// end of a game with its message, and the deck.
#include "exercises/testpictures.h"
#include "games/galgen/gallowsgame.h"
#include "support/fakehost.h"

#include <QSet>
#include <QtTest>

using namespace wortilo;
using wortilo::test::FakeHost;

namespace {

int key(QChar letter)
{
    return int(GallowsGame::kKeys.indexOf(letter));
}

struct Game {
    FakeHost host;
    GallowsGame game{host};
    explicit Game(const QStringList &entries)
    {
        host.entries = entries;
        game.newRound();
    }
    void click(const QString &letters)
    {
        for (const QChar c : letters)
            game.letterClicked(key(c));
    }
};

using Phase = GallowsGame::Phase;

} // namespace

class TestGallowsGame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The keyboard's entries, filled column by column into two rows of fifteen.
    void keys()
    {
        QString upper, lower;
        for (int i = 0; i < GallowsGame::kKeyCount; ++i) {
            const QString text = GallowsGame::keyText(i);
            QCOMPARE(text.size(), 3);
            (i % 2 == 0 ? upper : lower) += text[1];
        }
        QCOMPARE(upper, QStringLiteral("ABCDEFGHIJKLMNO"));
        QCOMPARE(lower, QStringLiteral("PQRSTUVWXYZÄÖÜß"));
    }

    // Letters clicked in order, and what the game shows afterwards.
    void letters_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("display");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<int>("phase");
        QTest::addColumn<QString>("highlighted");
        const int playing = int(Phase::Playing), won = int(Phase::Won), lost = int(Phase::Lost);
        QTest::newRow("Hund") << "DERHUND.GIF" << "HUND" << " H u n d" << 0 << won << "HUND";
        QTest::newRow("X, then Hund") << "DERHUND.GIF" << "XHUND" << " H u n d" << 1 << won << "XHUND";
        QTest::newRow("N twice in Banane") << "DIEBANANE.BMP" << "N" << " _ _ n _ n _" << 0 << playing << "N";
        QTest::newRow("A upper and lower") << "DIEANANAS.GIF" << "A" << " A _ a _ a _" << 0 << playing << "A";
        QTest::newRow("Ä in Käse") << "DERKÄSE.GIF" << "Ä" << " _ ä _ _" << 0 << playing << "Ä";
        QTest::newRow("ß in Fuß") << "DERFUß.JPG" << "ß" << " _ _ ß" << 0 << playing << "ß";
        QTest::newRow("S is not ß") << "DERFUß.JPG" << "S" << " _ _ _" << 1 << playing << "S";
        QTest::newRow("wrong letter twice") << "DERHUND.GIF" << "XX" << " _ _ _ _" << 2 << playing << "";
        QTest::newRow("right letter twice") << "DERHUND.GIF" << "HH" << " H _ _ _" << 0 << playing << "";
        QTest::newRow("nine wrong") << "DERHUND.GIF" << "ABCEFGIJK" << " _ _ _ _" << 9 << playing << "ABCEFGIJK";
        QTest::newRow("tenth wrong") << "DERHUND.GIF" << "ABCEFGIJKL" << " _ _ _ _" << 10 << lost << "ABCEFGIJKL";
        QTest::newRow("no letter after the end") << "DERHUND.GIF" << "ABCEFGIJKLH" << " _ _ _ _" << 10 << lost << "ABCEFGIJKL";
    }
    void letters()
    {
        QFETCH(QString, entry);
        QFETCH(QString, clicks);
        QFETCH(QString, display);
        QFETCH(int, wrong);
        QFETCH(int, phase);
        QFETCH(QString, highlighted);
        Game g({entry});
        g.click(clicks);
        QCOMPARE(g.game.display(), display);
        QCOMPARE(g.game.wrongCount(), wrong);
        QCOMPARE(int(g.game.phase()), phase);
        for (int i = 0; i < GallowsGame::kKeyCount; ++i)
            QCOMPARE(g.game.isKeyHighlighted(i), highlighted.contains(GallowsGame::kKeys[i]));
        // The wrong letters draw the gallows part by part; a win rescues the figure and leaves
        // only the gallows (parts 1 to 4) as they were.
        for (int part = 1; part <= GallowsGame::kParts; ++part)
            QCOMPARE(g.game.isPartShown(part), part <= wrong && (phase != int(Phase::Won) || part <= 4));
        QCOMPARE(g.game.isRescueShown(), phase == int(Phase::Won));
        QCOMPARE(g.game.solution(), phase == int(Phase::Lost) ? g.game.word().noun() : QString());
        QCOMPARE(g.host.usageLines(Activity::Galgen),
                 phase == int(Phase::Won) ? QStringList{g.game.word().noun()} : QStringList());
    }

    // The end message comes once the click is done, with the attempts (the highlighted keys);
    // letters clicked while it is open are not taken; then the next game begins.
    void end_data()
    {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("text");
        QTest::newRow("4 attempts") << "HUND" << "Du hast 4 Versuche benötigt!\rWeiter zur nächsten Runde ...\r\r";
        QTest::newRow("5 attempts") << "XHUND" << "Du hast 5 Versuche benötigt!\rWeiter zur nächsten Runde ...\r\r";
        QTest::newRow("H taken back") << "HHHUND" << "Du hast 4 Versuche benötigt!\rWeiter zur nächsten Runde ...\r\r";
        QTest::newRow("lost") << "QWERTZLKJI" << "Du hast leider verloren!\r\r";
    }
    void end()
    {
        QFETCH(QString, clicks);
        QFETCH(QString, text);
        testpictures::PictureDir pictures;
        QVERIFY(pictures.addImage(QStringLiteral("derHund.gif"), testpictures::makeImage(20, 20), "GIF"));
        Game g({QStringLiteral("DERHUND.GIF")});
        g.host.folder = PictureFolder(pictures.path());
        g.host.folder.scan();
        g.click(clicks);
        QVERIFY(g.game.picture().isLoaded());
        QCOMPARE(g.host.fakeMessages.count(), 0);
        g.host.fakeMessages.whileShown = [&] { g.click(QStringLiteral("ABC")); };
        QCoreApplication::processEvents();
        QCOMPARE(g.host.fakeMessages.count(), 1);
        QCOMPARE(g.host.fakeMessages.last().caption, QStringLiteral("Galgenspiel"));
        QCOMPARE(g.host.fakeMessages.last().text, text);
        // The next game, with the one word there is.
        QCOMPARE(g.game.phase(), Phase::Playing);
        QCOMPARE(g.game.display(), QStringLiteral(" _ _ _ _"));
        QCOMPARE(g.game.wrongCount(), 0);
        QCOMPARE(g.game.highlightedCount(), 0);
        QVERIFY(g.game.picture().isEmpty());
        QVERIFY(!g.game.isRescueShown() && !g.game.isPartShown(1));
    }

    // Leaving before the end message comes drops it.
    void newRoundBeforeEnd()
    {
        Game g({QStringLiteral("DERHUND.GIF")});
        g.click(QStringLiteral("HUND"));
        g.game.newRound();
        QCoreApplication::processEvents();
        QCOMPARE(g.host.fakeMessages.count(), 0);
    }

    // Every word is played once before any is repeated; the draw depends only on the time of day.
    void deck()
    {
        const QStringList entries = {QStringLiteral("DERHUND.GIF"), QStringLiteral("DIEKATZE.JPG"),
                                     QStringLiteral("DASEI.WMF"), QStringLiteral("DIEMAUS.BMP")};
        QSet<QString> pass;
        Game g(entries);
        for (int round = 0; round < 4; ++round) {
            if (round > 0)
                g.game.newRound();
            pass.insert(g.game.word().entry());
            g.host.manualClock.seconds += 7;
        }
        QCOMPARE(pass.size(), 4);
        QVERIFY(g.game.deck().isEmpty());

        for (const int seconds : {0, 1, 40000, 86399}) {
            Game a(entries), b(entries);
            a.host.manualClock.seconds = b.host.manualClock.seconds = seconds;
            a.host.generator.seed(1);
            b.host.generator.seed(2);
            a.game.newRound();
            b.game.newRound();
            QCOMPARE(a.game.word().entry(), b.game.word().entry());
        }
    }
};

QTEST_GUILESS_MAIN(TestGallowsGame)
#include "tst_gallowsgame.moc"
