// SPDX-License-Identifier: MIT
#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QTransform>

namespace wortilo::wmf {

// Estimates what drawing costs Qt's raster engine, in work units of about a nanosecond each on a
// 2-core PC (measured with bench/wmf_bench on the slow files of tests/data/wmf/regress). The cost
// follows the geometry in pixels, not the number of points:
//  - the anti-aliasing rasteriser visits every cell (pixel) an edge crosses in the rows of the
//    target, including cells left or right of it, and files each cell into a sorted list per row,
//    so a cell costs more the more edges cross its row (a polygon whose edges all cross each other
//    costs thousands of times what a plain shape does; a long line along a row does not);
//  - an edge that crosses the target's rows is followed over every row it spans, above and below
//    the target too (unless it is vertical), once per band the rasteriser splits the target into when its cells do not
//    fit its memory at once (at any target size, a few thousand edges thousands of rows long take
//    seconds);
//  - filling costs per pixel covered;
//  - a wide pen is filled as an outline twice as long as the path, with a join at every vertex;
//  - a dashed wide pen builds an outline per dash, even for the dashes outside the target;
//  - a one-pixel (cosmetic) pen costs per pixel of line inside the target.
class DrawCost
{
public:
    // toPixels maps the coordinates of the paths given to pixels; visible is the part of the target
    // that can be drawn on, in pixels.
    DrawCost(const QTransform &toPixels, const QRectF &visible);

    qint64 fill(const QPainterPath &path, bool opaque) const;
    // widthPixels: the pen width in pixels (0: a cosmetic one-pixel pen); dashPeriodPixels: the
    // length of one dash pattern in pixels (0: solid).
    qint64 stroke(const QPainterPath &path, qreal widthPixels, qreal dashPeriodPixels) const;
    // The dasher's part of stroke(): every dash is an outline of its own, filled even where it
    // lies outside the target, so each costs with the square of the pen width.
    qint64 dashes(const QPainterPath &path, qreal widthPixels, qreal dashPeriodPixels) const;

    // Drawing under a clip path costs per row drawn and span of the clip in it; an empty path: no
    // clip path.
    void setClip(const QPainterPath &clip);

    // Filling a rectangle given in path coordinates (text backgrounds, pattern blits).
    qint64 area(const QRectF &rect, bool opaque) const;
    // Drawing characters at pixelSize: big ones are filled as outlines.
    qint64 text(qsizetype characters, qreal pixelSize) const;
    // Drawing an image of sourcePixels pixels into rect (path coordinates), scaled.
    qint64 image(qint64 sourcePixels, const QRectF &rect) const;

    // Work units of the model; public so the benchmark can report them.
    static constexpr double kCall = 5000;        // each path filled or stroked: setting up
    static constexpr double kEdge = 40;          // each edge, once (curves: every 4 pixels)
    static constexpr double kCell = 12;          // each cell crossed inside the target
    static constexpr double kCrowdedCell = 7;    // each cell, per cell already in its row
    static constexpr double kOutsideCell = 20;   // each cell crossed beside the target
    static constexpr double kOpaquePixel = 0.6;  // each pixel filled with an opaque colour
    static constexpr double kBlendPixel = 4;     // each pixel blended or patterned
    static constexpr double kStrokeEdge = 1000;  // the stroker's work per edge of a wide pen
    static constexpr double kStrokeArea = 1.5;   // and per square pixel it covers, inside or not
    static constexpr double kDash = 1200;        // the dasher's work per dash of a wide pen
    static constexpr double kDashArea = 0.12;    // and per square pixel of pen width
    static constexpr double kCosmeticPixel = 4;  // each pixel of a one-pixel line
    static constexpr double kImagePixel = 3;     // each source pixel of a scaled image
    static constexpr double kGlyph = 500;        // each character drawn
    static constexpr double kClipSpan = 20;      // each span of a clip path in each row drawn
    static constexpr double kFarRow = 12;        // each row an edge spans beyond the target, per band
    static constexpr double kBandCells = 256;    // the cells the rasteriser holds in one band
    static constexpr double kVertical = 1.0 / 128; // pixels: an edge leaning less is vertical

private:
    struct Geometry {
        double edges = 0;
        double cellsInside = 0, cellsOutside = 0;
        double crossings = 0; // rows of the target crossed, summed over the edges
        double farRows = 0;   // rows above and below the target spanned by the edges crossing it
        double lengthInside = 0, length = 0; // pixels
        QRectF bounds;                        // in pixels, within the visible part
    };
    Geometry measure(const QPainterPath &path) const;
    double rasterise(double edges, double cellsInside, double cellsOutside, double crossings, double farRows,
                     const QRectF &bounds) const;

    double clipping(const QRectF &bounds) const;

    QTransform m_toPixels;
    QRectF m_visible;
    double m_clipSpansPerRow = 0;
};

} // namespace wortilo::wmf
