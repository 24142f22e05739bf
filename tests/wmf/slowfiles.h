// SPDX-License-Identifier: MIT
#pragma once

// Metafiles that are small on disk but very costly to draw: each one once froze the renderer for
// seconds to minutes at the program's frame size. make_slow_wmf writes them to
// tests/data/wmf/regress (and the fuzz corpus); tst_wmfbudget checks that each is drawn or given up
// within the drawing budget, and wmf_bench times them.

#include "wmfbuilder.h"

#include <QColor>
#include <QList>
#include <QSize>
#include <QString>

#include <cmath>
#include <utility>

namespace wmftest {

// The colour of the cheap background each file draws first: what a rendering that gives up on the
// costly part still shows.
inline QColor slowBackground()
{
    return QColor(200, 220, 240);
}

// A picture the size of the program's landscape frame: 353 x 257 pixels, logical units = pixels,
// with the background filled and the object table empty again.
inline WmfBuilder framePicture()
{
    WmfBuilder b;
    b.placeable(QRect(0, 0, 353, 257), 96).windowOrg(0, 0).windowExt(353, 257);
    b.pen(5, 0, Qt::black).select(0).brush(0, slowBackground()).select(1).rectangle(0, 0, 353, 257);
    return b.deleteObject(0).deleteObject(1);
}

// count points zig-zagging between the left and right edges, each edge crossing all the others.
inline QList<QPoint> zigzag(int count, int seed = 0)
{
    QList<QPoint> pts;
    pts.reserve(count);
    for (int i = 0; i < count; ++i)
        pts.append(QPoint(i % 2 ? 352 : 0, (i * 97 + seed * 31) % 257));
    return pts;
}

// Points on a star whose every edge crosses the middle of the picture.
inline QList<QPoint> star(int count, int seed = 0)
{
    QList<QPoint> pts;
    pts.reserve(count);
    for (int i = 0; i < count; ++i) {
        const double a = (i * 0.5 * count - 1 + seed) * 2 * 3.14159265358979 / count + i * 1e-3;
        pts.append(QPoint(176 + int(170 * std::cos(a)), 128 + int(125 * std::sin(a))));
    }
    return pts;
}

// The target sizes every regression file is drawn at: from the smallest thumbnail to twice the
// largest frame, square, wide and tall, the program's frames among them.
inline QList<QSize> regressionSizes()
{
    return {QSize(16, 16),   QSize(24, 24),   QSize(32, 32),   QSize(48, 48),   QSize(64, 64),
            QSize(80, 80),   QSize(113, 129), QSize(128, 128), QSize(201, 217), QSize(257, 353),
            QSize(353, 257), QSize(600, 437), QSize(1200, 900), QSize(1200, 16), QSize(16, 900)};
}

inline QList<std::pair<QString, QByteArray>> slowFiles()
{
    constexpr int kMaxPoints = 65535; // a polygon's point count is 16 bits
    constexpr int kNullPen = 5, kSolid = 0;
    QList<std::pair<QString, QByteArray>> files;
    {
        WmfBuilder b = framePicture();
        b.pen(kNullPen, 0, Qt::black).select(0).brush(kSolid, Qt::red).select(1);
        b.points(WmfBuilder::Polygon, zigzag(kMaxPoints));
        files.append({QStringLiteral("slow-selfcrossing-polygon.wmf"), b.build()});
    }
    {
        WmfBuilder b = framePicture();
        b.pen(kNullPen, 0, Qt::black).select(0).brush(kSolid, Qt::red).select(1);
        for (int i = 0; i < 4; ++i)
            b.points(WmfBuilder::Polygon, zigzag(kMaxPoints, i));
        files.append({QStringLiteral("slow-four-polygons.wmf"), b.build()});
    }
    {
        WmfBuilder b = framePicture(); // winding fill, 256 stars of 256 points in one record
        b.pen(kSolid, 0, Qt::black).select(0).brush(kSolid, Qt::blue).select(1).polyFillMode(2);
        QList<QList<QPoint>> polys;
        for (int i = 0; i < 256; ++i)
            polys.append(star(255, i));
        b.polyPolygon(polys);
        files.append({QStringLiteral("slow-polypolygon.wmf"), b.build()});
        // One zero byte more among the points shifts every later coordinate by a byte: the stars
        // become one shape whose 65,000 edges cross each other, which at 64 x 64 pixels once
        // took 23 s to fill.
        files.append({QStringLiteral("slow-polypolygon-shifted.wmf"), b.build().insert(1530, '\0')});
    }
    {
        WmfBuilder b = framePicture(); // a 60-unit pen with round joins along a zig-zag
        b.pen(kSolid, 60, Qt::darkGreen).select(0);
        b.points(WmfBuilder::Polyline, zigzag(16384));
        files.append({QStringLiteral("slow-wide-pen.wmf"), b.build()});
    }
    {
        WmfBuilder b = framePicture(); // a filled self-crossing polygon outlined by a wide pen
        b.pen(kSolid, 25, Qt::black).select(0).brush(kSolid, Qt::yellow).select(1);
        b.points(WmfBuilder::Polygon, star(8191));
        files.append({QStringLiteral("slow-wide-pen-polygon.wmf"), b.build()});
    }
    {
        WmfBuilder b = framePicture(); // a chequered clip region, reselected before every shape
        QList<QRect> cells;
        for (int y = 0; y < 257; y += 4)
            for (int x = (y / 4) % 2 * 4; x < 353; x += 8)
                cells.append(QRect(x, y, 4, 4));
        cells = cells.mid(0, 790);
        b.region(cells).pen(kNullPen, 0, Qt::black).select(1).brush(kSolid, Qt::magenta).select(2);
        for (int i = 0; i < 4000; ++i)
            b.record(WmfBuilder::SelectClipRegion, {0}).ellipse(i % 50, i % 40, 353 - i % 60, 257 - i % 30);
        files.append({QStringLiteral("slow-clip-regions.wmf"), b.build()});
    }
    {
        WmfBuilder b = framePicture(); // clip rectangles cut out one by one, a shape after each
        b.pen(kNullPen, 0, Qt::black).select(0).brush(kSolid, Qt::darkCyan).select(1);
        for (int i = 0; i < 3000; ++i)
            b.excludeClip(i * 7 % 353, i * 13 % 257, i * 7 % 353 + 3, i * 13 % 257 + 3).rectangle(0, 0, 353, 257);
        files.append({QStringLiteral("slow-clip-cutouts.wmf"), b.build()});
    }
    {
        WmfBuilder b = framePicture(); // RLE bitmaps of 4096 x 4096 pixels, stretched onto the frame
        QByteArray dib = WmfBuilder::rle8Header(4096, 4096);
        for (int row = 0; row < 8; ++row) { // stripes at the bottom; the rest stays colour 0
            for (int run = 0; run < 16; ++run)
                dib += QByteArray::fromHex(run % 2 ? "ff01" : "ff00") + QByteArray::fromHex("0100");
            dib += QByteArray::fromHex("0000");
        }
        dib += QByteArray::fromHex("0001");
        for (int i = 0; i < 200; ++i)
            b.stretchDib(-i, -i, 353 + 2 * i, 257 + 2 * i, dib, QSize(4096, 4096));
        files.append({QStringLiteral("slow-stretched-bitmaps.wmf"), b.build()});
    }
    {
        WmfBuilder b = framePicture(); // dashed lines of about 99,000 dashes each at a huge zoom
        b.windowExt(2, 2).pen(1, 1, Qt::black).select(0);
        for (int i = 0; i < 2000; ++i)
            b.points(WmfBuilder::Polyline, {QPoint(-32000, i % 3 - 1), QPoint(32000, i % 5 - 2)});
        files.append({QStringLiteral("slow-dashes-at-huge-zoom.wmf"), b.build()});
    }
    {
        WmfBuilder b = framePicture(); // lines of letters a page high
        b.font(-2000, "Arial").select(0).textColor(Qt::black).bkMode(1);
        for (int i = 0; i < 400; ++i)
            b.textOut(-900 + i % 7 * 100, -800 + i % 5 * 100, QByteArray(200, char('A' + i % 26)));
        files.append({QStringLiteral("slow-giant-text.wmf"), b.build()});
    }
    {
        WmfBuilder b = framePicture(); // 30,000 ellipses over the whole frame
        b.pen(kSolid, 3, Qt::black).select(0).brush(kSolid, Qt::green).select(1);
        for (int i = 0; i < 30000; ++i)
            b.ellipse(-(i % 9), -(i % 7), 353 + i % 11, 257 + i % 5);
        files.append({QStringLiteral("slow-many-ellipses.wmf"), b.build()});
    }
    return files;
}

} // namespace wmftest
