// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>

#include <functional>
#include <memory>
#include <optional>

class QPainter;

namespace wortilo::wmf {

struct MetafileData;

// How much one rendering may draw, so that no file can keep the program busy: a teacher's folder
// may hold anything. Drawing is charged by its cost model (see drawcost.h: cells crossed, rows
// spanned, pixels filled, pen widths, dashes, clip paths, bitmap pixels), which is the same on
// every machine, so a file draws the same everywhere: the work budget is the limit. A rendering
// that runs out of work stops after the last record it could afford: what was drawn stays.
// Behind it a guard measures the processor time the rendering thread spends (time spent waiting
// for the processor does not count), so generously that it only stops a rendering whose cost the
// model misjudged badly; such a rendering is not a picture to keep (see RenderOutcome::outOfTime).
// Both limits hold for targets up to the program's largest frame (kLargestFrame pixels); a larger
// target gets them in proportion to its area, as any picture takes longer there, but at most
// kMaxGrowth times, so that no rendering up to 1200 x 900 pixels takes much over 0.3 s.
struct RenderLimits {
    // About 0.15 s of drawing on a 2-core PC; no test file uses a tenth of it at the frame sizes.
    static constexpr qint64 kDefaultWork = 150'000'000;
    static constexpr qint64 kLargestFrame = 600 * 437;
    static constexpr double kMaxGrowth = 2;
    qint64 work = kDefaultWork;
    qint64 guardNs = 600'000'000; // processor time; 0 or less: no guard
    // The rendering thread's processor time in nanoseconds since the rendering started; empty:
    // the thread's own processor clock.
    std::function<qint64()> processorNs;
};

// What a rendering did.
struct RenderOutcome {
    bool complete = true;   // every record was played
    bool outOfWork = false; // stopped because the next record cost more than the work left
    // Stopped by the processor-time guard: the picture is cut at a record that depends on the
    // machine, so the image must not be shown as the picture.
    bool outOfTime = false;
    qint64 work = 0;        // work units spent
    int recordsPlayed = 0;
};

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
    // Draws the whole picture stretched into target (aspect ratio not kept), on the painter's
    // device, or as much of it as the limits allow.
    RenderOutcome render(QPainter &painter, const QRectF &target, const RenderLimits &limits = {}) const;
    // Convenience: an ARGB32 image of the given pixel size, transparent where nothing is drawn.
    QImage toImage(const QSize &pixelSize, RenderOutcome *outcome = nullptr, const RenderLimits &limits = {}) const;

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
