// SPDX-License-Identifier: MIT
#include "picture.h"

#include "core/twips.h"
#include "wmf/metafile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <array>
#include <cmath>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>


namespace wortilo {

struct Picture::Data {
    Status status = Status::Unloadable;
    Fault fault = Fault::None;
    QByteArray format;
    QSize twips;
    QSize pixels;
    QImage raster;
    std::optional<wmf::Metafile> metafile;
};

namespace {

// A photo is decoded no smaller than this on either side (when it is larger): enough for a
// frame of up to about 600 pixels, and the exercise frames are 353 × 257.
constexpr int kDecodeSide = 600;
// A decoded photo never holds more: the largest photo allowed, shrunk by 8 in both directions.
constexpr qint64 kMaxDecodedPixels = Picture::kMaxPhotoPixels / 64;

quint32 le32(const QByteArray &d, qsizetype at)
{
    const auto *p = reinterpret_cast<const uchar *>(d.constData()) + at;
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}
quint16 le16(const QByteArray &d, qsizetype at)
{
    const auto *p = reinterpret_cast<const uchar *>(d.constData()) + at;
    return quint16(p[0] | p[1] << 8);
}
uchar byteAt(const QByteArray &d, qsizetype at)
{
    return uchar(d.at(at));
}

// The format told by the first bytes of the file.
QByteArray sniffFormat(const QByteArray &d)
{
    if (d.startsWith("BM"))
        return "bmp";
    if (d.size() >= 3 && byteAt(d, 0) == 0xFF && byteAt(d, 1) == 0xD8 && byteAt(d, 2) == 0xFF)
        return "jpeg";
    if (d.startsWith("GIF87a") || d.startsWith("GIF89a"))
        return "gif";
    // Placeable metafile key, or a plain metafile header (type 1 or 2, header of 9 words).
    if (d.size() >= 4 && le32(d, 0) == 0x9AC6CDD7u)
        return "wmf";
    if (d.size() >= 18 && (le16(d, 0) == 1 || le16(d, 0) == 2) && le16(d, 2) == 9
        && (le16(d, 4) == 0x0100 || le16(d, 4) == 0x0300))
        return "wmf";
    return {};
}

// Qt's readers decode a cut-off file without complaint and fill the missing part with grey or
// black. These checks tell whether the file holds all of its picture data.

// Damaged when cut off, TooLarge when its sides are past the limits.
Picture::Fault bmpFault(const QByteArray &d)
{
    using Fault = Picture::Fault;
    if (d.size() < 26)
        return Fault::Damaged;
    const qint64 offBits = le32(d, 10);
    const quint32 headerSize = le32(d, 14);
    qint64 width = 0, height = 0;
    int bitsPerPixel = 0;
    quint32 compression = 0, sizeImage = 0;
    if (headerSize == 12) {
        width = le16(d, 18);
        height = le16(d, 20);
        bitsPerPixel = le16(d, 24);
    } else {
        if (d.size() < 38)
            return Fault::Damaged;
        width = qint32(le32(d, 18));
        height = qint32(le32(d, 22));
        bitsPerPixel = le16(d, 28);
        compression = le32(d, 30);
        sizeImage = le32(d, 34);
    }
    height = height < 0 ? -height : height;
    // Sizes past the limits are refused anyway; checking first keeps the arithmetic in range.
    if (width <= 0 || height == 0 || bitsPerPixel <= 0 || bitsPerPixel > 64)
        return Fault::Damaged;
    if (width > Picture::kMaxSide || height > Picture::kMaxSide)
        return Fault::TooLarge;
    qint64 pixelBytes = 0;
    if (compression == 0 || compression == 3 || compression == 6) {
        const qint64 stride = (width * bitsPerPixel + 31) / 32 * 4;
        pixelBytes = stride * height;
    } else {
        pixelBytes = qMax<qint64>(sizeImage, 1); // run-length data: as much as the header claims
    }
    return d.size() >= offBits + pixelBytes ? Fault::None : Fault::Damaged;
}

// What the markers of a JPEG tell before anything is decoded.
struct JpegLayout {
    bool complete = false;
    // The decoder keeps the whole picture's coefficients in memory, however small it decodes:
    // a progressive JPEG, or one whose first scan does not carry every colour component.
    bool wholePictureInMemory = false;
    // Start-of-scan markers from the first scan on, counted where the decoder goes over the
    // picture once per scan (otherwise a second scan ends the decoding, and 0 is given). Scan
    // data cannot contain the marker, so the count is exact unless a segment between scans
    // happens to hold its bytes.
    qsizetype scans = 0;
};

JpegLayout jpegLayout(const QByteArray &d)
{
    qsizetype pos = 2;
    const qsizetype n = d.size();
    bool progressive = false;
    int components = 0;
    while (pos < n) {
        if (byteAt(d, pos) != 0xFF)
            return {};
        while (pos < n && byteAt(d, pos) == 0xFF)
            ++pos;
        if (pos >= n)
            return {};
        const uchar marker = byteAt(d, pos);
        ++pos;
        if (marker == 0xD9)
            return {}; // end of image before any scan
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue;
        if (pos + 2 > n)
            return {};
        const int length = byteAt(d, pos) << 8 | byteAt(d, pos + 1);
        if (length < 2 || pos + length > n)
            return {};
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame && length >= 8) {
            progressive = (marker & 3) == 2;
            components = byteAt(d, pos + 7);
        }
        if (marker == 0xDA) {
            // Start of the (first) scan: the image must end with its marker, which the scan's
            // data cannot contain. Searching from the end finds it at once in a whole file.
            const bool ended = d.lastIndexOf("\xFF\xD9") >= pos;
            const int scanComponents = length >= 3 ? byteAt(d, pos + 2) : 0;
            const bool whole = progressive || scanComponents != components;
            return {ended, whole, whole ? QByteArrayView(d).sliced(pos - 2).count("\xFF\xDA") : 0};
        }
        pos += length;
    }
    return {};
}

bool gifComplete(const QByteArray &d)
{
    const qsizetype n = d.size();
    if (n < 13)
        return false;
    qsizetype pos = 13;
    const uchar screen = byteAt(d, 10);
    if (screen & 0x80)
        pos += 3 * (qsizetype(1) << ((screen & 7) + 1));
    auto skipSubBlocks = [&d, n](qsizetype &p) {
        while (p < n) {
            const uchar size = byteAt(d, p);
            ++p;
            if (size == 0)
                return true;
            p += size;
        }
        return false;
    };
    while (pos < n) {
        const uchar introducer = byteAt(d, pos);
        if (introducer == 0x21) {
            pos += 2;
            if (!skipSubBlocks(pos))
                return false;
        } else if (introducer == 0x2C) {
            if (pos + 10 > n)
                return false;
            const uchar image = byteAt(d, pos + 9);
            pos += 10;
            if (image & 0x80)
                pos += 3 * (qsizetype(1) << ((image & 7) + 1));
            pos += 1; // LZW minimum code size
            return skipSubBlocks(pos); // the first image is all the program shows
        } else {
            return false; // trailer before any image, or garbage
        }
    }
    return false;
}

bool withinLimits(const QSize &size)
{
    return size.width() > 0 && size.height() > 0 && size.width() <= Picture::kMaxSide
           && size.height() <= Picture::kMaxSide && qint64(size.width()) * size.height() <= Picture::kMaxPixels;
}

// The size a photo is decoded at. libjpeg shrinks by 1/2, 1/4 or 1/8 while decoding, which is
// quick and never holds the full picture: the strongest of these that keeps both sides at least
// kDecodeSide pixels, and further while more than kMaxDecodedPixels would remain.
QSize photoDecodeSize(const QSize &stored)
{
    const int shorter = qMin(stored.width(), stored.height());
    int reduction = 1;
    while (reduction < 8 && shorter / (reduction * 2) >= kDecodeSide)
        reduction *= 2;
    while (reduction < 8 && qint64(stored.width() / reduction) * (stored.height() / reduction) > kMaxDecodedPixels)
        reduction *= 2;
    // Rounded down, so that Qt picks exactly this reduction (and no more than a pixel is left to scale).
    return QSize(qMax(1, stored.width() / reduction), qMax(1, stored.height() / reduction));
}

} // namespace

Picture Picture::unloadable(Fault why)
{
    // One shared picture for each fault.
    static const std::array<std::shared_ptr<const Data>, 5> data = [] {
        std::array<std::shared_ptr<const Data>, 5> all;
        for (std::size_t i = 0; i < all.size(); ++i) {
            auto d = std::make_shared<Data>();
            d->fault = Fault(i);
            all[i] = std::move(d);
        }
        return all;
    }();
    return Picture(data[std::size_t(why)]);
}

Picture Picture::load(const QString &path)
{
    if (path.isEmpty())
        return unloadable(Fault::Unreadable);
    // Opened without waiting and read only when it is a regular file: opening a FIFO put in a
    // picture's place while the program runs would wait for a writer for ever.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return unloadable(Fault::Unreadable);
    struct stat info{};
    QFile file;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > kMaxFileBytes
        || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        const bool regular = S_ISREG(info.st_mode);
        ::close(fd);
        return unloadable(regular && info.st_size > kMaxFileBytes ? Fault::TooLarge : Fault::Unreadable);
    }
    // One read into a buffer of just the file's size: a phone photo is some 20 MB, and a larger
    // buffer is fresh memory the system clears at every new word, which took longer than the read.
    const qint64 size = info.st_size;
    QByteArray bytes(size, Qt::Uninitialized);
    const qint64 got = file.read(bytes.data(), size);
    if (got < 0)
        return unloadable(Fault::Unreadable);
    bytes.truncate(got);
    if (!file.atEnd()) // it grew since
        bytes += file.read(kMaxFileBytes + 1 - got);
    return fromData(bytes);
}

Picture Picture::fromData(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return unloadable(Fault::Damaged);
    if (bytes.size() > kMaxFileBytes)
        return unloadable(Fault::TooLarge);
    const QByteArray format = sniffFormat(bytes);
    if (format.isEmpty())
        return unloadable(Fault::NotAPicture);

    auto data = std::make_shared<Data>();
    data->format = format;

    if (format == "wmf") {
        auto metafile = wmf::Metafile::parse(bytes);
        if (!metafile)
            return unloadable(Fault::Damaged);
        const QSize twips = metafile->naturalSizeTwips();
        const QSize pixels(qMax(1, px(twips.width())), qMax(1, px(twips.height())));
        if (twips.width() <= 0 || twips.height() <= 0)
            return unloadable(Fault::Damaged);
        if (!withinLimits(pixels))
            return unloadable(Fault::TooLarge);
        data->metafile = std::move(metafile);
        data->twips = twips;
        data->pixels = pixels;
        data->status = Status::Loaded;
        return Picture(std::move(data));
    }

    const JpegLayout jpeg = format == "jpeg" ? jpegLayout(bytes) : JpegLayout();
    Fault incomplete = Fault::None;
    if (format == "bmp")
        incomplete = bmpFault(bytes);
    else if (!(format == "jpeg" ? jpeg.complete : gifComplete(bytes)))
        incomplete = Fault::Damaged;
    if (incomplete != Fault::None)
        return unloadable(incomplete);

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    reader.setAutoTransform(true);
    // Check the size the header claims before anything is allocated. Qt gives a top-down BMP
    // (rows stored from the top) the negative height of its header; bmpComplete has kept that
    // within kMaxSide.
    QSize stored = reader.size();
    if (format == "bmp")
        stored.setHeight(qAbs(stored.height()));
    if (format == "jpeg") {
        const qint64 limit = jpeg.wholePictureInMemory ? kMaxPixels : kMaxPhotoPixels;
        if (stored.isEmpty())
            return unloadable(Fault::Damaged);
        if (qint64(stored.width()) * stored.height() > limit || jpeg.scans > kMaxJpegScans)
            return unloadable(Fault::TooLarge);
        reader.setScaledSize(photoDecodeSize(stored));
    } else if (!withinLimits(stored)) {
        return unloadable(stored.isEmpty() ? Fault::Damaged : Fault::TooLarge);
    }
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return unloadable(Fault::Damaged);
    if (!withinLimits(image.size()))
        return unloadable(Fault::TooLarge);
    image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                          : QImage::Format_RGB32);
    // A photo's natural size is that of the whole picture, turned as its camera recorded.
    QSize natural = image.size();
    if (format == "jpeg")
        natural = reader.transformation() & QImageIOHandler::TransformationRotate90 ? stored.transposed() : stored;
    data->pixels = natural;
    data->twips = QSize(twips(natural.width()), twips(natural.height()));
    data->raster = std::move(image);
    data->status = Status::Loaded;
    return Picture(std::move(data));
}

Picture::Status Picture::status() const
{
    return m_data ? m_data->status : Status::Empty;
}

Picture::Fault Picture::fault() const
{
    return m_data ? m_data->fault : Fault::None;
}

QByteArray Picture::format() const
{
    return isLoaded() ? m_data->format : QByteArray();
}

QSize Picture::naturalSizeTwips() const
{
    return isLoaded() ? m_data->twips : QSize(0, 0);
}

QSize Picture::naturalSizePixels() const
{
    return isLoaded() ? m_data->pixels : QSize(0, 0);
}

bool Picture::isLandscape() const
{
    const QSize s = naturalSizeTwips();
    return s.width() >= s.height();
}

QImage Picture::render(const QSize &pixelSize, const wmf::RenderLimits &limits) const
{
    if (!isLoaded() || pixelSize.isEmpty())
        return {};
    if (m_data->metafile) {
        for (int attempt = 0; attempt < 2; ++attempt) {
            wmf::RenderOutcome outcome;
            QImage image = m_data->metafile->toImage(pixelSize, &outcome, limits);
            if (!outcome.outOfTime)
                return image;
        }
        return {};
    }
    if (m_data->raster.size() == pixelSize)
        return m_data->raster;
    return m_data->raster.scaled(pixelSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

Picture Picture::withRendering(const QSize &pixelSize) const
{
    Picture copy = *this;
    if (isLoaded())
        copy.m_rendering = std::make_shared<const Rendering>(Rendering{pixelSize, render(pixelSize)});
    return copy;
}

std::optional<QImage> Picture::renderingAt(const QSize &pixelSize) const
{
    if (!m_rendering || m_rendering->size != pixelSize)
        return std::nullopt;
    return m_rendering->image;
}

} // namespace wortilo
