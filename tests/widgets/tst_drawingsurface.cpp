// SPDX-License-Identifier: MIT
#include "widgets/drawingsurface.h"
#include "widgets/fonts.h"

#include <QtTest>

using namespace wortilo;

// Counts the pixels of exactly this colour in a region of the image.
static int countColour(const QImage &image, const QColor &colour, const QRect &area)
{
    int n = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

class TestDrawingSurface : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void printsWithoutLineBreak();
    void drawingPersistsUntilCleared();
    void rectangles_data();
    void rectangles();
};

void TestDrawingSurface::printsWithoutLineBreak()
{
    DrawingSurface s;
    s.resize(400, 60);
    s.setFont(verdana(20));
    s.setBackgroundColor(Qt::black);
    s.print(QStringLiteral("W"), Qt::red);
    const int afterFirst = s.currentPos().x();
    QVERIFY(afterFirst > 0);
    QCOMPARE(s.currentPos().y(), 0);
    s.print(QStringLiteral("W"), Qt::green);
    QCOMPARE(s.currentPos().x(), 2 * afterFirst);
    const int mid = afterFirst / 15;
    QVERIFY(countColour(s.image(), Qt::red, QRect(0, 0, mid, 60)) > 10);
    QCOMPARE(countColour(s.image(), Qt::green, QRect(0, 0, mid, 60)), 0);
    QVERIFY(countColour(s.image(), Qt::green, QRect(mid, 0, mid, 60)) > 10);
}

void TestDrawingSurface::drawingPersistsUntilCleared()
{
    DrawingSurface s;
    s.resize(100, 40);
    s.setBackgroundColor(QColor(10, 20, 30));
    s.setFont(verdana(20));
    s.print(QStringLiteral("H"), Qt::yellow);
    s.show();
    s.hide();
    s.show();
    QVERIFY(countColour(s.grab().toImage(), Qt::yellow, s.rect()) > 10);
    s.clear();
    QCOMPARE(s.currentPos(), QPoint(0, 0));
    QCOMPARE(countColour(s.image(), Qt::yellow, s.rect()), 0);
    QCOMPARE(countColour(s.image(), QColor(10, 20, 30), s.rect()), 100 * 40);
}

// A rectangle covers the pixels from one corner to the other, both included, the outline as
// well as the fill.
void TestDrawingSurface::rectangles_data()
{
    QTest::addColumn<bool>("filled");
    QTest::addColumn<bool>("outlined");
    QTest::newRow("filled and outlined") << true << true;
    QTest::newRow("outlined") << false << true;
    QTest::newRow("filled") << true << false;
}

void TestDrawingSurface::rectangles()
{
    QFETCH(bool, filled);
    QFETCH(bool, outlined);
    DrawingSurface s;
    s.resize(100, 100);
    s.setBackgroundColor(Qt::white);
    const QColor fill(Qt::blue), outline(Qt::black), background(Qt::white);
    s.drawRect(QRect(QPoint(300, 450), QPoint(600, 900)), filled ? std::optional<QColor>(fill) : std::nullopt,
               outlined ? std::optional<QColor>(outline) : std::nullopt);
    const QImage img = s.image();
    const QRect pixels(QPoint(20, 30), QPoint(40, 60));
    const QColor edge = outlined ? outline : fill;
    QCOMPARE(img.pixelColor(pixels.center()), filled ? fill : background);
    for (const QPoint corner : {pixels.topLeft(), pixels.topRight(), pixels.bottomLeft(), pixels.bottomRight()})
        QCOMPARE(img.pixelColor(corner), edge);
    const int area = pixels.width() * pixels.height();
    const int perimeter = 2 * (pixels.width() + pixels.height() - 2);
    QCOMPARE(countColour(img, edge, img.rect()), outlined ? perimeter : area);
    QCOMPARE(countColour(img, background, img.rect()), img.width() * img.height() - (filled ? area : perimeter));
}

QTEST_MAIN(TestDrawingSurface)
#include "tst_drawingsurface.moc"
