// SPDX-License-Identifier: MIT
#include "player.h"

#include "dibdecoder.h"
#include "fontmatch.h"
#include "records.h"

#include <QFontMetricsF>
#include <QPicture>

#include <algorithm>
#include <cmath>
#include <ctime>

namespace wortilo::wmf {

namespace {

constexpr qreal kPi = 3.14159265358979323846;

// A natural pixel is 1/96 inch; GDI's dash lengths and hatch spacing are given in such pixels.
constexpr qreal kTwipsPerPixel = 15.0;

QImage hatchImage(int hatch, QColor line, QColor background)
{
    QImage image(8, 8, QImage::Format_ARGB32_Premultiplied);
    image.fill(background.isValid() ? background : QColor(Qt::transparent));
    const QRgb c = line.rgba();
    for (int i = 0; i < 8; ++i) {
        switch (hatch) {
        case 0: image.setPixel(i, 3, c); break;                       // HS_HORIZONTAL
        case 1: image.setPixel(3, i, c); break;                       // HS_VERTICAL
        case 2: image.setPixel(i, i, c); break;                       // HS_FDIAGONAL  (\)
        case 3: image.setPixel(7 - i, i, c); break;                   // HS_BDIAGONAL  (/)
        case 4: image.setPixel(i, 3, c); image.setPixel(3, i, c); break; // HS_CROSS
        default: image.setPixel(i, i, c); image.setPixel(7 - i, i, c); break; // HS_DIAGCROSS
        }
    }
    return image;
}

// Colours a monochrome pattern: bit 0 takes the first colour, bit 1 the second.
QImage colourMono(const QImage &mono, QColor zero, QColor one)
{
    QImage copy = mono;
    copy.setColorTable({zero.rgba(), one.rgba()});
    return copy.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Makes one colour of an opaque image transparent (the part a raster operation leaves unchanged).
QImage keyOut(const QImage &image, QRgb key)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    key &= 0x00ffffff;
    for (int y = 0; y < out.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] & 0x00ffffff) == key)
                line[x] = 0;
    }
    return out;
}

// The processor time the calling thread has spent, in nanoseconds.
qint64 threadProcessorNs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

bool isSymbolFace(const QByteArray &face)
{
    return face.compare("Symbol", Qt::CaseInsensitive) == 0;
}

} // namespace

Player::Player(const MetafileData &data, QPainter &painter, const RenderLimits &limits)
    : m_data(data), m_painter(painter), m_limits(limits)
{
}

QRectF Player::contentBounds(const MetafileData &data)
{
    // Play the file without any stretch into a QPicture, which records the drawing commands and
    // knows their extent; nothing is rasterised.
    MetafileData copy = data;
    copy.frame = QRectF(-1e7, -1e7, 2e7, 2e7);
    copy.naturalTwips = QSize(int(2e7 * kTwipsPerPixel / 1e4), int(2e7 * kTwipsPerPixel / 1e4));
    QPicture picture;
    {
        // Recording costs per record and point only; the bound keeps hostile files from filling
        // the memory with recorded points.
        QPainter painter(&picture);
        Player player(copy, painter, RenderLimits{400'000'000, RenderLimits().guardNs, {}});
        if (player.play(copy.frame).outOfTime)
            return {}; // a file whose measuring outruns the guard is not measured by how far it got
    }
    return QRectF(picture.boundingRect());
}

void Player::reset()
{
    m_dc = DeviceContext();
    m_dc.windowOrg = m_data.windowOrg;
    m_dc.windowExt = m_data.windowExt;
    m_dc.viewportOrg = m_data.viewportOrg;
    m_dc.viewportExt = m_data.viewportExt;
    m_dc.deviceDpi = m_data.deviceDpi;
    m_dc.updateMapping();
    m_saved.clear();
    m_objects = ObjectTable(m_data.objectCount);
    m_lines.clear();
    m_stateDirty = true;
}

RenderOutcome Player::play(const QRectF &target)
{
    m_outcome = RenderOutcome();
    m_frame = m_data.frame;
    if (!m_frame.isValid() || target.isEmpty())
        return m_outcome;
    m_processorStartNs = threadProcessorNs();
    m_painter.save();
    const QTransform original = m_painter.worldTransform();
    const QTransform toTarget = QTransform::fromTranslate(-m_frame.x(), -m_frame.y())
                              * QTransform::fromScale(target.width() / m_frame.width(),
                                                      target.height() / m_frame.height())
                              * QTransform::fromTranslate(target.x(), target.y());
    m_world = toTarget * original;
    m_kx = std::hypot(m_world.m11(), m_world.m12());
    m_ky = std::hypot(m_world.m21(), m_world.m22());
    if (!(m_kx > 0) || !(m_ky > 0) || !std::isfinite(m_kx) || !std::isfinite(m_ky)) {
        m_painter.restore();
        return m_outcome;
    }
    const qreal naturalPixels = std::max<qreal>(1, m_data.naturalTwips.width() / kTwipsPerPixel);
    m_zoom = m_kx * m_frame.width() / naturalPixels;
    // Keep device coordinates within about a million pixels of the target: far enough to be
    // invisible, near enough for the rasteriser's fixed-point arithmetic.
    const qreal mx = 1e6 / m_kx, my = 1e6 / m_ky;
    m_clampBox = m_frame.adjusted(-mx, -my, mx, my);

    m_painter.setWorldTransform(m_world);
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    m_painter.setClipRect(m_frame, Qt::IntersectClip);
    m_painter.save(); // the level applyClip() returns to

    // Drawing is charged by what the rasteriser will do with it, in the pixels of the target; a
    // recording device (QPicture, for contentBounds) only pays per record and point.
    m_cost.reset();
    if (m_painter.device()->devType() != QInternal::Picture) {
        const QRectF device(0, 0, m_painter.device()->width(), m_painter.device()->height());
        m_cost.emplace(m_world, m_world.mapRect(m_frame).intersected(device));
    }
    m_workAtLastCheck = 0;
    m_recordsSinceCheck = 0;
    const qreal area = std::abs(original.determinant()) * target.width() * target.height();
    if (m_cost && area > RenderLimits::kLargestFrame) { // a recording has no pixels to grow with
        const qreal grow = std::min<qreal>(area / RenderLimits::kLargestFrame, RenderLimits::kMaxGrowth);
        m_limits.work = qint64(std::min<qreal>(qreal(m_limits.work) * grow, 4e18));
        m_limits.guardNs = qint64(std::min<qreal>(qreal(m_limits.guardNs) * grow, 4e18));
    }

    reset();
    for (const RecordRef &record : m_data.records) {
        if (!spend(kRecordCost) || !playRecord(record) || m_outcome.outOfWork || outOfTime())
            break;
        ++m_outcome.recordsPlayed;
    }
    if (!m_outcome.outOfWork && !m_outcome.outOfTime)
        flushLines();
    m_painter.restore();
    m_painter.restore();
    m_outcome.complete = m_outcome.recordsPlayed == int(m_data.records.size()) && !m_outcome.outOfWork
                      && !m_outcome.outOfTime;
    return m_outcome;
}

bool Player::spend(qint64 units)
{
    if (m_outcome.outOfWork || units > m_limits.work - m_outcome.work) {
        m_outcome.outOfWork = true;
        return false;
    }
    m_outcome.work += units;
    return true;
}

bool Player::outOfTime()
{
    // The clock is read every 64 records, or sooner after costly ones.
    if (m_limits.guardNs <= 0
        || (++m_recordsSinceCheck < 64 && m_outcome.work - m_workAtLastCheck < 1'000'000))
        return false;
    m_recordsSinceCheck = 0;
    m_workAtLastCheck = m_outcome.work;
    const qint64 spent = m_limits.processorNs ? m_limits.processorNs() : threadProcessorNs() - m_processorStartNs;
    m_outcome.outOfTime = spent > m_limits.guardNs;
    return m_outcome.outOfTime;
}

QPointF Player::dev(QPointF logical) const
{
    const QPointF p = m_dc.toDevice(logical);
    return QPointF(std::clamp(p.x(), m_clampBox.left(), m_clampBox.right()),
                   std::clamp(p.y(), m_clampBox.top(), m_clampBox.bottom()));
}

QRectF Player::devRect(const QRectF &logical) const
{
    return QRectF(dev(logical.topLeft()), dev(logical.bottomRight())).normalized();
}

QColor Player::color(quint32 colorRef) const
{
    if ((colorRef >> 24) == 1) { // PALETTEINDEX
        const int index = int(colorRef & 0xffff);
        return index < m_dc.palette.size() ? QColor(m_dc.palette.at(index)) : QColor(Qt::black);
    }
    return QColor(int(colorRef & 0xff), int((colorRef >> 8) & 0xff), int((colorRef >> 16) & 0xff));
}

// ---- painter state -------------------------------------------------------------------------------

void Player::applyClip()
{
    m_painter.restore();
    m_painter.save();
    m_stateDirty = true;
    m_fontKeySize = -1;
    const bool path = m_dc.clip.kind == ClipArea::Path;
    if (m_cost)
        m_cost->setClip(path ? m_dc.clip.path : QPainterPath());
    if (m_dc.clip.kind == ClipArea::Rect)
        m_painter.setClipRect(m_dc.clip.rect, Qt::IntersectClip);
    else if (path && spend(m_cost ? m_cost->fill(m_dc.clip.path, true) : kPointCost * m_dc.clip.path.elementCount()))
        m_painter.setClipPath(m_dc.clip.path, Qt::IntersectClip); // rasterised here, once; recorded whole
}

void Player::resetComposition()
{
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// Chooses the composition for the current ROP2. Windows combines pen and page bitwise; on an image
// that may be transparent we use the blend modes that give the same result on black and white.
bool Player::prepareRop(QColor *forced)
{
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    switch (m_dc.rop2) {
    case rec::R2Nop:
        return false;
    case rec::R2Black:
        *forced = Qt::black;
        break;
    case rec::R2White:
        *forced = Qt::white;
        break;
    case rec::R2Not:
        *forced = Qt::white;
        mode = QPainter::CompositionMode_Difference;
        break;
    case rec::R2XorPen:
    case rec::R2NotXorPen:
        mode = QPainter::CompositionMode_Difference;
        break;
    case rec::R2MaskPen:
        mode = QPainter::CompositionMode_Multiply;
        break;
    case rec::R2MergePen:
        mode = QPainter::CompositionMode_Lighten;
        break;
    default:
        break;
    }
    m_painter.setCompositionMode(mode);
    return true;
}

QPen Player::makePen() const
{
    const PenObject &p = m_dc.pen;
    const int style = p.style & 0x0f;
    if (style == rec::PsNull)
        return Qt::NoPen;
    QColor c = color(p.color);
    if (m_dc.rop2 == rec::R2NotCopyPen)
        c = QColor(255 - c.red(), 255 - c.green(), 255 - c.blue());
    QPen pen(c);
    const qreal widthDevice = std::abs(p.width * m_dc.scaleX());
    qreal widthPixels = widthDevice * m_kx;
    if (p.width == 0 || widthPixels < 1) {
        pen.setCosmetic(true);
        pen.setWidthF(1);
        widthPixels = 1;
    } else {
        pen.setWidthF(widthDevice);
    }
    switch (p.style & 0x0f00) {
    case 0x0100: pen.setCapStyle(Qt::SquareCap); break;
    case 0x0200: pen.setCapStyle(Qt::FlatCap); break;
    default: pen.setCapStyle(Qt::RoundCap); break;
    }
    switch (p.style & 0xf000) {
    case 0x1000: pen.setJoinStyle(Qt::BevelJoin); break;
    case 0x2000: pen.setJoinStyle(Qt::MiterJoin); break;
    default: pen.setJoinStyle(Qt::RoundJoin); break;
    }
    // Windows styles only thin pens; wider ones draw solid.
    if (style >= rec::PsDash && style <= rec::PsDashDotDot && p.width <= 1) {
        QList<qreal> pattern;
        switch (style) {
        case rec::PsDash: pattern = {18, 6}; break;
        case rec::PsDot: pattern = {3, 3}; break;
        case rec::PsDashDot: pattern = {9, 6, 3, 6}; break;
        default: pattern = {9, 3, 3, 3, 3, 3}; break;
        }
        const qreal unit = std::max<qreal>(1, m_zoom) / widthPixels;
        for (qreal &v : pattern)
            v *= unit;
        pen.setDashPattern(pattern);
        pen.setCapStyle(Qt::FlatCap);
    }
    return pen;
}

QBrush Player::patternBrush(const QImage &pattern) const
{
    // Windows repeats patterns in device pixels; we keep that look at any zoom of at least 1.
    QBrush brush(pattern);
    const qreal scale = std::max<qreal>(1, m_zoom);
    brush.setTransform(QTransform::fromScale(scale / m_kx, scale / m_ky));
    return brush;
}

QBrush Player::makeBrush(const BrushObject &b) const
{
    switch (b.style) {
    case rec::BsNull:
        return Qt::NoBrush;
    case rec::BsHatched:
        return patternBrush(hatchImage(b.hatch, color(b.color),
                                       m_dc.bkMode == rec::Opaque ? color(m_dc.bkColor) : QColor()));
    case rec::BsPattern:
    case rec::BsDibPattern:
    case rec::BsDibPatternPt:
        if (b.pattern.isNull())
            return Qt::NoBrush;
        if (b.monoPattern)
            return patternBrush(colourMono(b.pattern, color(m_dc.textColor), color(m_dc.bkColor)));
        return patternBrush(b.pattern);
    default:
        return QBrush(color(b.color));
    }
}

bool Player::preparePen()
{
    QColor forced;
    if (!prepareRop(&forced))
        return false;
    QPen pen = makePen();
    if (forced.isValid() && pen.style() != Qt::NoPen)
        pen.setColor(forced);
    m_painter.setPen(pen);
    return true;
}

bool Player::prepareBrush()
{
    QColor forced;
    if (!prepareRop(&forced))
        return false;
    QBrush brush = makeBrush(m_dc.brush);
    if (forced.isValid() && brush.style() != Qt::NoBrush)
        brush = QBrush(forced);
    else if (m_dc.rop2 == rec::R2NotCopyPen && brush.style() == Qt::SolidPattern) {
        const QColor c = brush.color();
        brush.setColor(QColor(255 - c.red(), 255 - c.green(), 255 - c.blue()));
    }
    m_painter.setBrush(brush);
    return true;
}

// ---- records -------------------------------------------------------------------------------------

bool Player::playRecord(const RecordRef &record)
{
    const RecordReader r(reinterpret_cast<const uchar *>(m_data.bytes.constData()) + record.offset, record.size);
    const quint16 fn = record.function;
    if (fn != rec::LineTo && fn != rec::MoveTo)
        flushLines();

    switch (fn) {
    // -- state
    case rec::SaveDc:
        if (m_saved.size() < size_t(kMaxSavedStates))
            m_saved.push_back(m_dc);
        break;
    case rec::RestoreDc:
        restoreDc(r.i16(0));
        break;
    case rec::SetBkColor: m_dc.bkColor = r.u32(0); break;
    case rec::SetTextColor: m_dc.textColor = r.u32(0); break;
    case rec::SetBkMode: m_dc.bkMode = r.u16(0); break;
    case rec::SetPolyFillMode: m_dc.polyFillMode = r.u16(0); break;
    case rec::SetRop2: m_dc.rop2 = r.u16(0); break;
    case rec::SetTextAlign: m_dc.textAlign = r.u16(0); break;
    case rec::SetStretchBltMode: m_dc.stretchMode = r.u16(0); break;
    case rec::SetTextCharExtra: m_dc.charExtra = r.i16(0); break;
    case rec::SetTextJustification:
        m_dc.breakCount = r.u16(0);
        m_dc.breakExtra = r.i16(2);
        break;

    // -- mapping
    case rec::SetMapMode: {
        const int mode = r.u16(0);
        if (mode >= rec::MmText && mode <= rec::MmAnisotropic) {
            m_dc.mapMode = mode;
            m_dc.updateMapping();
        }
        break;
    }
    case rec::SetWindowOrg: m_dc.windowOrg = r.pointYX(0); m_dc.updateMapping(); break;
    case rec::SetViewportOrg: m_dc.viewportOrg = r.pointYX(0); m_dc.updateMapping(); break;
    case rec::OffsetWindowOrg: m_dc.windowOrg += r.pointYX(0); m_dc.updateMapping(); break;
    case rec::OffsetViewportOrg: m_dc.viewportOrg += r.pointYX(0); m_dc.updateMapping(); break;
    case rec::SetWindowExt:
    case rec::SetViewportExt: {
        const QPointF ext = r.pointYX(0);
        if (ext.x() != 0 && ext.y() != 0) {
            (fn == rec::SetWindowExt ? m_dc.windowExt : m_dc.viewportExt) = ext;
            m_dc.updateMapping();
        }
        break;
    }
    case rec::ScaleWindowExt:
    case rec::ScaleViewportExt: {
        const qreal yDenom = r.i16(0), yNum = r.i16(2), xDenom = r.i16(4), xNum = r.i16(6);
        if (yDenom != 0 && xDenom != 0 && yNum != 0 && xNum != 0) {
            QPointF &ext = fn == rec::ScaleWindowExt ? m_dc.windowExt : m_dc.viewportExt;
            ext = QPointF(ext.x() * xNum / xDenom, ext.y() * yNum / yDenom);
            m_dc.updateMapping();
        }
        break;
    }

    // -- objects
    case rec::CreatePenIndirect: createPen(r); break;
    case rec::CreateBrushIndirect: createBrush(r); break;
    case rec::DibCreatePatternBrush: createDibPatternBrush(r); break;
    case rec::CreatePatternBrush: createPatternBrush(r); break;
    case rec::CreateFontIndirect: createFont(r); break;
    case rec::CreatePalette: createPalette(r); break;
    case rec::CreateRegion: createRegion(r); break;
    case rec::SelectObject: selectObject(r.u16(0)); break;
    case rec::SelectPalette: selectObject(r.u16(0)); break;
    case rec::DeleteObject: m_objects.remove(r.u16(0)); break;
    case rec::RealizePalette: break;
    case rec::SetPalEntries:
    case rec::AnimatePalette: {
        const int start = r.u16(0);
        const int count = std::min<int>(r.u16(2), int((r.size() - 4) / 4));
        if (start + count > m_dc.palette.size())
            break;
        for (int i = 0; i < count; ++i)
            m_dc.palette[start + i] = qRgb(r.u8(4 + 4 * i), r.u8(5 + 4 * i), r.u8(6 + 4 * i));
        break;
    }
    case rec::ResizePalette: {
        const int n = std::min<int>(r.u16(0), 4096);
        while (m_dc.palette.size() < n)
            m_dc.palette.append(qRgb(0, 0, 0));
        m_dc.palette.resize(n);
        break;
    }

    // -- clipping
    case rec::IntersectClipRect: intersectClip(devRect(r.rectBRTL(0))); break;
    case rec::ExcludeClipRect: excludeClip(devRect(r.rectBRTL(0))); break;
    case rec::SelectClipRegion: selectClipRegion(r.u16(0)); break;
    case rec::OffsetClipRgn: {
        const QPointF d(r.i16(2) * m_dc.scaleX(), r.i16(0) * m_dc.scaleY());
        if (m_dc.clip.kind == ClipArea::Rect)
            m_dc.clip.rect.translate(d);
        else if (m_dc.clip.kind == ClipArea::Path)
            m_dc.clip.path.translate(d);
        else
            break;
        applyClip();
        break;
    }

    // -- drawing
    case rec::MoveTo:
        m_dc.position = r.pointYX(0);
        break;
    case rec::LineTo: {
        const QPointF to = r.pointYX(0);
        const QPointF a = dev(m_dc.position), b = dev(to);
        if (m_lines.elementCount() == 0 || m_lines.currentPosition() != a)
            m_lines.moveTo(a);
        m_lines.lineTo(b);
        m_dc.position = to;
        break;
    }
    case rec::Polygon: drawPolygon(r); break;
    case rec::Polyline: drawPolyline(r); break;
    case rec::PolyPolygon: drawPolyPolygon(r); break;
    case rec::Rectangle: {
        QPainterPath path;
        path.addRect(devRect(r.rectBRTL(0)));
        drawShape(path, true, true);
        break;
    }
    case rec::RoundRect: {
        const qreal h = r.i16(0), w = r.i16(2);
        const QRectF rect = devRect(r.rectBRTL(4));
        QPainterPath path;
        path.addRoundedRect(rect, std::min(rect.width() / 2, std::abs(w * m_dc.scaleX()) / 2),
                            std::min(rect.height() / 2, std::abs(h * m_dc.scaleY()) / 2));
        drawShape(path, true, true);
        break;
    }
    case rec::Ellipse: {
        QPainterPath path;
        path.addEllipse(devRect(r.rectBRTL(0)));
        drawShape(path, true, true);
        break;
    }
    case rec::Arc: drawArc(r, ArcKind::Open); break;
    case rec::Pie: drawArc(r, ArcKind::Pie); break;
    case rec::Chord: drawArc(r, ArcKind::Chord); break;
    case rec::SetPixel: {
        const QPointF p = r.pointYX(4);
        QRectF rect = devRect(QRectF(p, QSizeF(1, 1)));
        rect.setSize(rect.size().expandedTo(QSizeF(1 / m_kx, 1 / m_ky)));
        QColor forced;
        if (prepareRop(&forced))
            m_painter.fillRect(rect, forced.isValid() ? forced : color(r.u32(0)));
        resetComposition();
        break;
    }
    case rec::TextOut: drawTextOut(r); break;
    case rec::ExtTextOut: drawExtTextOut(r); break;
    case rec::PatBlt: {
        const QRectF rect(QPointF(r.i16(10), r.i16(8)), QSizeF(r.i16(6), r.i16(4)));
        fillDeviceRect(devRect(rect), r.u32(0));
        break;
    }
    case rec::BitBlt:
    case rec::StretchBlt:
    case rec::DibBitBlt:
    case rec::DibStretchBlt:
    case rec::StretchDib:
    case rec::SetDibToDev:
        bitBlt(r, fn);
        break;
    case rec::FillRegion:
    case rec::PaintRegion:
    case rec::InvertRegion:
    case rec::FrameRegion: {
        const GdiObject *object = m_objects.at(r.u16(0));
        const auto *region = object ? std::get_if<RegionObject>(object) : nullptr;
        if (!region)
            break;
        QRegion area = region->region;
        if (!spend(kPointCost * area.rectCount() * (fn == rec::FrameRegion ? 10 : 1)))
            break;
        if (fn == rec::FrameRegion) {
            const int h = std::clamp<int>(r.i16(4), 0, 4096), w = std::clamp<int>(r.i16(6), 0, 4096);
            const QRegion inner = area.intersected(area.translated(w, 0)).intersected(area.translated(-w, 0))
                                      .intersected(area.translated(0, h)).intersected(area.translated(0, -h));
            area = area.subtracted(inner);
        }
        const QPainterPath path = regionPath(area);
        if (fn == rec::InvertRegion) {
            fillPath(path, QBrush(Qt::white), QPainter::CompositionMode_Difference);
        } else if (fn == rec::PaintRegion) {
            fillPath(path, makeBrush(m_dc.brush), QPainter::CompositionMode_SourceOver);
        } else {
            const GdiObject *b = m_objects.at(r.u16(2));
            const auto *brush = b ? std::get_if<BrushObject>(b) : nullptr;
            if (brush)
                fillPath(path, makeBrush(*brush), QPainter::CompositionMode_SourceOver);
        }
        break;
    }
    default:
        // Escapes, flood fills and everything unknown: skipped by their record size.
        break;
    }
    return true;
}

void Player::restoreDc(int which)
{
    const int depth = int(m_saved.size());
    const int target = which < 0 ? depth + which : which - 1;
    if (which == 0 || target < 0 || target >= depth)
        return;
    const bool hadClip = m_dc.clip.kind != ClipArea::None;
    m_dc = m_saved[size_t(target)];
    m_saved.resize(size_t(target));
    if (hadClip || m_dc.clip.kind != ClipArea::None)
        applyClip();
}

// ---- objects -------------------------------------------------------------------------------------

void Player::createPen(const RecordReader &r)
{
    PenObject pen;
    pen.style = r.u16(0);
    pen.width = r.i16(2);
    pen.color = r.u32(6);
    m_objects.add(pen);
}

void Player::createBrush(const RecordReader &r)
{
    BrushObject brush;
    brush.style = r.u16(0);
    brush.color = r.u32(2);
    brush.hatch = r.u16(6);
    if (brush.style != rec::BsSolid && brush.style != rec::BsNull && brush.style != rec::BsHatched)
        brush.style = rec::BsSolid; // a pattern brush without its pattern
    m_objects.add(brush);
}

void Player::createDibPatternBrush(const RecordReader &r)
{
    const quint16 usage = r.u16(2);
    const bool dib = DibDecoder::looksLikeDib(r, 4);
    if (!spend(kDecodePixelCost * DibDecoder::claimedPixels(r, 4, dib)))
        return;
    if (dib)
        addPatternBrush(rec::BsDibPattern, DibDecoder::decodeDib(r, 4, usage, m_dc.palette), false);
    else
        addPatternBrush(rec::BsDibPattern, DibDecoder::decodeBitmap16(r, 4), true);
}

void Player::createPatternBrush(const RecordReader &r)
{
    // A Bitmap16 header (with its bits pointer), 18 reserved bytes, then the bits.
    QImage pattern;
    if (r.size() > 32) {
        QByteArray bitmap(reinterpret_cast<const char *>(r.data()), 10);
        bitmap.append(reinterpret_cast<const char *>(r.data()) + 32, r.size() - 32);
        const RecordReader sub(reinterpret_cast<const uchar *>(bitmap.constData()), bitmap.size());
        if (!spend(kDecodePixelCost * DibDecoder::claimedPixels(sub, 0, false)))
            return;
        pattern = DibDecoder::decodeBitmap16(sub, 0);
    }
    addPatternBrush(rec::BsPattern, pattern, true);
}

void Player::addPatternBrush(quint16 style, const QImage &pattern, bool bitmap16)
{
    BrushObject brush;
    brush.style = pattern.isNull() ? quint16(rec::BsNull) : style;
    brush.pattern = pattern;
    // A monochrome Bitmap16 takes the text and background colours; a DIB brings its own.
    brush.monoPattern = bitmap16 && pattern.format() == QImage::Format_Mono;
    m_objects.add(brush);
}

void Player::createFont(const RecordReader &r)
{
    FontObject font;
    font.height = r.i16(0);
    font.width = r.i16(2);
    font.escapement = r.i16(4);
    font.weight = r.i16(8);
    font.italic = r.u8(10);
    font.underline = r.u8(11);
    font.strikeOut = r.u8(12);
    font.charset = r.u8(13);
    font.pitchAndFamily = r.u8(17);
    for (qsizetype i = 18; i < std::min<qsizetype>(r.size(), 18 + 32) && r.u8(i); ++i)
        font.face.append(char(r.u8(i)));
    font.id = m_nextFontId++;
    m_objects.add(font);
}

void Player::createPalette(const RecordReader &r)
{
    PaletteObject palette;
    const int count = std::min<int>(r.u16(2), int(std::max<qsizetype>(0, (r.size() - 4) / 4)));
    palette.colors.reserve(count);
    for (int i = 0; i < count; ++i)
        palette.colors.append(qRgb(r.u8(4 + 4 * i), r.u8(5 + 4 * i), r.u8(6 + 4 * i)));
    if (!spend(kPointCost * count))
        return;
    m_objects.add(palette);
}

void Player::createRegion(const RecordReader &r)
{
    // nextInChain, objectType, objectCount, regionSize, scanCount, maxScan, bounds, scans.
    RegionObject region;
    const int scanCount = r.u16(10);
    const QRect bounds(QPoint(r.i16(14), r.i16(16)), QPoint(r.i16(18) - 1, r.i16(20) - 1));
    qsizetype pos = 22;
    QList<QRect> rects;
    for (int s = 0; s < scanCount && r.has(pos, 6); ++s) {
        const int count = r.u16(pos);
        const int top = r.i16(pos + 2), bottom = r.i16(pos + 4);
        pos += 6;
        for (int k = 0; k + 1 < count && r.has(pos, 4); k += 2) {
            const int left = r.i16(pos), right = r.i16(pos + 2);
            if (right > left && bottom > top)
                rects.append(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
            pos += 4;
        }
        pos += 2; // the repeated count
    }
    if (!spend(kPointCost * rects.size()))
        return;
    if (rects.isEmpty()) {
        if (bounds.isValid() && scanCount == 0)
            region.region = QRegion(bounds);
    } else {
        region.region.setRects(rects.constData(), int(rects.size()));
    }
    m_objects.add(region);
}

void Player::selectObject(int index)
{
    GdiObject *object = m_objects.at(index);
    if (!object)
        return;
    if (auto *pen = std::get_if<PenObject>(object))
        m_dc.pen = *pen;
    else if (auto *brush = std::get_if<BrushObject>(object))
        m_dc.brush = *brush;
    else if (auto *font = std::get_if<FontObject>(object))
        m_dc.font = *font;
    else if (auto *palette = std::get_if<PaletteObject>(object))
        m_dc.palette = palette->colors;
    else if (std::holds_alternative<RegionObject>(*object))
        selectClipRegion(index);
}

// ---- clipping ------------------------------------------------------------------------------------

QPainterPath Player::regionPath(const QRegion &region) const
{
    QPainterPath path;
    for (const QRect &rect : region)
        path.addRect(devRect(QRectF(rect.x(), rect.y(), rect.width(), rect.height())));
    return path;
}

void Player::selectClipRegion(int index)
{
    const GdiObject *object = m_objects.at(index);
    const auto *region = object ? std::get_if<RegionObject>(object) : nullptr;
    if (!region) {
        m_dc.clip = ClipArea();
    } else if (region->region.rectCount() == 1) {
        const QRect b = region->region.boundingRect();
        m_dc.clip.kind = ClipArea::Rect;
        m_dc.clip.rect = devRect(QRectF(b.x(), b.y(), b.width(), b.height()));
        m_dc.clip.path = QPainterPath();
    } else {
        if (region->region.rectCount() * 5 > kMaxClipElements
            || !spend(kPointCost * 5 * region->region.rectCount()))
            return;
        m_dc.clip.kind = ClipArea::Path;
        m_dc.clip.path = regionPath(region->region);
    }
    applyClip();
}

void Player::intersectClip(const QRectF &rect)
{
    ClipArea &clip = m_dc.clip;
    switch (clip.kind) {
    case ClipArea::None:
        clip.kind = ClipArea::Rect;
        clip.rect = rect;
        break;
    case ClipArea::Rect:
        clip.rect = clip.rect.intersected(rect);
        if (clip.rect.isEmpty())
            clip.rect = QRectF(rect.topLeft(), QSizeF(0, 0));
        break;
    case ClipArea::Path: {
        QPainterPath r;
        r.addRect(rect);
        if (!spend(kClipElementCost * clip.path.elementCount()))
            return;
        clip.path = clip.path.intersected(r);
        break;
    }
    }
    applyClip();
}

void Player::excludeClip(const QRectF &rect)
{
    ClipArea &clip = m_dc.clip;
    QPainterPath r;
    r.addRect(rect);
    if (clip.kind == ClipArea::None) {
        clip.path = QPainterPath();
        clip.path.addRect(m_clampBox);
    } else if (clip.kind == ClipArea::Rect) {
        clip.path = QPainterPath();
        clip.path.addRect(clip.rect);
    }
    clip.kind = ClipArea::Path;
    // Path operations and clip rasterisation grow with the path: charge for them, and refuse to
    // build clips more complicated than any drawing needs.
    if (clip.path.elementCount() > kMaxClipElements || !spend(kClipElementCost * clip.path.elementCount()))
        return;
    clip.path = clip.path.subtracted(r);
    applyClip();
}

// ---- drawing -------------------------------------------------------------------------------------

void Player::limitDashes(QPen &pen, const QPainterPath &path) const
{
    if (pen.style() == Qt::SolidLine || pen.style() == Qt::NoPen)
        return;
    // Each dash becomes a piece of path for the rasteriser; far too many of them, or too wide ones
    // (a long line at a huge zoom), would take minutes, so such a line is drawn solid.
    qreal length = 0;
    for (int i = 1; i < path.elementCount(); ++i) {
        const QPainterPath::Element &a = path.elementAt(i - 1), &b = path.elementAt(i);
        length += std::abs(b.x - a.x) * m_kx + std::abs(b.y - a.y) * m_ky;
    }
    qreal period = 0;
    for (qreal v : pen.dashPattern())
        period += v;
    const qreal widthPixels = pen.isCosmetic() ? 1 : pen.widthF() * std::max(m_kx, m_ky);
    if (!(period * widthPixels > 0) || length / (period * widthPixels) > 100000
        || (m_cost && !pen.isCosmetic() && m_cost->dashes(path, widthPixels, period * widthPixels) > kMaxDashWork))
        pen.setStyle(Qt::SolidLine);
}

void Player::flushLines()
{
    if (m_lines.elementCount() == 0)
        return;
    if (preparePen() && m_painter.pen().style() != Qt::NoPen) {
        QPen pen = m_painter.pen();
        limitDashes(pen, m_lines);
        if (spendOnPath(m_lines, pen, Qt::NoBrush)) {
            m_painter.setPen(pen);
            m_painter.setBrush(Qt::NoBrush);
            m_painter.drawPath(m_lines);
        }
    }
    resetComposition();
    m_lines.clear();
}

void Player::readPoints(const RecordReader &r, qsizetype offset, qsizetype count, QPolygonF &out)
{
    count = std::clamp<qsizetype>(count, 0, std::max<qsizetype>(0, (r.size() - offset) / 4));
    out.resize(count);
    for (qsizetype i = 0; i < count; ++i)
        out[i] = dev(r.pointXY(offset + 4 * i));
}

void Player::drawShape(const QPainterPath &path, bool fill, bool stroke)
{
    QColor forced;
    if (!prepareRop(&forced)) {
        resetComposition();
        return;
    }
    QPen pen = stroke ? makePen() : QPen(Qt::NoPen);
    QBrush brush = fill ? makeBrush(m_dc.brush) : QBrush(Qt::NoBrush);
    if (forced.isValid()) {
        if (pen.style() != Qt::NoPen)
            pen.setColor(forced);
        if (brush.style() != Qt::NoBrush)
            brush = QBrush(forced);
    }
    limitDashes(pen, path);
    if (spendOnPath(path, pen, brush)) {
        m_painter.setPen(pen);
        m_painter.setBrush(brush);
        m_painter.drawPath(path);
    }
    resetComposition();
}

bool Player::spendOnPath(const QPainterPath &path, const QPen &pen, const QBrush &brush)
{
    qint64 cost = kPointCost * path.elementCount();
    if (m_cost) {
        if (brush.style() != Qt::NoBrush) {
            const bool opaque = brush.style() == Qt::SolidPattern && brush.isOpaque()
                             && m_painter.compositionMode() == QPainter::CompositionMode_SourceOver;
            cost += m_cost->fill(path, opaque);
        }
        if (pen.style() != Qt::NoPen) {
            const qreal width = pen.isCosmetic() ? 0 : pen.widthF() * std::max(m_kx, m_ky);
            qreal period = 0;
            if (pen.style() != Qt::SolidLine && !pen.isCosmetic())
                for (qreal v : pen.dashPattern())
                    period += v * width;
            cost += m_cost->stroke(path, width, period);
        }
    }
    return spend(cost);
}

void Player::drawPolygon(const RecordReader &r)
{
    readPoints(r, 2, r.u16(0), m_points);
    if (m_points.size() < 2)
        return;
    QPainterPath path;
    path.addPolygon(m_points);
    path.closeSubpath();
    path.setFillRule(m_dc.polyFillMode == rec::Winding ? Qt::WindingFill : Qt::OddEvenFill);
    drawShape(path, true, true);
}

void Player::drawPolyline(const RecordReader &r)
{
    readPoints(r, 2, r.u16(0), m_points);
    if (m_points.size() < 2)
        return;
    QPainterPath path;
    path.addPolygon(m_points);
    drawShape(path, false, true);
}

void Player::drawPolyPolygon(const RecordReader &r)
{
    const qsizetype polygons = std::min<qsizetype>(r.u16(0), (r.size() - 2) / 2);
    qsizetype pointAt = 2 + 2 * polygons;
    QPainterPath path;
    path.setFillRule(m_dc.polyFillMode == rec::Winding ? Qt::WindingFill : Qt::OddEvenFill);
    for (qsizetype i = 0; i < polygons; ++i) {
        const qsizetype count = r.u16(2 + 2 * i);
        readPoints(r, pointAt, count, m_points);
        pointAt += 4 * count;
        if (m_points.size() >= 2) {
            path.addPolygon(m_points);
            path.closeSubpath();
        }
        if (m_points.size() < count)
            break; // ran out of record
    }
    if (!path.isEmpty())
        drawShape(path, true, true);
}

void Player::drawArc(const RecordReader &r, ArcKind kind)
{
    const QPointF end = dev(r.pointYX(0)), start = dev(r.pointYX(4));
    const QRectF rect = devRect(r.rectBRTL(8));
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    const QPointF c = rect.center();
    const qreal rx = rect.width() / 2, ry = rect.height() / 2;
    // Angles of the radials through start and end, as parameters of the ellipse, counted the way
    // QPainterPath counts them (counter-clockwise on screen). Windows draws arcs counter-clockwise.
    auto angle = [&](QPointF p) { return std::atan2(-(p.y() - c.y()) / ry, (p.x() - c.x()) / rx) * 180 / kPi; };
    const qreal a0 = angle(start);
    qreal sweep = angle(end) - a0;
    while (sweep <= 0)
        sweep += 360;
    QPainterPath path;
    if (kind == ArcKind::Pie) {
        path.moveTo(c);
        path.arcTo(rect, a0, sweep);
        path.closeSubpath();
    } else {
        path.arcMoveTo(rect, a0);
        path.arcTo(rect, a0, sweep);
        if (kind == ArcKind::Chord)
            path.closeSubpath();
    }
    drawShape(path, kind != ArcKind::Open, true);
}

void Player::fillPath(const QPainterPath &path, const QBrush &brush, QPainter::CompositionMode mode)
{
    m_painter.setCompositionMode(mode);
    if (spendOnPath(path, Qt::NoPen, brush))
        m_painter.fillPath(path, brush);
    resetComposition();
}

// ---- text ----------------------------------------------------------------------------------------

QFont Player::qfontFor(const FontObject &f, qreal pixelSize, qreal *ascent, qreal *descent)
{
    const int key = int(std::lround(pixelSize * 4));
    if (m_fontKeyId == f.id && m_fontKeySize == key) {
        *ascent = m_fontAscent;
        *descent = m_fontDescent;
        return m_font;
    }
    const QString face = m_text.decode(f.face.constData(), f.face.size(), f.charset, false);
    QFont::StyleHint hint = QFont::AnyStyle;
    QStringList families = fontFamiliesFor(face, f.pitchAndFamily, &hint);
    // Symbol text arrives here already turned into Unicode (Greek, arrows, maths); installed
    // "Symbol" look-alikes only carry the old symbol encoding, so the generic serif shows it better.
    if (f.charset == rec::SymbolCharset && isSymbolFace(f.face))
        families = QStringList{families.constLast()};
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    const int weight = f.weight <= 0 ? 400 : std::clamp((f.weight + 50) / 100 * 100, 100, 900);
    font.setWeight(QFont::Weight(weight));
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeOut);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    int size = std::clamp(int(std::lround(pixelSize)), 1, 4096);
    font.setPixelSize(size);
    qreal em = pixelSize;
    if (f.height > 0) {
        // A positive height is the cell height (ascent + descent), not the em size.
        const QFontMetricsF fm(font);
        const qreal cell = fm.ascent() + fm.descent();
        if (cell > 0)
            em = pixelSize * size / cell;
        size = std::clamp(int(std::lround(em)), 1, 4096);
        font.setPixelSize(size);
    }
    m_fontEmScale = em / size;
    if (f.width != 0) {
        const QFontMetricsF fm(font);
        const qreal wanted = std::abs(f.width * m_dc.scaleX()) * m_kx / m_fontEmScale;
        const qreal actual = fm.averageCharWidth() * m_ky / m_kx;
        if (actual > 0)
            font.setStretch(std::clamp(int(std::lround(100 * wanted / actual)), 10, 400));
    }
    const QFontMetricsF fm(font);
    m_font = font;
    m_fontKeyId = f.id;
    m_fontKeySize = key;
    m_fontAscent = *ascent = fm.ascent();
    m_fontDescent = *descent = fm.descent();
    return font;
}

void Player::drawTextOut(const RecordReader &r)
{
    const qsizetype length = std::min<qsizetype>(r.u16(0), std::max<qsizetype>(0, r.size() - 2));
    const qsizetype after = 2 + ((length + 1) & ~qsizetype(1));
    const QPointF reference(r.i16(after + 2), r.i16(after));
    drawText(reference, reinterpret_cast<const char *>(r.data()) + 2, length, 0, nullptr, nullptr, 0, 0);
}

void Player::drawExtTextOut(const RecordReader &r)
{
    const QPointF reference(r.i16(2), r.i16(0));
    qsizetype length = r.u16(4);
    const quint16 options = r.u16(6);
    qsizetype pos = 8;
    QRectF rect;
    const bool hasRect = options & (rec::EtoOpaque | rec::EtoClipped);
    if (hasRect) {
        rect = r.rectLTRB(8);
        pos += 8;
    }
    length = std::clamp<qsizetype>(length, 0, std::max<qsizetype>(0, r.size() - pos));
    const qsizetype dxAt = pos + ((length + 1) & ~qsizetype(1));
    const qsizetype dxCount = r.has(dxAt, 2 * length) ? length : 0;
    drawText(reference, reinterpret_cast<const char *>(r.data()) + pos, length, options, hasRect ? &rect : nullptr,
             &r, dxAt, dxCount);
}

void Player::drawText(QPointF reference, const char *bytes, qsizetype length, quint16 options, const QRectF *rect,
                      const RecordReader *dxReader, qsizetype dxOffset, qsizetype dxCount)
{
    const FontObject &f = m_dc.font;
    if (!spend(kTextCost + kCharacterCost * length))
        return;
    if (rect && (options & rec::EtoOpaque))
        fillPath([&] { QPainterPath p; p.addRect(devRect(*rect)); return p; }(), QBrush(color(m_dc.bkColor)),
                 QPainter::CompositionMode_SourceOver);
    while (length > 0 && bytes[length - 1] == 0)
        --length;
    if (length <= 0 || (options & rec::EtoGlyphIndex))
        return;

    QList<int> bytesPerUnit;
    const bool symbol = f.charset == rec::SymbolCharset && isSymbolFace(f.face);
    const QString text = m_text.decode(bytes, length, f.charset, symbol, &bytesPerUnit);
    if (text.isEmpty())
        return;

    const bool updateCp = m_dc.textAlign & rec::TaUpdateCp;
    if (updateCp)
        reference = m_dc.position;
    const QPointF origin = dev(reference);

    qreal heightDevice = std::abs(f.height * m_dc.scaleY());
    if (f.height == 0)
        heightDevice = 16 * m_dc.deviceDpi / 96; // the system font, about 12 points
    const qreal pixelSize = heightDevice * m_ky;
    if (!(pixelSize >= 0.3) || pixelSize > 1e5)
        return; // invisible, or absurd

    if (m_cost && !spend(m_cost->text(length, pixelSize)))
        return;
    qreal ascent = 0, descent = 0;
    const QFont font = qfontFor(f, pixelSize, &ascent, &descent);
    const QFontMetricsF fm(font);
    const qreal s = m_fontEmScale / m_ky; // one local unit in device units
    const qreal toLocalX = std::abs(m_dc.scaleX()) / s;

    // Pen positions of the characters, in local units.
    const qsizetype n = text.size();
    std::vector<qreal> xs(size_t(n) + 1, 0);
    const bool perChar = dxCount > 0 || m_dc.charExtra != 0 || (m_dc.breakExtra != 0 && m_dc.breakCount > 0);
    if (dxCount > 0) {
        qsizetype byte = 0;
        for (qsizetype i = 0; i < n; ++i) {
            qreal advance = 0;
            const int count = i < bytesPerUnit.size() ? bytesPerUnit.at(i) : 1;
            for (int k = 0; k < count && byte < dxCount; ++k, ++byte)
                advance += dxReader->i16(dxOffset + 2 * byte);
            xs[size_t(i) + 1] = xs[size_t(i)] + advance * toLocalX;
        }
    } else if (perChar) {
        const qreal extra = m_dc.charExtra * toLocalX;
        const qreal breakExtra = m_dc.breakCount > 0 ? m_dc.breakExtra * toLocalX / m_dc.breakCount : 0;
        for (qsizetype i = 0; i < n; ++i) {
            qreal advance = fm.horizontalAdvance(text.at(i)) + extra;
            if (text.at(i) == QLatin1Char(' '))
                advance += breakExtra;
            xs[size_t(i) + 1] = xs[size_t(i)] + advance;
        }
    } else {
        xs[size_t(n)] = fm.horizontalAdvance(text);
    }
    const qreal width = xs[size_t(n)];

    qreal x0 = 0;
    switch (m_dc.textAlign & rec::TaCenter) {
    case rec::TaRight: x0 = -width; break;
    case rec::TaCenter: x0 = -width / 2; break;
    default: break;
    }
    qreal baseline = ascent; // TA_TOP
    if ((m_dc.textAlign & rec::TaBaseline) == rec::TaBaseline)
        baseline = 0;
    else if (m_dc.textAlign & rec::TaBottom)
        baseline = -descent;

    QTransform local;
    local.translate(origin.x(), origin.y());
    local.rotate(-f.escapement / 10.0);
    local.scale(s, s);

    const bool clipped = rect && (options & rec::EtoClipped);
    if (clipped) {
        m_painter.save();
        m_painter.setClipRect(devRect(*rect), Qt::IntersectClip);
    }
    m_painter.setWorldTransform(local * m_world);
    if (m_dc.bkMode == rec::Opaque && !(options & rec::EtoOpaque))
        m_painter.fillRect(QRectF(x0, baseline - ascent, width, ascent + descent), color(m_dc.bkColor));
    m_painter.setFont(font);
    m_painter.setPen(color(m_dc.textColor));
    if (!perChar) {
        m_painter.drawText(QPointF(x0, baseline), text);
    } else {
        for (qsizetype i = 0; i < n; ++i) {
            qsizetype len = 1;
            if (text.at(i).isHighSurrogate() && i + 1 < n)
                len = 2;
            m_painter.drawText(QPointF(x0 + xs[size_t(i)], baseline), text.mid(i, len));
            i += len - 1;
        }
    }
    m_painter.setWorldTransform(m_world);
    if (clipped)
        m_painter.restore();
    if (updateCp && toLocalX > 0) {
        const qreal advanceLogical = width / toLocalX;
        if ((m_dc.textAlign & rec::TaCenter) == 0)
            m_dc.position.rx() += m_dc.scaleX() < 0 ? -advanceLogical : advanceLogical;
    }
}

// ---- bitmaps -------------------------------------------------------------------------------------

void Player::fillDeviceRect(const QRectF &rect, quint32 rop)
{
    const quint8 op = quint8(rop >> 16);
    QPainterPath path;
    path.addRect(rect);
    switch (op) {
    case rec::RopDst:
        return;
    case rec::RopBlackness:
        fillPath(path, QBrush(Qt::black), QPainter::CompositionMode_SourceOver);
        return;
    case rec::RopWhiteness:
        fillPath(path, QBrush(Qt::white), QPainter::CompositionMode_SourceOver);
        return;
    case rec::RopDstInvert:
        fillPath(path, QBrush(Qt::white), QPainter::CompositionMode_Difference);
        return;
    case rec::RopPatInvert:
        fillPath(path, makeBrush(m_dc.brush), QPainter::CompositionMode_Difference);
        return;
    default:
        fillPath(path, makeBrush(m_dc.brush), QPainter::CompositionMode_SourceOver);
        return;
    }
}

void Player::bitBlt(const RecordReader &r, quint16 fn)
{
    const quint32 rop = r.u32(0);
    const bool noBitmap = r.size() == qsizetype(fn >> 8) * 2 && fn != rec::StretchDib && fn != rec::SetDibToDev;
    const bool stretch = fn == rec::StretchBlt || fn == rec::DibStretchBlt;

    QRectF source;
    QPointF destPos;
    QSizeF destSize;
    qsizetype bitmapAt = 0;
    quint16 usage = 0;
    if (fn == rec::StretchDib) {
        usage = r.u16(4);
        source = QRectF(r.i16(12), r.i16(10), r.i16(8), r.i16(6));
        destSize = QSizeF(r.i16(16), r.i16(14));
        destPos = QPointF(r.i16(20), r.i16(18));
        bitmapAt = 22;
    } else if (fn == rec::SetDibToDev) {
        usage = r.u16(0);
        source = QRectF(r.i16(8), r.i16(6), r.i16(12), r.i16(10));
        destSize = source.size();
        destPos = QPointF(r.i16(16), r.i16(14));
        bitmapAt = 18;
    } else if (stretch) {
        source = QRectF(r.i16(10), r.i16(8), r.i16(6), r.i16(4));
        const qsizetype d = noBitmap ? 14 : 12;
        destSize = QSizeF(r.i16(d + 2), r.i16(d));
        destPos = QPointF(r.i16(d + 6), r.i16(d + 4));
        bitmapAt = 20;
    } else {
        const qsizetype d = noBitmap ? 10 : 8;
        destSize = QSizeF(r.i16(d + 2), r.i16(d));
        destPos = QPointF(r.i16(d + 6), r.i16(d + 4));
        source = QRectF(r.i16(6), r.i16(4), destSize.width(), destSize.height());
        bitmapAt = 16;
    }

    const quint8 op = quint8(rop >> 16);
    const bool usesSource = op != rec::RopPatCopy && op != rec::RopPatInvert && op != rec::RopDstInvert
                         && op != rec::RopBlackness && op != rec::RopWhiteness && op != rec::RopDst;
    if (noBitmap || !usesSource) {
        fillDeviceRect(devRect(QRectF(destPos, destSize)), rop);
        return;
    }

    QImage image;
    bool topDown = true;
    const bool deviceBitmap = fn == rec::BitBlt || fn == rec::StretchBlt;
    if (!spend(kDecodePixelCost * DibDecoder::claimedPixels(r, bitmapAt, !deviceBitmap)))
        return;
    if (deviceBitmap) {
        image = DibDecoder::decodeBitmap16(r, bitmapAt);
    } else {
        image = DibDecoder::decodeDib(r, bitmapAt, usage, m_dc.palette, &topDown);
    }
    if (image.isNull())
        return;
    if (image.format() == QImage::Format_Mono) // device bitmap: 0 = text colour, 1 = background
        image = colourMono(image, color(m_dc.textColor), color(m_dc.bkColor));
    if (!topDown && !source.isEmpty())
        source.moveTop(image.height() - source.top() - source.height());
    drawBitmap(image, source, destPos, destSize, rop);
}

void Player::drawBitmap(const QImage &image, QRectF source, QPointF destPos, QSizeF destSize, quint32 rop)
{
    const QPointF a = dev(destPos), b = dev(destPos + QPointF(destSize.width(), destSize.height()));
    bool flipX = b.x() < a.x(), flipY = b.y() < a.y();
    if (source.width() < 0) {
        source = QRectF(source.right(), source.top(), -source.width(), source.height());
        flipX = !flipX;
    }
    if (source.height() < 0) {
        source = QRectF(source.left(), source.bottom(), source.width(), -source.height());
        flipY = !flipY;
    }
    const QRect src = source.toRect().intersected(image.rect());
    const QRectF target = QRectF(a, b).normalized();
    if (src.isEmpty() || target.isEmpty())
        return;
    if (m_cost && !spend(m_cost->image(qint64(src.width()) * src.height(), target)))
        return;
    QImage picture = src == image.rect() ? image : image.copy(src);
    if (flipX || flipY)
        picture = picture.mirrored(flipX, flipY);

    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    switch (quint8(rop >> 16)) {
    case rec::RopSrcAnd: // the white part leaves the page alone
        picture = keyOut(picture, qRgb(255, 255, 255));
        mode = QPainter::CompositionMode_Multiply;
        break;
    case rec::RopSrcPaint: // the black part leaves the page alone
        picture = keyOut(picture, qRgb(0, 0, 0));
        mode = QPainter::CompositionMode_Lighten;
        break;
    case rec::RopSrcInvert:
        picture = keyOut(picture, qRgb(0, 0, 0));
        mode = QPainter::CompositionMode_Difference;
        break;
    case rec::RopNotSrcCopy:
        picture.invertPixels();
        break;
    case rec::RopMergePaint:
        picture.invertPixels();
        picture = keyOut(picture, qRgb(0, 0, 0));
        mode = QPainter::CompositionMode_Lighten;
        break;
    default:
        break;
    }
    const bool smooth = m_dc.stretchMode == rec::Halftone || target.width() * m_kx < picture.width()
                     || target.height() * m_ky < picture.height();
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    m_painter.setCompositionMode(mode);
    m_painter.drawImage(target, picture);
    resetComposition();
}

} // namespace wortilo::wmf
