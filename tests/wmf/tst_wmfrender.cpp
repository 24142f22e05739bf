// SPDX-License-Identifier: MIT
// Drawing tests on small metafiles written by the tests themselves: each one states what Windows
// would put where, and the pixels must agree (colours, fill rules, mapping, clipping, bitmaps, text).
#include "wmf/fontmatch.h"
#include "wmf/metafile.h"
#include "wmf/textdecoder.h"
#include "wmfbuilder.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QtTest>

using wmftest::WmfBuilder;
using wortilo::wmf::Metafile;

namespace {

// A 100x100 picture whose logical units are pixels when rendered at 100x100.
WmfBuilder picture()
{
    WmfBuilder b;
    b.placeable(QRect(0, 0, 100, 100), 96).windowOrg(0, 0).windowExt(100, 100);
    return b;
}

QImage render(const WmfBuilder &b, QSize size = QSize(100, 100))
{
    const auto m = Metafile::parse(b.build());
    if (!m)
        return {};
    return m->toImage(size);
}

bool near(QRgb actual, QColor expected, int tolerance = 48)
{
    return qAlpha(actual) > 200 && std::abs(qRed(actual) - expected.red()) <= tolerance
        && std::abs(qGreen(actual) - expected.green()) <= tolerance
        && std::abs(qBlue(actual) - expected.blue()) <= tolerance;
}

bool empty(QRgb actual)
{
    return qAlpha(actual) < 20;
}

// Bounding box of the pixels close to colour c.
QRect extentOf(const QImage &image, QColor c)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (near(image.pixel(x, y), c, 90))
                box |= QRect(x, y, 1, 1);
    return box;
}

// Solid red fill, no outline.
WmfBuilder &redFill(WmfBuilder &b)
{
    return b.pen(5, 0, Qt::black).select(0).brush(0, Qt::red).select(1);
}

QString describe(QRgb c)
{
    return QStringLiteral("rgba(%1,%2,%3,%4)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c)).arg(qAlpha(c));
}

#define EXPECT_COLOR(img, x, y, c) QVERIFY2(near((img).pixel(x, y), c), qPrintable(describe((img).pixel(x, y))))
#define EXPECT_EMPTY(img, x, y) QVERIFY2(empty((img).pixel(x, y)), qPrintable(describe((img).pixel(x, y))))

} // namespace

class TestWmfRender : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shapesFillAndOutline();
    void transparentWhereNothingIsDrawn();
    void polygonFillModes_data();
    void polygonFillModes();
    void polyPolygonHole();
    void ellipseRoundRectAndPixels();
    void pieAndChordGoCounterClockwise();
    void linesAndPenStyles();
    void mapping_data();
    void mapping();
    void windowChangesRescaleLaterDrawing();
    void clipping_data();
    void clipping();
    void clipStaysInDeviceSpace();
    void saveAndRestore();
    void objectTableSlots();
    void brushes();
    void rop2Modes();
    void paletteColours();
    void dibDepths_data();
    void dibDepths();
    void bitmapRecords();
    void runLengthBitmap();
    void patternFillsWithoutBitmap();
    void monochromeDeviceBitmap();
    void colourDeviceBitmaps();
    void text_data();
    void text();
    void rotatedText();
    void textDxArraySpacing();
    void codePages();
    void windowsFacesGetMetricCompatibleFonts_data();
    void windowsFacesGetMetricCompatibleFonts();
    void crispAtLargeSizes();
    void renderIntoTargetRect();
};

void TestWmfRender::shapesFillAndOutline()
{
    WmfBuilder b = picture();
    b.pen(0, 6, Qt::blue).select(0).brush(0, Qt::red).select(1).rectangle(20, 20, 80, 80);
    const QImage img = render(b);
    QCOMPARE(img.size(), QSize(100, 100));
    EXPECT_COLOR(img, 50, 50, QColor(Qt::red));
    EXPECT_COLOR(img, 20, 50, QColor(Qt::blue)); // the outline sits on the edge
    EXPECT_COLOR(img, 50, 79, QColor(Qt::blue));
    EXPECT_EMPTY(img, 10, 10);
    EXPECT_EMPTY(img, 90, 50);
}

void TestWmfRender::transparentWhereNothingIsDrawn()
{
    WmfBuilder b = picture();
    redFill(b).rectangle(0, 0, 50, 100);
    const QImage img = render(b);
    QCOMPARE(img.format(), QImage::Format_ARGB32);
    EXPECT_COLOR(img, 25, 50, QColor(Qt::red));
    for (int x : {60, 75, 99})
        EXPECT_EMPTY(img, x, 50);
}

void TestWmfRender::polygonFillModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("centreFilled");
    QTest::newRow("alternate leaves the star's centre open") << 1 << false;
    QTest::newRow("winding fills it") << 2 << true;
}

void TestWmfRender::polygonFillModes()
{
    QFETCH(int, mode);
    QFETCH(bool, centreFilled);
    // A five-pointed star drawn in one stroke: its centre is wound twice.
    QList<QPoint> star;
    for (int i = 0; i < 5; ++i) {
        const double a = -M_PI / 2 + i * 4 * M_PI / 5;
        star.append(QPoint(50 + int(std::lround(45 * std::cos(a))), 50 + int(std::lround(45 * std::sin(a)))));
    }
    WmfBuilder b = picture();
    redFill(b).polyFillMode(mode).points(WmfBuilder::Polygon, star);
    const QImage img = render(b);
    EXPECT_COLOR(img, 50, 12, QColor(Qt::red)); // a point of the star
    if (centreFilled)
        EXPECT_COLOR(img, 50, 52, QColor(Qt::red));
    else
        EXPECT_EMPTY(img, 50, 52);
}

void TestWmfRender::polyPolygonHole()
{
    WmfBuilder b = picture();
    redFill(b).polyFillMode(1).polyPolygon({{QPoint(10, 10), QPoint(90, 10), QPoint(90, 90), QPoint(10, 90)},
                                            {QPoint(30, 30), QPoint(70, 30), QPoint(70, 70), QPoint(30, 70)}});
    const QImage img = render(b);
    EXPECT_COLOR(img, 20, 50, QColor(Qt::red));
    EXPECT_COLOR(img, 80, 50, QColor(Qt::red));
    EXPECT_EMPTY(img, 50, 50);
}

void TestWmfRender::ellipseRoundRectAndPixels()
{
    WmfBuilder b = picture();
    redFill(b).ellipse(10, 10, 50, 50);
    b.record(WmfBuilder::RoundRect, {30, 30, 90, 90, 60, 60}); // corner ellipse 30x30, rect 60..90
    b.record(WmfBuilder::SetPixel, {0x00ff, 0x0000, 95, 5});   // a red pixel at (5, 95)
    const QImage img = render(b);
    EXPECT_COLOR(img, 30, 30, QColor(Qt::red));
    EXPECT_EMPTY(img, 13, 13); // bounding-box corner outside the ellipse
    EXPECT_COLOR(img, 75, 75, QColor(Qt::red));
    EXPECT_EMPTY(img, 61, 61); // rounded corner
    EXPECT_COLOR(img, 5, 95, QColor(Qt::red));
    EXPECT_EMPTY(img, 8, 95);
}

void TestWmfRender::pieAndChordGoCounterClockwise()
{
    // From the radial at 3 o'clock to the one at 12 o'clock, counter-clockwise: the upper right
    // quarter. Clockwise would be the other three quarters.
    WmfBuilder b = picture();
    redFill(b).arcLike(WmfBuilder::Pie, QRect(0, 0, 100, 100), QPoint(100, 50), QPoint(50, 0));
    QImage img = render(b);
    EXPECT_COLOR(img, 70, 30, QColor(Qt::red));
    EXPECT_EMPTY(img, 30, 30);
    EXPECT_EMPTY(img, 30, 70);
    EXPECT_EMPTY(img, 70, 70);

    // A chord from 9 o'clock to 3 o'clock (counter-clockwise: through 6 o'clock) fills the lower half.
    WmfBuilder c = picture();
    redFill(c).arcLike(WmfBuilder::Chord, QRect(0, 0, 100, 100), QPoint(0, 50), QPoint(100, 50));
    img = render(c);
    EXPECT_COLOR(img, 50, 80, QColor(Qt::red));
    EXPECT_EMPTY(img, 50, 20);

    // An arc is only a line: its inside stays empty.
    WmfBuilder a = picture();
    a.pen(0, 4, Qt::blue).select(0).arcLike(WmfBuilder::Arc, QRect(0, 0, 100, 100), QPoint(100, 50), QPoint(0, 50));
    img = render(a);
    EXPECT_COLOR(img, 50, 1, QColor(Qt::blue));
    EXPECT_EMPTY(img, 50, 98);
    EXPECT_EMPTY(img, 50, 50);
}

void TestWmfRender::linesAndPenStyles()
{
    WmfBuilder b = picture();
    b.pen(0, 4, Qt::blue).select(0).moveTo(10, 20).lineTo(90, 20).lineTo(90, 80);
    b.pen(5, 4, Qt::red).select(1).moveTo(10, 50).lineTo(90, 50); // PS_NULL draws nothing
    b.pen(2, 1, Qt::black).select(2).points(WmfBuilder::Polyline, {QPoint(0, 70), QPoint(80, 70)}); // dotted
    const QImage img = render(b);
    EXPECT_COLOR(img, 50, 20, QColor(Qt::blue));
    EXPECT_COLOR(img, 90, 60, QColor(Qt::blue));
    EXPECT_EMPTY(img, 50, 50);
    int on = 0, off = 0;
    for (int x = 2; x < 78; ++x)
        (std::max(qAlpha(img.pixel(x, 69)), qAlpha(img.pixel(x, 70))) > 60 ? on : off)++;
    QVERIFY2(on > 15 && off > 15, "a dotted pen leaves gaps");
}

void TestWmfRender::mapping_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QRect>("expected"); // where a red rectangle must land in the 100x100 image

    auto rect = [](WmfBuilder b, QRect logical) {
        redFill(b).rectangle(logical.left(), logical.top(), logical.right() + 1, logical.bottom() + 1);
        return b.build();
    };
    {
        WmfBuilder b;
        b.placeable(QRect(0, 0, 100, 100), 96).windowOrg(0, 0).windowExt(200, 400);
        QTest::newRow("anisotropic window") << rect(b, QRect(100, 0, 100, 200)) << QRect(50, 0, 50, 50);
    }
    {
        WmfBuilder b;
        b.placeable(QRect(0, 0, 100, 100), 96).windowOrg(0, 100).windowExt(100, -100);
        QTest::newRow("y axis pointing up") << rect(b, QRect(0, 0, 50, 50)) << QRect(0, 50, 50, 50);
    }
    {
        WmfBuilder b;
        b.placeable(QRect(0, 0, 100, 100), 96).mapMode(7).windowOrg(0, 0).windowExt(200, 100);
        QTest::newRow("isotropic keeps units square") << rect(b, QRect(0, 0, 200, 100)) << QRect(0, 0, 100, 50);
    }
    {
        WmfBuilder b; // one inch square, MM_TWIPS: y grows upwards from the top edge
        b.placeable(QRect(0, 0, 1440, 1440), 1440).mapMode(6);
        QTest::newRow("twips") << rect(b, QRect(0, -720, 720, 720)) << QRect(0, 0, 50, 50);
    }
    {
        WmfBuilder b; // 10 cm square in MM_LOMETRIC (0.1 mm)
        b.placeable(QRect(0, 0, 1000, 1000), 254).mapMode(2).windowOrg(0, 0);
        QTest::newRow("lometric") << rect(b, QRect(500, -1000, 500, 500)) << QRect(50, 50, 50, 50);
    }
    {
        WmfBuilder b; // placeable picture whose window is not the bounding box: the window fills the frame
        b.placeable(QRect(3000, 3000, 10, 10), 96).windowOrg(0, 0).windowExt(1000, 1000);
        QTest::newRow("window, not box, fills the frame") << rect(b, QRect(500, 500, 500, 500)) << QRect(50, 50, 50, 50);
    }
    {
        WmfBuilder b; // no placeable header: the window is the frame
        b.windowOrg(-50, -50).windowExt(200, 200);
        QTest::newRow("non-placeable window") << rect(b, QRect(50, 50, 100, 100)) << QRect(50, 50, 50, 50);
    }
    {
        WmfBuilder b; // viewport set by the file: device units of the bounding box
        b.placeable(QRect(0, 0, 100, 100), 96).mapMode(8).windowOrg(0, 0).windowExt(10, 10).viewportOrg(50, 0)
            .viewportExt(50, 50);
        QTest::newRow("viewport") << rect(b, QRect(0, 0, 10, 10)) << QRect(50, 0, 50, 50);
    }
}

void TestWmfRender::mapping()
{
    QFETCH(QByteArray, file);
    QFETCH(QRect, expected);
    const auto m = Metafile::parse(file);
    QVERIFY(m);
    const QImage img = m->toImage(QSize(100, 100));
    const QRect got = extentOf(img, Qt::red);
    QVERIFY2(std::abs(got.left() - expected.left()) <= 1 && std::abs(got.top() - expected.top()) <= 1
                 && std::abs(got.right() - expected.right()) <= 1 && std::abs(got.bottom() - expected.bottom()) <= 1,
             qPrintable(QStringLiteral("red at %1,%2 %3x%4").arg(got.x()).arg(got.y()).arg(got.width()).arg(got.height())));
}

void TestWmfRender::windowChangesRescaleLaterDrawing()
{
    // As in embedded pictures: the viewport stays, a smaller window makes later drawing bigger.
    WmfBuilder b = picture();
    redFill(b).rectangle(0, 0, 10, 10);
    b.windowExt(50, 50).brush(0, Qt::blue).select(2).rectangle(20, 20, 30, 30);
    const QImage img = render(b);
    const QRect blue = extentOf(img, Qt::blue);
    QVERIFY2(std::abs(blue.left() - 40) <= 1 && std::abs(blue.right() - 59) <= 1, qPrintable(QString::number(blue.left())));
    EXPECT_COLOR(img, 5, 5, QColor(Qt::red));
}

void TestWmfRender::clipping_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<QPoint>>("inside");
    QTest::addColumn<QList<QPoint>>("outside");
    {
        WmfBuilder b = picture();
        redFill(b).intersectClip(20, 20, 60, 60).rectangle(0, 0, 100, 100);
        QTest::newRow("intersect") << b.build() << QList<QPoint>{{25, 25}, {55, 55}} << QList<QPoint>{{10, 10}, {70, 50}};
    }
    {
        WmfBuilder b = picture();
        redFill(b).excludeClip(40, 40, 60, 60).rectangle(0, 0, 100, 100);
        QTest::newRow("exclude") << b.build() << QList<QPoint>{{10, 10}, {70, 70}} << QList<QPoint>{{50, 50}};
    }
    {
        WmfBuilder b = picture();
        redFill(b).saveDc().intersectClip(0, 0, 10, 10).restoreDc(-1).rectangle(0, 0, 100, 100);
        QTest::newRow("restored") << b.build() << QList<QPoint>{{50, 50}, {90, 90}} << QList<QPoint>{};
    }
    {
        WmfBuilder b = picture();
        redFill(b).region({QRect(0, 0, 30, 30), QRect(60, 60, 40, 40)}).record(WmfBuilder::SelectClipRegion, {2})
            .rectangle(0, 0, 100, 100);
        QTest::newRow("region") << b.build() << QList<QPoint>{{10, 10}, {80, 80}} << QList<QPoint>{{45, 45}, {80, 10}};
    }
    {
        WmfBuilder b = picture();
        redFill(b).intersectClip(0, 0, 50, 100).intersectClip(25, 0, 100, 100).rectangle(0, 0, 100, 100);
        QTest::newRow("two intersections") << b.build() << QList<QPoint>{{30, 50}} << QList<QPoint>{{10, 50}, {70, 50}};
    }
}

void TestWmfRender::clipping()
{
    QFETCH(QByteArray, file);
    QFETCH(QList<QPoint>, inside);
    QFETCH(QList<QPoint>, outside);
    const auto m = Metafile::parse(file);
    QVERIFY(m);
    const QImage img = m->toImage(QSize(100, 100));
    for (const QPoint &p : inside)
        EXPECT_COLOR(img, p.x(), p.y(), QColor(Qt::red));
    for (const QPoint &p : outside)
        EXPECT_EMPTY(img, p.x(), p.y());
}

void TestWmfRender::clipStaysInDeviceSpace()
{
    // A clip rectangle is fixed where it was set; moving the window afterwards does not move it.
    WmfBuilder b = picture();
    redFill(b).intersectClip(0, 0, 50, 50).windowOrg(-50, -50).rectangle(-50, -50, 50, 50);
    const QImage img = render(b);
    EXPECT_COLOR(img, 25, 25, QColor(Qt::red));
    EXPECT_EMPTY(img, 75, 75);
}

void TestWmfRender::saveAndRestore()
{
    WmfBuilder b = picture();
    redFill(b).saveDc().brush(0, Qt::blue).select(2).saveDc().brush(0, Qt::green).select(3);
    b.restoreDc(-1).rectangle(0, 0, 30, 30); // blue again
    b.restoreDc(1).rectangle(40, 0, 70, 30); // absolute: back to the first saved state (red)
    b.restoreDc(-1).rectangle(0, 40, 30, 70); // nothing saved any more: stays red
    const QImage img = render(b);
    EXPECT_COLOR(img, 15, 15, QColor(Qt::blue));
    EXPECT_COLOR(img, 55, 15, QColor(Qt::red));
    EXPECT_COLOR(img, 15, 55, QColor(Qt::red));
}

void TestWmfRender::objectTableSlots()
{
    // Deleted slots are reused lowest first; selecting an empty slot changes nothing.
    WmfBuilder b = picture();
    b.pen(5, 0, Qt::black).select(0);              // slot 0
    b.brush(0, Qt::red);                            // slot 1
    b.brush(0, Qt::blue);                           // slot 2
    b.deleteObject(1).brush(0, Qt::green);          // green takes slot 1
    b.select(1).rectangle(0, 0, 40, 40);
    b.select(7).select(60000).rectangle(50, 0, 90, 40); // nothing there: still green
    const QImage img = render(b);
    EXPECT_COLOR(img, 20, 20, QColor(Qt::green));
    EXPECT_COLOR(img, 70, 20, QColor(Qt::green));
}

void TestWmfRender::brushes()
{
    WmfBuilder b = picture();
    b.pen(5, 0, Qt::black).select(0);
    b.bkMode(1).brush(2, Qt::blue, 4).select(1).rectangle(0, 0, 50, 50); // HS_CROSS, transparent gaps
    b.brush(1, Qt::red).select(2).rectangle(50, 0, 100, 50);              // BS_NULL: nothing
    QImage pattern(8, 8, QImage::Format_RGB32);
    pattern.fill(Qt::yellow);
    for (int i = 0; i < 8; ++i)
        pattern.setPixel(i, i, qRgb(0, 128, 0));
    b.dibPatternBrush(WmfBuilder::dib(pattern, 24)).select(3).rectangle(0, 50, 100, 100);
    const QImage img = render(b, QSize(100, 100));
    int hatchLine = 0, gap = 0;
    for (int y = 5; y < 45; ++y)
        for (int x = 5; x < 45; ++x)
            near(img.pixel(x, y), Qt::blue, 100) ? ++hatchLine : (empty(img.pixel(x, y)) ? ++gap : 0);
    QVERIFY2(hatchLine > 100 && gap > 400, qPrintable(QStringLiteral("%1 %2").arg(hatchLine).arg(gap)));
    EXPECT_EMPTY(img, 75, 25);
    int yellow = 0, green = 0;
    for (int y = 55; y < 95; ++y)
        for (int x = 5; x < 95; ++x) {
            yellow += near(img.pixel(x, y), Qt::yellow, 60);
            green += near(img.pixel(x, y), QColor(0, 128, 0), 60);
        }
    QVERIFY2(yellow > 1500 && green > 150, qPrintable(QStringLiteral("%1 %2").arg(yellow).arg(green)));
}

void TestWmfRender::rop2Modes()
{
    WmfBuilder b = picture();
    redFill(b).rectangle(0, 0, 100, 100);
    b.rop2(11).brush(0, Qt::blue).select(2).rectangle(0, 0, 50, 50); // R2_NOP: page unchanged
    b.rop2(7).brush(0, Qt::red).select(3).rectangle(50, 0, 100, 50); // R2_XORPEN: red ^ red = black
    b.rop2(1).rectangle(0, 50, 50, 100);                             // R2_BLACK
    const QImage img = render(b);
    EXPECT_COLOR(img, 25, 25, QColor(Qt::red));
    EXPECT_COLOR(img, 75, 25, QColor(Qt::black));
    EXPECT_COLOR(img, 25, 75, QColor(Qt::black));
    EXPECT_COLOR(img, 75, 75, QColor(Qt::red));
}

void TestWmfRender::paletteColours()
{
    WmfBuilder b = picture();
    b.palette({Qt::black, Qt::white, QColor(0, 160, 0)}).record(WmfBuilder::SelectPalette, {0});
    b.pen(5, 0, Qt::black).select(1);
    b.record(WmfBuilder::CreateBrush, {0, 0x0002, 0x0100, 0}).select(2); // PALETTEINDEX(2)
    b.rectangle(0, 0, 100, 100);
    const QImage img = render(b);
    EXPECT_COLOR(img, 50, 50, QColor(0, 160, 0));
}

void TestWmfRender::dibDepths_data()
{
    QTest::addColumn<int>("bpp");
    QTest::addColumn<bool>("topDown");
    for (int bpp : {1, 4, 8, 16, 24, 32})
        for (bool topDown : {false, true})
            QTest::addRow("%d bpp %s", bpp, topDown ? "top-down" : "bottom-up") << bpp << topDown;
}

void TestWmfRender::dibDepths()
{
    QFETCH(int, bpp);
    QFETCH(bool, topDown);
    // A 4x4 bitmap: top half one colour, bottom half another, right column a third (not for 1 bpp).
    const QColor top = bpp == 1 ? QColor(Qt::black) : QColor(Qt::red);
    const QColor bottom = bpp == 1 ? QColor(Qt::white) : QColor(Qt::blue);
    const QColor side = bpp == 1 ? QColor(Qt::white) : QColor(Qt::green);
    QImage bitmap(4, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            bitmap.setPixelColor(x, y, x == 3 ? side : (y < 2 ? top : bottom));
    WmfBuilder b = picture();
    b.stretchDib(0, 0, 100, 100, WmfBuilder::dib(bitmap, bpp, topDown), bitmap.size());
    const QImage img = render(b);
    EXPECT_COLOR(img, 20, 20, top);
    EXPECT_COLOR(img, 20, 80, bottom);
    EXPECT_COLOR(img, 90, 20, side);
    EXPECT_COLOR(img, 90, 80, side);
}

void TestWmfRender::bitmapRecords()
{
    QImage bitmap(2, 2, QImage::Format_RGB32);
    bitmap.setPixel(0, 0, qRgb(255, 0, 0));
    bitmap.setPixel(1, 0, qRgb(0, 255, 0));
    bitmap.setPixel(0, 1, qRgb(0, 0, 255));
    bitmap.setPixel(1, 1, qRgb(255, 255, 0));
    const QByteArray dib = WmfBuilder::dib(bitmap, 24);

    // DIBSTRETCHBLT of the whole bitmap, mirrored by a negative destination width.
    WmfBuilder a = picture();
    a.dibStretchBlt(100, 0, -100, 100, dib, QRect(0, 0, 2, 2));
    QImage img = render(a);
    EXPECT_COLOR(img, 25, 25, QColor(0, 255, 0));
    EXPECT_COLOR(img, 75, 25, QColor(255, 0, 0));
    EXPECT_COLOR(img, 25, 75, QColor(255, 255, 0));

    // DIBSTRETCHBLT of the right column only: in a bottom-up DIB the source y counts from the bottom.
    WmfBuilder s = picture();
    s.dibStretchBlt(0, 0, 100, 100, dib, QRect(1, 0, 1, 1)); // bottom-right pixel: yellow
    img = render(s);
    EXPECT_COLOR(img, 50, 50, QColor(255, 255, 0));

    // DIBBITBLT: one logical unit per bitmap pixel.
    WmfBuilder d = picture();
    d.windowExt(4, 4).dibBitBlt(2, 2, 2, 2, dib);
    img = render(d);
    EXPECT_COLOR(img, 60, 60, QColor(255, 0, 0));
    EXPECT_COLOR(img, 90, 90, QColor(255, 255, 0));
    EXPECT_EMPTY(img, 25, 25);
}

void TestWmfRender::runLengthBitmap()
{
    // A 4 x 4 RLE8 bitmap (0 red, 1 white), rows stored from the bottom: a run, an absolute run,
    // a jump that leaves pixels out, and a run longer than the row.
    QByteArray dib = WmfBuilder::rle8Header(4, 4);
    dib += QByteArray::fromHex("0301" "0100" "0000");         // white white white red
    dib += QByteArray::fromHex("000401000100" "0000");       // white red white red
    dib += QByteArray::fromHex("00020200" "0201" "0000");    // two left out (colour 0), white white
    dib += QByteArray::fromHex("0601" "0001");               // the row white, then the end
    WmfBuilder b = picture();
    b.stretchDib(0, 0, 100, 100, dib, QSize(4, 4));
    const QImage img = render(b);
    const char *const rows[] = {"WWWW", "RRWW", "WRWR", "WWWR"}; // as seen, from the top
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_COLOR(img, 12 + 25 * x, 12 + 25 * y, rows[y][x] == 'W' ? QColor(Qt::white) : QColor(Qt::red));
}

void TestWmfRender::patternFillsWithoutBitmap()
{
    WmfBuilder b = picture();
    b.brush(0, Qt::blue).select(0);
    b.patternBlt(0, 0, 50, 50);                  // PATCOPY with the brush
    b.patBlt(50, 0, 50, 50, 0x00000042);         // BLACKNESS
    b.patBlt(0, 50, 100, 50, 0x00F00021);        // PATCOPY
    b.patBlt(50, 50, 50, 50, 0x00550009);        // DSTINVERT on blue: yellow
    const QImage img = render(b);
    EXPECT_COLOR(img, 25, 25, QColor(Qt::blue));
    EXPECT_COLOR(img, 75, 25, QColor(Qt::black));
    EXPECT_COLOR(img, 25, 75, QColor(Qt::blue));
    EXPECT_COLOR(img, 75, 75, QColor(Qt::yellow));
}

void TestWmfRender::monochromeDeviceBitmap()
{
    // A Bitmap16: 0 bits take the text colour, 1 bits the background colour.
    WmfBuilder b = picture();
    b.windowExt(2, 2).textColor(Qt::red).bkColor(Qt::green);
    b.bitBltMono(0, 0, {QByteArray(1, char(0x40)), QByteArray(1, char(0x80))}, 2);
    const QImage img = render(b);
    EXPECT_COLOR(img, 25, 25, QColor(Qt::red));
    EXPECT_COLOR(img, 75, 25, QColor(Qt::green));
    EXPECT_COLOR(img, 25, 75, QColor(Qt::green));
    EXPECT_COLOR(img, 75, 75, QColor(Qt::red));
}

void TestWmfRender::colourDeviceBitmaps()
{
    // Bitmap16 rows run top-down. 24 bits: blue, green, red per pixel; 4 bits: the VGA colours.
    WmfBuilder b = picture();
    QByteArray rows24;
    rows24 += QByteArray::fromHex("0000ff00ff00") + QByteArray(2, '\0'); // red, green (+ padding)
    rows24 += QByteArray::fromHex("ff000000ffff") + QByteArray(2, '\0'); // blue, yellow
    b.stretchBlt16(0, 0, 100, 50, 24, QSize(2, 2), rows24);
    QByteArray rows4 = QByteArray::fromHex("9a00") + QByteArray::fromHex("c000"); // red green / blue black
    b.stretchBlt16(0, 50, 100, 50, 4, QSize(2, 2), rows4);
    const QImage img = render(b);
    EXPECT_COLOR(img, 25, 12, QColor(Qt::red));
    EXPECT_COLOR(img, 75, 12, QColor(Qt::green));
    EXPECT_COLOR(img, 25, 37, QColor(Qt::blue));
    EXPECT_COLOR(img, 75, 37, QColor(Qt::yellow));
    EXPECT_COLOR(img, 25, 62, QColor(Qt::red));
    EXPECT_COLOR(img, 75, 62, QColor(Qt::green));
    EXPECT_COLOR(img, 25, 87, QColor(Qt::blue));
    EXPECT_COLOR(img, 75, 87, QColor(Qt::black));
}

void TestWmfRender::text_data()
{
    QTest::addColumn<int>("align");
    QTest::addColumn<int>("bkMode");
    QTest::addColumn<QRect>("region"); // where the text must lie (reference point at 50,50)
    QTest::newRow("top left") << 0 << 1 << QRect(50, 50, 50, 50);
    QTest::newRow("baseline") << 24 << 1 << QRect(50, 20, 50, 35);
    QTest::newRow("bottom right") << (8 | 2) << 1 << QRect(0, 20, 51, 31);
    QTest::newRow("centre, opaque background") << 6 << 2 << QRect(10, 50, 80, 50);
}

void TestWmfRender::text()
{
    QFETCH(int, align);
    QFETCH(int, bkMode);
    QFETCH(QRect, region);
    WmfBuilder b = picture();
    b.font(-20, "Arial").select(0).textColor(Qt::blue).bkColor(Qt::yellow).bkMode(bkMode).textAlign(align);
    b.textOut(50, 50, "Hx");
    const QImage img = render(b);
    const QRect blue = extentOf(img, Qt::blue);
    QVERIFY2(!blue.isEmpty(), "text drawn");
    QVERIFY2(region.contains(blue), qPrintable(QStringLiteral("text at %1,%2 %3x%4").arg(blue.x()).arg(blue.y())
                                                   .arg(blue.width()).arg(blue.height())));
    QVERIFY2(blue.height() >= 10 && blue.height() <= 22, "an em of 20 units");
    const QRect yellow = extentOf(img, Qt::yellow);
    if (bkMode == 2)
        QVERIFY2(yellow.contains(blue.center()) && yellow.width() >= blue.width(), "opaque background behind the text");
    else
        QVERIFY2(yellow.isEmpty(), "transparent background");
}

void TestWmfRender::rotatedText()
{
    // Escapement 900: the baseline points up the page, so the text is taller than wide.
    WmfBuilder b = picture();
    b.font(-14, "Arial", 900).select(0).textColor(Qt::blue).bkMode(1).textAlign(24).textOut(50, 90, "HHHHHH");
    const QImage img = render(b);
    const QRect blue = extentOf(img, Qt::blue);
    QVERIFY2(blue.height() > 2 * blue.width(), qPrintable(QStringLiteral("%1x%2").arg(blue.width()).arg(blue.height())));
    QVERIFY(blue.bottom() <= 91 && blue.top() < 60 && blue.right() <= 51);
}

void TestWmfRender::textDxArraySpacing()
{
    // Explicit advances spread three characters over 80 units.
    WmfBuilder b = picture();
    b.font(-12, "Arial").select(0).textColor(Qt::blue).bkMode(1);
    b.extTextOut(5, 10, 0, "III", {}, {40, 40, 40});
    b.extTextOut(5, 60, 0, "III");
    const QImage img = render(b);
    QImage top = img.copy(0, 0, 100, 50), bottomHalf = img.copy(0, 50, 100, 50);
    QVERIFY(extentOf(top, Qt::blue).width() > 75);
    QVERIFY(extentOf(bottomHalf, Qt::blue).width() < 25);
}

void TestWmfRender::codePages()
{
    wortilo::wmf::TextDecoder decoder;
    QList<int> bytes;
    QCOMPARE(decoder.decode("\x82\xa0\x41", 3, 128, false, &bytes), QStringLiteral(u"\u3042A")); // Shift-JIS
    QCOMPARE(bytes, (QList<int>{2, 1}));
    QCOMPARE(decoder.decode("\xa4\xa4", 2, 136, false), QStringLiteral(u"\u4e2d"));            // Big5
    QCOMPARE(decoder.decode("\x80\xe4", 2, 0, false), QStringLiteral(u"\u20ac\u00e4"));         // cp1252
    QCOMPARE(decoder.decode("\xc0", 1, 204, false), QStringLiteral(u"\u0410"));                 // cp1251
    QCOMPARE(decoder.decode("aDp\xa5", 4, 2, true), QStringLiteral(u"\u03b1\u0394\u03c0\u221e")); // Symbol
}

void TestWmfRender::windowsFacesGetMetricCompatibleFonts_data()
{
    QTest::addColumn<QByteArray>("face");
    QTest::addColumn<QString>("family"); // the free font with the face's advance widths
    QTest::newRow("Arial") << QByteArray("Arial") << QStringLiteral("Liberation Sans");
    QTest::newRow("Helvetica") << QByteArray("Helvetica") << QStringLiteral("Liberation Sans");
    QTest::newRow("Arial CE") << QByteArray("Arial CE") << QStringLiteral("Liberation Sans");
    QTest::newRow("Times New Roman") << QByteArray("Times New Roman") << QStringLiteral("Liberation Serif");
    QTest::newRow("Times") << QByteArray("Times") << QStringLiteral("Liberation Serif");
    QTest::newRow("Courier New") << QByteArray("Courier New") << QStringLiteral("Liberation Mono");
}

void TestWmfRender::windowsFacesGetMetricCompatibleFonts()
{
    // Where the Windows face is missing, its text is set in the free font of the same widths, so a
    // label keeps its length: the text drawn is as wide as that font sets it.
    QFETCH(QByteArray, face);
    QFETCH(QString, family);
    const QStringList installed = QFontDatabase::families();
    if (!installed.contains(family))
        QSKIP(qPrintable(family + QStringLiteral(" is not installed (tools/install-deps.sh installs fonts-liberation2)")));
    if (installed.contains(QString::fromLatin1(face), Qt::CaseInsensitive))
        QSKIP("the Windows face itself is installed");
    QFont::StyleHint hint = QFont::AnyStyle;
    QFont chosen;
    chosen.setFamilies(wortilo::wmf::fontFamiliesFor(QString::fromLatin1(face), 0, &hint));
    QCOMPARE(QFontInfo(chosen).family(), family);

    const QByteArray text = "HHHHHHHHHHHH";
    WmfBuilder b;
    b.placeable(QRect(0, 0, 400, 100), 96).windowOrg(0, 0).windowExt(400, 100);
    b.font(-40, face).select(0).textColor(Qt::blue).bkMode(1).textOut(10, 20, text);
    const QImage img = render(b, QSize(400, 100));
    QFont expected(family);
    expected.setPixelSize(40);
    expected.setHintingPreference(QFont::PreferNoHinting);
    const qreal width = QFontMetricsF(expected).tightBoundingRect(QString::fromLatin1(text)).width();
    const QRect blue = extentOf(img, Qt::blue);
    QVERIFY2(std::abs(blue.width() - width) <= 3, qPrintable(QStringLiteral("%1 px drawn, %2 px in %3")
                                                                  .arg(blue.width()).arg(width).arg(family)));
}

void TestWmfRender::crispAtLargeSizes()
{
    // Drawn at 800x800 the edge of a rectangle is sharp, not an upscaled 100x100 staircase.
    WmfBuilder b = picture();
    redFill(b).points(WmfBuilder::Polygon, {QPoint(10, 10), QPoint(90, 20), QPoint(50, 90)});
    const QImage img = render(b, QSize(800, 800));
    int partial = 0;
    for (int y = 0; y < 800; ++y)
        for (int x = 0; x < 800; ++x) {
            const int a = qAlpha(img.pixel(x, y));
            partial += a > 20 && a < 235;
        }
    // The outline is about 2000 pixels long; a blurred upscale would leave thousands more in between.
    QVERIFY2(partial < 2600, qPrintable(QString::number(partial)));
    EXPECT_COLOR(img, 400, 400, QColor(Qt::red));
}

void TestWmfRender::renderIntoTargetRect()
{
    // render() stretches into the target and leaves the rest of the device alone.
    WmfBuilder b = picture();
    redFill(b).rectangle(-50, -50, 150, 150); // larger than the picture
    const auto m = Metafile::parse(b.build());
    QVERIFY(m);
    QImage canvas(200, 100, QImage::Format_ARGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    m->render(painter, QRectF(100, 25, 80, 50));
    painter.end();
    EXPECT_COLOR(canvas, 140, 50, QColor(Qt::red));
    EXPECT_COLOR(canvas, 90, 50, QColor(Qt::white));
    EXPECT_COLOR(canvas, 140, 15, QColor(Qt::white));
    EXPECT_COLOR(canvas, 190, 50, QColor(Qt::white));
}

QTEST_MAIN(TestWmfRender)
#include "tst_wmfrender.moc"
