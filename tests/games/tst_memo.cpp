// SPDX-License-Identifier: MIT
// The memory window played with the mouse: the board as drawn (nouns in the letter colours,
// frames of found pairs), the cards shown and hidden, the buttons.
#include "core/palette.h"
#include "core/twips.h"
#include "games/memory/memo.h"
#include "support/fakecontext.h"
#include "widgets/fonts.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace wortilo;
using wortilo::test::FakeContext;

namespace {

const QColor kBackground(255, 255, 224);

QRect cardPixels(int card)
{
    return twipsRect(card <= 9 ? 120 : 5520, 240 + 720 * ((card - 1) % 9), 5175, 615);
}

int countColour(const QImage &image, const QRect &area, const QColor &colour)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += QColor(image.pixel(x, y)) == colour;
    return n;
}

} // namespace

class TestMemo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { installFontSubstitutes(); }

    // Two words, two pairs on cards 1 to 4, played to the end with Hilfe and Abbruch after it.
    void twoWords()
    {
        FakeContext host;
        host.entries = {QStringLiteral("DASFEUERWEHRAUTO.JPG"), QStringLiteral("DASEI.GIF")};
        host.backgroundColor = kBackground;
        Memo memo(host, host);
        memo.activate();
        QVERIFY(memo.isVisible());
        QCOMPARE(memo.windowTitle(), QStringLiteral("ortilo (Memory)"));
        auto button = [&](const char *name) { return memo.findChild<QPushButton *>(QLatin1String(name)); };
        auto click = [&](QWidget *w) {
            QVERIFY(w->isVisible());
            QTest::mouseClick(w, Qt::LeftButton);
        };
        QList<int> auto_, ei;
        for (int k = 1; k <= 4; ++k)
            (memo.game().nounOf(k) == u"Ei" ? ei : auto_).append(k);

        // The open board: Feuerwehrauto with consonant and vowel colours, Ei with vowels only,
        // nothing else; the long noun stays on its card.
        QImage shown = memo.grab().toImage();
        const QRect gap(QPoint(cardPixels(1).right() + 1, 0), QPoint(cardPixels(10).left() - 1, cardPixels(9).bottom()));
        QCOMPARE(countColour(shown, gap, kBackground), gap.width() * gap.height());
        for (int k = 1; k <= 18; ++k) {
            QVERIFY(!memo.card(k)->isVisible());
            const QRect area = cardPixels(k);
            QCOMPARE(countColour(shown, area, paletteColor(10)) > 20, auto_.contains(k));
            QCOMPARE(countColour(shown, area, paletteColor(12)) > 20, k <= 4);
            if (k > 4)
                QCOMPARE(countColour(shown, area, kBackground), area.width() * area.height());
        }

        click(button("Command3"));
        QVERIFY(!button("Command3")->isVisible());
        for (int k = 1; k <= 18; ++k)
            QCOMPARE(memo.card(k)->isVisible(), k <= 4);

        // Ei and Ei: open, and framed in dark grey along the card's edges.
        click(memo.card(ei[0]));
        click(memo.card(ei[1]));
        shown = memo.grab().toImage();
        for (const int k : ei) {
            QVERIFY(!memo.card(k)->isVisible());
            const QRect area = cardPixels(k);
            QVERIFY(countColour(shown, QRect(area.topLeft(), QSize(area.width(), 1)), paletteColor(8)) >= area.width());
        }

        click(memo.card(auto_[0]));
        click(memo.card(auto_[1]));
        QCoreApplication::processEvents();
        QCOMPARE(host.usageLines(Activity::Memory), QStringLiteral("Ei Feuerwehrauto").split(u' '));
        // A new board to memorise: no frames, all nouns open, Start offered.
        QVERIFY(button("Command3")->isVisible() && !memo.card(1)->isVisible());
        QCOMPARE(countColour(memo.grab().toImage(), cardPixels(ei[0]), paletteColor(8)), 0);

        click(button("Command2"));
        QCOMPARE(host.fakeMessages.last().text, QStringLiteral("Immer zwei Felder bilden ein Wortpaar, klicke\r"
                                                               "die Einzelfelder an und suche so Wortpaare!\r"));
        click(button("Command1"));
        QVERIFY(!memo.isVisible());
        QCOMPARE(host.returnToMenuCalls, 1);
    }
};

QTEST_MAIN(TestMemo)
#include "tst_memo.moc"
