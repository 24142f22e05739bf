// SPDX-License-Identifier: MIT
#include "wmf/metafile.h"

#include "metafiledata.h"
#include "player.h"
#include "recordreader.h"
#include "records.h"

#include <QPainter>

#include <cmath>

namespace wortilo::wmf {

namespace {

constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
constexpr int kPlaceableSize = 22;
constexpr int kHeaderSize = 18;

// The window and viewport as the file leaves them just before it first draws.
struct EarlyMapping {
    int mapMode = rec::MmAnisotropic;
    std::optional<QPointF> windowOrg, windowExt, viewportOrg, viewportExt;
};

void trackMapping(EarlyMapping &m, quint16 function, const RecordReader &r)
{
    switch (function) {
    case rec::SetMapMode: {
        const int mode = r.u16(0);
        if (mode >= rec::MmText && mode <= rec::MmAnisotropic)
            m.mapMode = mode;
        break;
    }
    case rec::SetWindowOrg: m.windowOrg = r.pointYX(0); break;
    case rec::SetViewportOrg: m.viewportOrg = r.pointYX(0); break;
    case rec::SetWindowExt:
    case rec::SetViewportExt: {
        const QPointF ext = r.pointYX(0);
        if (ext.x() != 0 && ext.y() != 0)
            (function == rec::SetWindowExt ? m.windowExt : m.viewportExt) = ext;
        break;
    }
    default:
        break;
    }
}

QSize twipsFromPixels(QSizeF pixels)
{
    return QSize(std::max(1, int(std::lround(std::min(pixels.width() * 15, 2e9)))),
                 std::max(1, int(std::lround(std::min(pixels.height() * 15, 2e9)))));
}

} // namespace

Metafile::Metafile(std::shared_ptr<const MetafileData> data) : m_data(std::move(data)) {}

std::optional<Metafile> Metafile::parse(const QByteArray &bytes)
{
    if (bytes.size() < kHeaderSize || bytes.size() > kMaxBytes)
        return std::nullopt;
    auto data = std::make_shared<MetafileData>();
    data->bytes = bytes;
    const RecordReader file(reinterpret_cast<const uchar *>(data->bytes.constData()), data->bytes.size());

    qsizetype pos = 0;
    bool placeable = false;
    QRectF box; // left, top, right, bottom as stored (right and bottom are exclusive)
    int unitsPerInch = 0;
    if (file.u32(0) == kPlaceableKey) {
        placeable = true;
        box = QRectF(QPointF(file.i16(6), file.i16(8)), QPointF(file.i16(10), file.i16(12)));
        unitsPerInch = file.u16(14);
        pos = kPlaceableSize;
    }
    // The metafile header: type 1 (memory) or 2 (disk), header size 9 words, version 1.0 or 3.0.
    const quint16 type = file.u16(pos), headerWords = file.u16(pos + 2), version = file.u16(pos + 4);
    if (!file.has(pos, kHeaderSize) || (type != 1 && type != 2) || headerWords != 9
        || (version != 0x0100 && version != 0x0300))
        return std::nullopt;
    data->objectCount = file.u16(pos + 10);
    pos += kHeaderSize;

    // Walk the records. The header's total size is not trusted: we stop at META_EOF, at the end
    // of the data, or at a record whose size is impossible.
    EarlyMapping early;
    bool drawn = false;
    std::optional<QPointF> laterWindowExt, laterWindowOrg;
    const qsizetype size = data->bytes.size();
    data->records.reserve(size_t(std::min<qsizetype>(size / 8, 1 << 16)));
    while (pos + 6 <= size && data->records.size() < size_t(kMaxRecords)) {
        const quint32 words = file.u32(pos);
        const quint16 function = file.u16(pos + 4);
        if (function == rec::Eof)
            break;
        if (words < 3 || qint64(words) * 2 > size - pos)
            break;
        const qsizetype recordBytes = qsizetype(words) * 2;
        data->records.push_back({quint32(pos + 6), quint32(recordBytes - 6), function});
        const RecordReader r(reinterpret_cast<const uchar *>(data->bytes.constData()) + pos + 6, recordBytes - 6);
        if (!drawn) {
            if (rec::isDrawing(function))
                drawn = true;
            else
                trackMapping(early, function, r);
        } else if (!laterWindowExt && function == rec::SetWindowExt && r.i16(0) != 0 && r.i16(2) != 0) {
            laterWindowExt = r.pointYX(0);
            laterWindowOrg = early.windowOrg;
        } else if (laterWindowExt && !laterWindowOrg && function == rec::SetWindowOrg) {
            laterWindowOrg = r.pointYX(0);
        }
        pos += recordBytes;
    }
    if (!drawn)
        return std::nullopt;

    // The frame: what a program playing the file into a picture frame maps onto that frame.
    const bool usableBox = placeable && unitsPerInch > 0 && box.width() != 0 && box.height() != 0;
    if (usableBox) {
        // The window starts as the bounding box; the file's own window (if any) replaces it and is
        // stretched onto the same viewport, so the box only decides the size.
        const QRectF b = box.normalized();
        data->windowOrg = b.topLeft();
        data->windowExt = QPointF(b.width(), b.height());
        data->viewportOrg = QPointF(0, 0);
        data->viewportExt = data->windowExt;
        data->deviceDpi = unitsPerInch;
        data->frame = QRectF(0, 0, b.width(), b.height());
        data->naturalTwips = QSize(std::max(1, int(std::lround(b.width() * 1440.0 / unitsPerInch))),
                                   std::max(1, int(std::lround(b.height() * 1440.0 / unitsPerInch))));
        return Metafile(std::move(data));
    }

    const bool scalable = early.mapMode == rec::MmAnisotropic || early.mapMode == rec::MmIsotropic;
    std::optional<QPointF> ext = early.windowExt ? early.windowExt : laterWindowExt;
    std::optional<QPointF> org = early.windowExt ? early.windowOrg : laterWindowOrg;
    if (scalable && ext) {
        const QPointF e(std::abs(ext->x()), std::abs(ext->y()));
        data->windowOrg = org.value_or(QPointF(0, 0));
        data->windowExt = *ext;
        data->viewportOrg = QPointF(0, 0);
        data->viewportExt = e;
        data->frame = QRectF(0, 0, e.x(), e.y());
        if (early.viewportExt) {
            // The file sets its own viewport: the frame is that viewport, in device pixels.
            const QPointF vo = early.viewportOrg.value_or(QPointF(0, 0));
            data->frame = QRectF(vo, QSizeF(early.viewportExt->x(), early.viewportExt->y())).normalized();
        }
    } else {
        // Nothing says how big the picture is: measure what it draws, one logical unit per pixel
        // (fixed map modes still use their physical units at 96 dpi).
        data->frame = Player::contentBounds(*data);
    }
    if (!data->frame.isValid() || data->frame.width() < 1e-6 || data->frame.height() < 1e-6)
        return std::nullopt;
    data->naturalTwips = twipsFromPixels(data->frame.size());
    return Metafile(std::move(data));
}

QSize Metafile::naturalSizeTwips() const
{
    return m_data->naturalTwips;
}

QSize Metafile::naturalSizePixels(qreal dpi) const
{
    const QSize t = m_data->naturalTwips;
    return QSize(std::max(1, int(std::lround(t.width() * dpi / 1440))),
                 std::max(1, int(std::lround(t.height() * dpi / 1440))));
}

int Metafile::recordCount() const
{
    return int(m_data->records.size());
}

RenderOutcome Metafile::render(QPainter &painter, const QRectF &target, const RenderLimits &limits) const
{
    if (!painter.isActive())
        return {};
    Player player(*m_data, painter, limits);
    return player.play(target);
}

QImage Metafile::toImage(const QSize &pixelSize, RenderOutcome *outcome, const RenderLimits &limits) const
{
    if (pixelSize.isEmpty())
        return {};
    QImage image(pixelSize, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        const RenderOutcome done = render(painter, QRectF(QPointF(0, 0), QSizeF(pixelSize)), limits);
        if (outcome)
            *outcome = done;
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace wortilo::wmf
