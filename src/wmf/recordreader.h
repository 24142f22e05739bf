// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>
#include <QPointF>
#include <QRectF>

namespace wortilo::wmf {

// Little-endian reads from one record's parameter bytes. Every read is bounds-checked and yields 0
// past the end, so hostile records can never make us read outside the file.
class RecordReader
{
public:
    RecordReader() = default;
    RecordReader(const uchar *data, qsizetype size) : m_data(data), m_size(size < 0 ? 0 : size) {}

    qsizetype size() const { return m_size; }
    bool has(qsizetype offset, qsizetype count) const
    {
        return offset >= 0 && count >= 0 && offset <= m_size && count <= m_size - offset;
    }
    const uchar *data() const { return m_data; }
    // Pointer to count bytes at offset, or nullptr when they are not all inside the record.
    const uchar *bytes(qsizetype offset, qsizetype count) const
    {
        return has(offset, count) ? m_data + offset : nullptr;
    }

    quint8 u8(qsizetype offset) const { return has(offset, 1) ? m_data[offset] : 0; }
    quint16 u16(qsizetype offset) const
    {
        return has(offset, 2) ? quint16(m_data[offset] | (m_data[offset + 1] << 8)) : 0;
    }
    qint16 i16(qsizetype offset) const { return qint16(u16(offset)); }
    quint32 u32(qsizetype offset) const
    {
        return has(offset, 4) ? quint32(m_data[offset]) | (quint32(m_data[offset + 1]) << 8)
                        | (quint32(m_data[offset + 2]) << 16) | (quint32(m_data[offset + 3]) << 24)
                              : 0;
    }
    qint32 i32(qsizetype offset) const { return qint32(u32(offset)); }

    // WMF stores coordinate pairs as (y, x): the point whose y is at offset and x at offset + 2.
    QPointF pointYX(qsizetype offset) const { return QPointF(i16(offset + 2), i16(offset)); }
    // A point stored as (x, y), used by polygons and POINTS fields.
    QPointF pointXY(qsizetype offset) const { return QPointF(i16(offset), i16(offset + 2)); }
    // Rectangles are stored bottom, right, top, left (reversed) in drawing records.
    QRectF rectBRTL(qsizetype offset) const
    {
        const qreal bottom = i16(offset), right = i16(offset + 2), top = i16(offset + 4),
                    left = i16(offset + 6);
        return QRectF(QPointF(left, top), QPointF(right, bottom));
    }
    // Rectangles stored left, top, right, bottom (the RECT structure inside records).
    QRectF rectLTRB(qsizetype offset) const
    {
        return QRectF(QPointF(i16(offset), i16(offset + 2)), QPointF(i16(offset + 4), i16(offset + 6)));
    }

private:
    const uchar *m_data = nullptr;
    qsizetype m_size = 0;
};

} // namespace wortilo::wmf
