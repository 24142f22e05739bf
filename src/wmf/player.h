// SPDX-License-Identifier: MIT
#pragma once

#include "devicecontext.h"
#include "drawcost.h"
#include "metafiledata.h"
#include "objecttable.h"
#include "recordreader.h"
#include "textdecoder.h"
#include "wmf/metafile.h"

#include <QBrush>
#include <QFont>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <QTransform>

#include <optional>
#include <vector>

namespace wortilo::wmf {

// Plays a parsed metafile's records onto a QPainter, as Windows would play them into a frame:
// logical coordinates go through the window/viewport mapping into device space, and device space's
// frame is stretched onto the target rectangle. Geometry is mapped by us (not by the painter) so
// arcs, pen widths and fonts follow Windows' rules; the painter only gets the final stretch.
class Player
{
public:
    // Work units (see RenderLimits and DrawCost) for what the cost model of drawing leaves out.
    static constexpr qint64 kRecordCost = 40;        // reading and dispatching a record
    static constexpr qint64 kPointCost = 10;         // reading and mapping a point
    static constexpr qint64 kClipElementCost = 3000; // combining clip paths, per element
    static constexpr qint64 kTextCost = 2000;        // laying out a string
    static constexpr qint64 kCharacterCost = 1500;   // shaping and placing a character
    static constexpr qint64 kDecodePixelCost = 4;    // decoding a bitmap, per pixel
    static constexpr qint64 kMaxDashWork = 20'000'000; // a dashed line dearer than this is drawn solid
    static constexpr int kMaxSavedStates = 1024;
    static constexpr int kMaxClipElements = 4000;

    Player(const MetafileData &data, QPainter &painter, const RenderLimits &limits);

    RenderOutcome play(const QRectF &target);

    // The device-space bounds of everything the file draws, for files that state no size at all;
    // empty when the processor-time guard stopped the measuring.
    static QRectF contentBounds(const MetafileData &data);

private:
    void reset();
    bool playRecord(const RecordRef &record);
    // Charges work; false (and the rendering stops) when it is more than what is left.
    bool spend(qint64 units);
    bool outOfTime();

    // Mapping helpers (logical → device space, clamped to a safe range).
    QPointF dev(QPointF logical) const;
    QRectF devRect(const QRectF &logical) const;
    QColor color(quint32 colorRef) const;

    // Painter state.
    void applyClip();
    bool preparePen();   // false when nothing would be drawn (ROP2 no-op)
    bool prepareBrush();
    bool prepareRop(QColor *forced);
    QPen makePen() const;
    QBrush makeBrush(const BrushObject &brush) const;
    QBrush patternBrush(const QImage &pattern) const;
    void resetComposition();

    // Drawing.
    void flushLines();
    void limitDashes(QPen &pen, const QPainterPath &path) const;
    void readPoints(const RecordReader &r, qsizetype offset, qsizetype count, QPolygonF &out);
    void drawPolygon(const RecordReader &r);
    void drawPolyline(const RecordReader &r);
    void drawPolyPolygon(const RecordReader &r);
    void drawShape(const QPainterPath &path, bool fill, bool stroke);
    // Charges for drawing path with pen and brush (and the current clip); false when out of work.
    bool spendOnPath(const QPainterPath &path, const QPen &pen, const QBrush &brush);
    // What an arc record draws: the curve alone, a pie slice to the centre, or the curve closed by its chord.
    enum class ArcKind { Open, Pie, Chord };
    void drawArc(const RecordReader &r, ArcKind kind);
    void drawText(QPointF reference, const char *bytes, qsizetype length, quint16 options,
                  const QRectF *rect, const RecordReader *dxReader, qsizetype dxOffset, qsizetype dxCount);
    void drawTextOut(const RecordReader &r);
    void drawExtTextOut(const RecordReader &r);
    void drawBitmap(const QImage &image, QRectF source, QPointF destPos, QSizeF destSize, quint32 rop);
    void fillDeviceRect(const QRectF &deviceRect, quint32 rop);
    void bitBlt(const RecordReader &r, quint16 function);
    void fillPath(const QPainterPath &path, const QBrush &brush, QPainter::CompositionMode mode);

    // Objects and state records.
    void createPen(const RecordReader &r);
    void createBrush(const RecordReader &r);
    void createDibPatternBrush(const RecordReader &r);
    void createPatternBrush(const RecordReader &r);
    // Adds a pattern brush; one whose pattern did not decode paints nothing.
    void addPatternBrush(quint16 style, const QImage &pattern, bool bitmap16);
    void createFont(const RecordReader &r);
    void createPalette(const RecordReader &r);
    void createRegion(const RecordReader &r);
    void selectObject(int index);
    void selectClipRegion(int index);
    void intersectClip(const QRectF &deviceRect);
    void excludeClip(const QRectF &deviceRect);
    QPainterPath regionPath(const QRegion &region) const;
    void restoreDc(int which);
    QFont qfontFor(const FontObject &font, qreal pixelSize, qreal *ascent, qreal *descent);

    const MetafileData &m_data;
    QPainter &m_painter;
    RenderLimits m_limits;
    RenderOutcome m_outcome;
    std::optional<DrawCost> m_cost; // empty when the work is not limited
    qint64 m_processorStartNs = 0;
    qint64 m_workAtLastCheck = 0;
    int m_recordsSinceCheck = 0;
    DeviceContext m_dc;
    std::vector<DeviceContext> m_saved;
    ObjectTable m_objects;
    TextDecoder m_text;

    QTransform m_world;      // device space → painter device
    qreal m_kx = 1, m_ky = 1; // pixels per device unit on each axis
    qreal m_zoom = 1;         // pixels per natural (96 dpi) pixel: scales dash and pattern sizes
    QRectF m_clampBox;        // device-space range kept away from the rasteriser's limits
    QRectF m_frame;
    bool m_stateDirty = true; // the painter's pen/brush/composition need setting again
    bool m_wantAntialias = true;
    quint64 m_nextFontId = 1;

    QPainterPath m_lines; // pending MOVETO/LINETO segments, stroked together
    QPolygonF m_points;   // reused point buffer

    // Cache of the last font built for text.
    quint64 m_fontKeyId = 0;
    int m_fontKeySize = -1;
    QFont m_font;
    qreal m_fontAscent = 0, m_fontDescent = 0, m_fontEmScale = 1;
};

} // namespace wortilo::wmf
