// SPDX-License-Identifier: MIT
#pragma once

#include "gdiobjects.h"

#include <QPainterPath>
#include <QPointF>
#include <QRectF>

namespace wortilo::wmf {

// The clipping area in device space: nothing, one rectangle (the common and fast case) or a path.
struct ClipArea {
    enum Kind { None, Rect, Path };
    Kind kind = None;
    QRectF rect;
    QPainterPath path;
};

// The drawing state that SAVEDC/RESTOREDC save and restore, plus the window/viewport mapping from
// the metafile's logical coordinates to our device space (the picture's frame lives in device space).
class DeviceContext
{
public:
    PenObject pen;
    BrushObject brush;
    FontObject font;
    QList<QRgb> palette;

    quint32 textColor = 0x000000;
    quint32 bkColor = 0xffffff;
    int bkMode = rec::Opaque;
    int polyFillMode = rec::Alternate;
    int rop2 = rec::R2CopyPen;
    quint16 textAlign = 0;
    int stretchMode = rec::BlackOnWhite;
    int charExtra = 0;
    int breakExtra = 0;
    int breakCount = 0;

    int mapMode = rec::MmAnisotropic;
    QPointF windowOrg{0, 0};
    QPointF windowExt{1, 1};
    QPointF viewportOrg{0, 0};
    QPointF viewportExt{1, 1};
    qreal deviceDpi = 96; // resolution of device space, for the fixed map modes

    QPointF position; // current position, logical
    ClipArea clip;

    // Logical → device mapping.
    QPointF toDevice(QPointF logical) const
    {
        return QPointF((logical.x() - windowOrg.x()) * m_sx + viewportOrg.x(),
                       (logical.y() - windowOrg.y()) * m_sy + viewportOrg.y());
    }
    QRectF toDevice(const QRectF &logical) const
    {
        return QRectF(toDevice(logical.topLeft()), toDevice(logical.bottomRight())).normalized();
    }
    QPointF toLogical(QPointF device) const
    {
        return QPointF((device.x() - viewportOrg.x()) / m_sx + windowOrg.x(),
                       (device.y() - viewportOrg.y()) / m_sy + windowOrg.y());
    }
    qreal scaleX() const { return m_sx; }
    qreal scaleY() const { return m_sy; }

    // Recomputes the scale factors; call after any change to the map mode, window or viewport.
    void updateMapping();

private:
    qreal m_sx = 1;
    qreal m_sy = 1;
};

} // namespace wortilo::wmf
