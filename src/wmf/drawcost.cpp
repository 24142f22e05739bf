// SPDX-License-Identifier: MIT
#include "drawcost.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace wortilo::wmf {

namespace {

qint64 units(double cost)
{
    constexpr double kMax = double(std::numeric_limits<qint64>::max() / 4);
    return !(cost > 0) ? 0 : cost >= kMax ? qint64(kMax) : qint64(cost);
}

double areaOf(const QRectF &r)
{
    return r.isValid() ? r.width() * r.height() : 0;
}

} // namespace

DrawCost::DrawCost(const QTransform &toPixels, const QRectF &visible) : m_toPixels(toPixels), m_visible(visible) {}

DrawCost::Geometry DrawCost::measure(const QPainterPath &path) const
{
    Geometry g;
    const double top = m_visible.top(), bottom = m_visible.bottom();
    const double left = m_visible.left(), right = m_visible.right();
    double minX = right, maxX = left, minY = bottom, maxY = top;
    auto edge = [&](QPointF a, QPointF b, bool curve) {
        const double fullLength = std::hypot(b.x() - a.x(), b.y() - a.y());
        g.edges += curve ? std::max(1.0, fullLength / 4) : 1.0; // curves are flattened
        g.length += fullLength;
        if (std::max(a.y(), b.y()) < top || std::min(a.y(), b.y()) > bottom)
            return; // the rasteriser skips edges above and below the target
        // The part of the edge within the target's rows.
        double t0 = 0, t1 = 1;
        if (b.y() != a.y()) {
            const double ta = (top - a.y()) / (b.y() - a.y()), tb = (bottom - a.y()) / (b.y() - a.y());
            t0 = std::clamp(std::min(ta, tb), 0.0, 1.0);
            t1 = std::clamp(std::max(ta, tb), 0.0, 1.0);
        }
        const double xa = a.x() + (b.x() - a.x()) * t0, xb = a.x() + (b.x() - a.x()) * t1;
        const double ya = a.y() + (b.y() - a.y()) * t0, yb = a.y() + (b.y() - a.y()) * t1;
        const double lo = std::min(xa, xb), hi = std::max(xa, xb), rows = std::abs(yb - ya);
        g.crossings += rows;
        if (std::abs(b.x() - a.x()) >= kVertical) // a vertical edge is not followed row by row
            g.farRows += std::max(0.0, std::abs(b.y() - a.y()) - rows);
        const double inLo = std::max(lo, left), inHi = std::min(hi, right);
        const double inside = std::max(0.0, inHi - inLo);
        const bool touches = inHi >= inLo;
        g.cellsInside += touches ? inside + rows + 1 : 0;
        g.cellsOutside += (hi - lo) - inside;
        const double share = hi > lo ? inside / (hi - lo) : touches ? 1.0 : 0.0;
        g.lengthInside += std::hypot(xb - xa, rows) * share;
        if (touches) {
            minX = std::min(minX, inLo);
            maxX = std::max(maxX, inHi);
            minY = std::min({minY, ya, yb});
            maxY = std::max({maxY, ya, yb});
        }
    };
    QPointF start, previous;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element &e = path.elementAt(i);
        const QPointF p = m_toPixels.map(QPointF(e.x, e.y));
        if (e.isMoveTo()) {
            if (i > 0 && previous != start)
                edge(previous, start, false); // fills close every subpath
            start = p;
        } else {
            edge(previous, p, !e.isLineTo()); // a curve by its control polygon
        }
        previous = p;
    }
    if (path.elementCount() > 0 && previous != start)
        edge(previous, start, false);
    if (maxX >= minX && maxY >= minY)
        g.bounds = QRectF(QPointF(minX, minY), QPointF(maxX, maxY));
    return g;
}

double DrawCost::rasterise(double edges, double cellsInside, double cellsOutside, double crossings, double farRows,
                          const QRectF &bounds) const
{
    const double rows = std::max(1.0, bounds.height()), width = std::max(1.0, bounds.width());
    // A row's list holds a cell per edge crossing it, but never more than the row is wide.
    const double crowd = std::min(width + 2, crossings / rows + 1);
    const double cells = std::min(cellsInside, (width + 2) * rows);
    const double bands = std::clamp(cells / kBandCells, 1.0, rows);
    return kCall + kEdge * edges + cellsInside * (kCell + kCrowdedCell * crowd) + cellsOutside * kOutsideCell
         + farRows * bands * kFarRow;
}

void DrawCost::setClip(const QPainterPath &clip)
{
    // A span of the clip starts and ends where its outline crosses the row.
    if (clip.isEmpty()) {
        m_clipSpansPerRow = 0;
        return;
    }
    const Geometry g = measure(clip);
    m_clipSpansPerRow = std::max(1.0, g.crossings / std::max(1.0, g.bounds.height()) / 2);
}

double DrawCost::clipping(const QRectF &bounds) const
{
    return m_clipSpansPerRow > 0 ? std::max(1.0, bounds.height()) * std::max(1.0, m_clipSpansPerRow) * kClipSpan : 0;
}

qint64 DrawCost::fill(const QPainterPath &path, bool opaque) const
{
    const Geometry g = measure(path);
    return units(rasterise(g.edges, g.cellsInside, g.cellsOutside, g.crossings, g.farRows, g.bounds)
                 + areaOf(g.bounds) * (opaque ? kOpaquePixel : kBlendPixel) + clipping(g.bounds));
}

qint64 DrawCost::stroke(const QPainterPath &path, qreal widthPixels, qreal dashPeriodPixels) const
{
    const Geometry g = measure(path);
    if (widthPixels <= 0)
        return units(kCall + kEdge * g.edges + g.lengthInside * kCosmeticPixel);
    const double w = widthPixels;
    // The outline runs along both sides of the path, with a join at each vertex inside the target.
    const double insideShare = g.length > 0 ? g.lengthInside / g.length : 0;
    double edges = 2 * g.edges;
    double cellsInside = 2 * g.cellsInside + g.edges * insideShare * 3.2 * w;
    // Both sides of the outline cross the rows the path does, and each join and cap the pen's width.
    double crossings = 2 * g.crossings + g.edges * insideShare * 2 * w;
    double cost = kStrokeEdge * g.edges + kStrokeArea * g.length * w;
    if (dashPeriodPixels > 0) {
        const double dashes = g.length / dashPeriodPixels, dashesInside = g.lengthInside / dashPeriodPixels;
        cost += dashes * (kDash + kDashArea * w * w);
        edges += 4 * dashesInside;
        cellsInside += 2 * w * dashesInside;
        crossings += 2 * w * dashesInside;
    }
    const QRectF bounds = g.bounds.adjusted(-w / 2, -w / 2, w / 2, w / 2).intersected(m_visible);
    cost += rasterise(edges, cellsInside, 2 * g.cellsOutside, crossings, 2 * g.farRows, bounds);
    cost += std::min(g.lengthInside * w, areaOf(bounds)) * kOpaquePixel + clipping(bounds);
    return units(cost);
}

qint64 DrawCost::dashes(const QPainterPath &path, qreal widthPixels, qreal dashPeriodPixels) const
{
    if (!(dashPeriodPixels > 0) || widthPixels <= 0)
        return 0;
    double length = 0;
    for (int i = 1; i < path.elementCount(); ++i) {
        const QPointF a = m_toPixels.map(QPointF(path.elementAt(i - 1))), b = m_toPixels.map(QPointF(path.elementAt(i)));
        length += std::hypot(b.x() - a.x(), b.y() - a.y());
    }
    return units(length / dashPeriodPixels * (kDash + kDashArea * widthPixels * widthPixels));
}

qint64 DrawCost::area(const QRectF &rect, bool opaque) const
{
    const QRectF r = m_toPixels.mapRect(rect).intersected(m_visible);
    return units(4 * kEdge + areaOf(r) * (opaque ? kOpaquePixel : kBlendPixel));
}

qint64 DrawCost::text(qsizetype characters, qreal pixelSize) const
{
    // An outline about eight ems long, and the em square blended, both only as far as the target
    // reaches.
    const double em = std::min<double>(pixelSize, std::max(m_visible.width(), m_visible.height()));
    return units(double(characters) * (kGlyph + em * 8 * kCell + em * em * kBlendPixel));
}

qint64 DrawCost::image(qint64 sourcePixels, const QRectF &rect) const
{
    const QRectF r = m_toPixels.mapRect(rect).intersected(m_visible);
    return units(double(sourcePixels) * kImagePixel + areaOf(r) * kBlendPixel);
}

} // namespace wortilo::wmf
