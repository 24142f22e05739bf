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

// A rectangle covers the pixels from one corner to the other, both included, its outline too.
void TestDrawingSurface::rectangles()
{
    DrawingSurface s;
    s.resize(100, 100);
    s.setBackgroundColor(Qt::white);
    s.drawRect(QRect(QPoint(300, 300), QPoint(600, 600)), QColor(Qt::blue), QColor(Qt::black));
    s.drawRect(QRect(QPoint(900, 300), QPoint(1200, 600)), std::nullopt, QColor(Qt::black));
    const QImage img = s.image();
    QCOMPARE(img.pixelColor(30, 30), QColor(Qt::blue));
    QCOMPARE(img.pixelColor(10, 10), QColor(Qt::white));
    for (const int left : {20, 60}) {
        QCOMPARE(countColour(img, Qt::black, QRect(left, 20, 21, 21)), 80);
        QCOMPARE(countColour(img, Qt::black, QRect(left, 41, 22, 1)) + countColour(img, Qt::black, QRect(left + 21, 20, 1, 21)), 0);
    }
}

QTEST_MAIN(TestDrawingSurface)
#include "tst_drawingsurface.moc"
