// SPDX-License-Identifier: MIT
#pragma once
#include "wmf/metafile.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>

namespace wortilo {

// A picture of the vocabulary, loaded from a BMP, JPEG, GIF or WMF file. The format is told by
// the file's content, not by its name (a JPEG named .bmp loads; text named .bmp does not).
// A photo is turned the way its camera recorded (the EXIF orientation): a portrait photo stored
// sideways is a portrait picture.
//
// A picture is in one of three states: empty (nothing loaded, as after clearing a frame),
// loaded, or unloadable (the file is missing, empty, truncated, not a picture, or larger than
// the limits below). Loading never fails loudly: an unloadable picture has a natural size of
// 0 × 0, and the frames show it as a neutral placeholder.
//
// Copies are cheap and share the decoded picture.
class Picture
{
public:
    enum class Status { Empty, Loaded, Unloadable };
    // Why a picture is unloadable.
    enum class Fault {
        None,        // empty or loaded
        Unreadable,  // missing, not a regular file, or not readable
        NotAPicture, // the content is none of the four formats
        Damaged,     // cut off, or its data does not decode
        TooLarge,    // beyond the limits below
    };

    // Limits that keep a hostile file from exhausting memory: the file size, either side and
    // the number of pixels of the decoded raster picture.
    static constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;
    static constexpr int kMaxSide = 10000;
    static constexpr qint64 kMaxPixels = 4096LL * 4096LL;
    // A JPEG (what cameras and phones write) is decoded at a reduced size, so it may claim more
    // pixels, and sides beyond kMaxSide: a photo of 100 megapixels loads. A JPEG whose decoder
    // has to hold all of the picture (a progressive one) keeps kMaxPixels.
    static constexpr qint64 kMaxPhotoPixels = qint64(1) << 27;
    // A JPEG may be stored in several scans, each decoded over the whole picture; encoders
    // write at most a few dozen (libjpeg's progressive ones 6 or 10). A file of thousands of tiny
    // scans would take minutes to load; at most this many keep the largest picture to seconds.
    static constexpr int kMaxJpegScans = 64;

    // The empty picture.
    Picture() = default;

    static Picture load(const QString &path);
    static Picture fromData(const QByteArray &data);

    Status status() const;
    bool isEmpty() const { return status() == Status::Empty; }
    bool isLoaded() const { return status() == Status::Loaded; }
    bool isUnloadable() const { return status() == Status::Unloadable; }
    Fault fault() const;

    // "bmp", "jpeg", "gif" or "wmf" for a loaded picture, empty otherwise.
    QByteArray format() const;

    // Natural size in whole twips (raster pictures: 15 twips per pixel of the whole picture turned
    // upright, even where a photo was decoded smaller); 0 × 0 unless loaded.
    QSize naturalSizeTwips() const;
    // Natural size in pixels; 0 × 0 unless loaded.
    QSize naturalSizePixels() const;
    // A picture goes to the landscape frame when it is at least as wide as it is high.
    bool isLandscape() const;

    // The picture stretched to exactly pixelSize (the aspect ratio is not kept): raster pictures
    // are scaled smoothly, metafiles drawn at that size within limits (what a metafile's work
    // budget allowed is kept). A metafile stopped by the processor-time guard is drawn again once;
    // stopped again, it gives a null image, which the frames show as the placeholder, never the
    // part drawn by then. A null image unless loaded.
    QImage render(const QSize &pixelSize, const wmf::RenderLimits &limits = {}) const;

    // A copy that carries its drawing at pixelSize, made now: a worker thread draws a picture
    // before it is shown, and the frame of that size takes the drawing (renderingAt).
    Picture withRendering(const QSize &pixelSize) const;
    // The drawing withRendering made, when it was made for pixelSize (a null image where render
    // gave one); nothing otherwise.
    std::optional<QImage> renderingAt(const QSize &pixelSize) const;

    // Whether two pictures share the same loaded data (copies of one load) and drawing.
    bool isSameAs(const Picture &other) const { return m_data == other.m_data && m_rendering == other.m_rendering; }

private:
    struct Data;
    explicit Picture(std::shared_ptr<const Data> data) : m_data(std::move(data)) {}
    static Picture unloadable(Fault why);

    struct Rendering {
        QSize size;
        QImage image;
    };
    std::shared_ptr<const Data> m_data;
    std::shared_ptr<const Rendering> m_rendering;
};

} // namespace wortilo
