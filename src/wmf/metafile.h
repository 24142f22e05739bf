// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>

#include <memory>
#include <optional>

class QPainter;

namespace wortilo::wmf {

struct MetafileData;

// A parsed Windows Metafile that can be drawn at any size.
//
// Size: a file with the 22-byte placeable header measures its bounding box in the header's units
// per inch. Without one, the window extent the file sets is taken as pixels at 96 dpi (what the
// picture looks like on a screen), and a file that sets no window at all measures what it draws.
// Drawing: the picture's frame (the window the file draws in) is stretched onto the target.
class Metafile
{
public:
    // Parses a WMF (with or without the 22-byte placeable header). std::nullopt when the data
    // is not a metafile we can draw (text, truncated header, nothing drawable...).
    // The bytes are kept (implicitly shared), so data made by QByteArray::fromRawData must outlive
    // the Metafile.
    static std::optional<Metafile> parse(const QByteArray &data);
    // The picture's natural size in whole twips (1440 per inch; 15 twips per pixel at 96 dpi).
    QSize naturalSizeTwips() const;
    // Draws the whole picture stretched into target (aspect ratio not kept), on the painter's device.
    void render(QPainter &painter, const QRectF &target) const;
    // Convenience: an ARGB32 image of the given pixel size, transparent where nothing is drawn.
    QImage toImage(const QSize &pixelSize) const;

    // Number of records found (META_EOF not counted).
    int recordCount() const;
    // The natural size in pixels at the given resolution (rounded, at least 1x1).
    QSize naturalSizePixels(qreal dpi = 96) const;

    // Limits that keep hostile files harmless.
    static constexpr int kMaxRecords = 1 << 21;
    static constexpr qint64 kMaxBytes = qint64(256) << 20;

private:
    explicit Metafile(std::shared_ptr<const MetafileData> data);
    std::shared_ptr<const MetafileData> m_data;
};

} // namespace wortilo::wmf
