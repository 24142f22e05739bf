// SPDX-License-Identifier: MIT
#include "picture.h"

#include "core/largememory.h"
#include "core/twips.h"
#include "pictureformat.h"
#include "wmf/metafile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>
#include <array>
#include <cmath>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>


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

// A whole factor smaller: each k × k block of an RGB32 or premultiplied ARGB32 picture becomes
// the average of its pixels. Qt's smooth scaling of a big picture hands its rows to the
// application's shared thread pool, where the window's own painting (which Qt also spreads over
// that pool) would then wait behind them; after this, the rest of the way is short.
QImage shrunkBy(const QImage &image, int k)
{
    const int w = image.width() / k, h = image.height() / k;
    QImage out(w, h, image.format());
    if (out.isNull())
        return image;
    std::vector<quint32> sums(std::size_t(w) * 4);
    const quint32 n = quint32(k) * quint32(k);
    for (int y = 0; y < h; ++y) {
        std::fill(sums.begin(), sums.end(), 0);
        for (int dy = 0; dy < k; ++dy) {
            const auto *line = reinterpret_cast<const quint32 *>(image.constScanLine(y * k + dy));
            for (int x = 0; x < w; ++x) {
                quint32 *sum = &sums[std::size_t(x) * 4];
                for (const quint32 *p = line + std::ptrdiff_t(x) * k, *end = p + k; p != end; ++p) {
                    sum[0] += *p >> 24;
                    sum[1] += (*p >> 16) & 0xff;
                    sum[2] += (*p >> 8) & 0xff;
                    sum[3] += *p & 0xff;
                }
            }
        }
        auto *line = reinterpret_cast<quint32 *>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const quint32 *sum = &sums[std::size_t(x) * 4];
            line[x] = (sum[0] + n / 2) / n << 24 | (sum[1] + n / 2) / n << 16 | (sum[2] + n / 2) / n << 8
                      | (sum[3] + n / 2) / n;
        }
    }
    return out;
}

// A photo is decoded no smaller than this on either side (when it is larger): enough for a
// frame of up to about 600 pixels, and the exercise frames are 353 × 257.
constexpr int kDecodeSide = 600;
// A decoded photo never holds more: the largest photo allowed, shrunk by 8 in both directions.
constexpr qint64 kMaxDecodedPixels = Picture::kMaxPhotoPixels / 64;

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
    LargeBytes room(size);
    if (room.isNull())
        return unloadable(Fault::TooLarge);
    const qint64 got = file.read(room.data(), size);
    if (got < 0)
        return unloadable(Fault::Unreadable);
    QByteArray bytes = room.bytes(got);
    if (!file.atEnd()) // it grew since: the bytes are copied into a buffer of their own
        bytes += file.read(kMaxFileBytes + 1 - got);
    // A metafile keeps its bytes, and the room is gone with this function.
    if (sniffFormat(bytes) == "wmf")
        bytes = QByteArray(bytes.constData(), bytes.size());
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
    // Decoded into large pages where the picture is large; Qt's readers fill an image of the size
    // and format they would make.
    QImage image = largeImage(format == "jpeg" ? reader.scaledSize() : stored, reader.imageFormat());
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
    const QImage &raster = m_data->raster;
    if (raster.size() == pixelSize)
        return raster;
    const int k = std::min(raster.width() / pixelSize.width(), raster.height() / pixelSize.height());
    const bool shrinkable = raster.format() == QImage::Format_RGB32 || raster.format() == QImage::Format_ARGB32_Premultiplied;
    return (k >= 2 && shrinkable ? shrunkBy(raster, k) : raster)
        .scaled(pixelSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
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
