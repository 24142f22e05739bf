// SPDX-License-Identifier: MIT
#include "dibdecoder.h"

#include "core/largememory.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace wortilo::wmf {

namespace {

constexpr quint32 kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitfields = 3, kBiJpeg = 4, kBiPng = 5;

// The palette of a 4-bit device bitmap: the 16 standard VGA colours.
constexpr QRgb kVga16[16] = {
    0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
    0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff,
};

int maskShift(quint32 mask)
{
    if (mask == 0)
        return 0;
    int s = 0;
    while (!(mask & 1u)) {
        mask >>= 1;
        ++s;
    }
    return s;
}

int maskBits(quint32 mask)
{
    int n = 0;
    for (; mask; mask &= mask - 1)
        ++n;
    return n;
}

// Scales a masked channel value to 0..255.
inline int channel(quint32 pixel, quint32 mask, int shift, int bits)
{
    if (!mask || bits <= 0)
        return 0;
    const quint32 v = (pixel & mask) >> shift;
    const quint32 max = bits >= 32 ? 0xffffffffu : ((1u << bits) - 1);
    return int((quint64(v) * 255 + max / 2) / max);
}

bool pixelCountOk(qint64 w, qint64 h)
{
    return w > 0 && h > 0 && w <= 65535 && h <= 65535 && w * h <= DibDecoder::kMaxPixels;
}

// Expands RLE8 / RLE4 data into image (rows stored bottom-up unless topDown), colouring each
// pixel from colors; pixels the data skips or leaves out keep colour 0.
void decodeRle(const uchar *src, qsizetype size, bool rle4, bool topDown, const QList<QRgb> &colors, QImage &image)
{
    const int w = image.width(), h = image.height();
    QRgb table[256];
    for (int k = 0; k < 256; ++k)
        table[k] = colors.value(k);
    image.fill(table[0]);
    qint64 x = 0; // jumps may take it far beyond the row
    int y = 0;
    QRgb *line = nullptr; // the row y, or null below the bitmap
    const auto startLine = [&] {
        line = y < h ? reinterpret_cast<QRgb *>(image.scanLine(topDown ? y : h - 1 - y)) : nullptr;
    };
    startLine();
    auto put = [&](uchar v) {
        if (x < w && line)
            line[x] = table[v];
        ++x;
    };
    qsizetype i = 0;
    while (i + 1 < size && y < h) {
        const uchar count = src[i], value = src[i + 1];
        i += 2;
        if (count > 0) {
            if (!rle4) {
                const qint64 n = std::min<qint64>(count, w - x);
                if (n > 0 && line)
                    std::fill_n(line + x, n, table[value]);
                x += std::max<qint64>(n, 0);
                continue;
            }
            for (int k = 0; k < count && x < w; ++k)
                put((k & 1) ? (value & 0x0f) : (value >> 4));
            continue;
        }
        if (value == 0) { // end of line
            x = 0;
            ++y;
            startLine();
        } else if (value == 1) { // end of bitmap
            break;
        } else if (value == 2) { // delta
            if (i + 1 >= size)
                break;
            x += src[i];
            y += src[i + 1];
            startLine();
            i += 2;
        } else { // absolute run of 'value' pixels
            const int n = value;
            const qsizetype bytes = rle4 ? (n + 1) / 2 : n;
            if (i + bytes > size)
                break;
            for (int k = 0; k < n; ++k) {
                const uchar b = src[i + (rle4 ? k / 2 : k)];
                put(rle4 ? ((k & 1) ? (b & 0x0f) : (b >> 4)) : b);
            }
            i += (bytes + 1) & ~qsizetype(1); // runs are padded to 16 bits
        }
    }
}

} // namespace

qint64 DibDecoder::claimedPixels(const RecordReader &reader, qsizetype offset, bool dib)
{
    qint64 width = 0, height = 0;
    if (!dib) {
        width = reader.i16(offset + 2);
        height = reader.i16(offset + 4);
    } else if (reader.u32(offset) == 12) {
        width = reader.u16(offset + 4);
        height = reader.u16(offset + 6);
    } else if (looksLikeDib(reader, offset)) {
        width = reader.i32(offset + 4);
        height = std::abs(qint64(reader.i32(offset + 8)));
    }
    return pixelCountOk(width, height) ? width * height : 0;
}

bool DibDecoder::looksLikeDib(const RecordReader &reader, qsizetype offset)
{
    const quint32 headerSize = reader.u32(offset);
    return headerSize == 12 || headerSize == 40 || headerSize == 52 || headerSize == 56
        || headerSize == 64 || headerSize == 108 || headerSize == 124;
}

QImage DibDecoder::decodeDib(const RecordReader &reader, qsizetype offset, quint16 colorUsage,
                             const QList<QRgb> &palette, bool *topDownOut)
{
    const quint32 headerSize = reader.u32(offset);
    if (!looksLikeDib(reader, offset) || !reader.has(offset, headerSize))
        return {};
    qint64 width = 0, height = 0;
    int bpp = 0;
    quint32 compression = kBiRgb, colorsUsed = 0, imageSize = 0;
    bool core = headerSize == 12;
    if (core) {
        width = reader.u16(offset + 4);
        height = reader.u16(offset + 6);
        bpp = reader.u16(offset + 10);
    } else {
        width = reader.i32(offset + 4);
        height = reader.i32(offset + 8);
        bpp = reader.u16(offset + 14);
        compression = reader.u32(offset + 16);
        imageSize = reader.u32(offset + 20);
        colorsUsed = reader.u32(offset + 32);
    }
    const bool topDown = height < 0;
    if (topDownOut)
        *topDownOut = topDown;
    if (height < 0)
        height = -height;
    if (!pixelCountOk(width, height))
        return {};

    qsizetype pos = offset + headerSize;

    // Channel masks for 16 and 32 bits.
    quint32 masks[3] = {0, 0, 0};
    if (bpp == 16) {
        masks[0] = 0x7c00; masks[1] = 0x03e0; masks[2] = 0x001f;
    } else if (bpp == 32 || bpp == 24) {
        masks[0] = 0xff0000; masks[1] = 0x00ff00; masks[2] = 0x0000ff;
    }
    if (compression == kBiBitfields) {
        if (headerSize >= 52) {
            for (int k = 0; k < 3; ++k)
                masks[k] = reader.u32(offset + 40 + 4 * k);
        } else {
            for (int k = 0; k < 3; ++k)
                masks[k] = reader.u32(pos + 4 * k);
            pos += 12;
        }
    }

    // Colour table.
    QList<QRgb> colors;
    qint64 tableEntries = colorsUsed;
    if (bpp <= 8 && (tableEntries == 0 || tableEntries > (qint64(1) << bpp)))
        tableEntries = qint64(1) << bpp;
    if (bpp > 8 && tableEntries > 4096)
        tableEntries = 0; // a bogus count for a true-colour bitmap; there is nothing to skip
    if (colorUsage == 1) { // DIB_PAL_COLORS: 16-bit indices into the logical palette
        for (qint64 k = 0; k < tableEntries && reader.has(pos + 2 * k, 2); ++k) {
            const quint16 index = reader.u16(pos + 2 * k);
            colors.append(index < palette.size() ? palette.at(index) : qRgb(index & 0xff, index & 0xff, index & 0xff));
        }
        pos += 2 * tableEntries;
    } else {
        const int entrySize = core ? 3 : 4;
        colors.reserve(int(qMin<qint64>(tableEntries, 256)));
        for (qint64 k = 0; k < tableEntries; ++k) {
            if (bpp <= 8) {
                const qsizetype at = pos + entrySize * k;
                if (!reader.has(at, 3))
                    break;
                colors.append(qRgb(reader.u8(at + 2), reader.u8(at + 1), reader.u8(at)));
            }
        }
        pos += entrySize * tableEntries;
    }
    if (bpp <= 8) {
        // Missing entries (a truncated table) are black, as Windows leaves them.
        while (colors.size() < (1 << bpp))
            colors.append(qRgb(0, 0, 0));
    }
    if (!reader.has(pos, 0))
        return {};
    const qsizetype available = reader.size() - pos;
    const uchar *bits = reader.data() + pos;

    if (compression == kBiJpeg || compression == kBiPng) {
        qsizetype length = imageSize ? qMin<qsizetype>(imageSize, available) : available;
        QByteArray encoded = QByteArray::fromRawData(reinterpret_cast<const char *>(bits), length);
        QBuffer buffer(&encoded);
        buffer.open(QIODevice::ReadOnly);
        QImageReader imageReader(&buffer, compression == kBiPng ? "png" : "jpeg");
        const QSize size = imageReader.size();
        if (!size.isValid() || !pixelCountOk(size.width(), size.height()))
            return {};
        QImage image = imageReader.read();
        if (image.isNull())
            return {};
        // The PNG/JPEG stream has its own row order; a top-down header means nothing more.
        return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    }

    const int w = int(width), h = int(height);
    QImage image = largeImage(QSize(w, h), QImage::Format_RGB32);
    if (image.isNull())
        return {};

    if ((compression == kBiRle8 && bpp == 8) || (compression == kBiRle4 && bpp == 4)) {
        decodeRle(bits, imageSize ? qMin<qsizetype>(imageSize, available) : available, compression == kBiRle4, topDown,
                  colors, image);
        return image;
    }
    if (compression != kBiRgb && compression != kBiBitfields)
        return {};
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        return {};

    const qsizetype stride = ((qsizetype(w) * bpp + 31) / 32) * 4;
    // Only rows that are really present are decoded; the rest stay black.
    const int rows = int(qMin<qint64>(h, stride > 0 ? available / stride : 0));
    image.fill(qRgb(0, 0, 0));
    int shifts[3], nbits[3];
    for (int k = 0; k < 3; ++k) {
        shifts[k] = maskShift(masks[k]);
        nbits[k] = maskBits(masks[k]);
    }
    for (int row = 0; row < rows; ++row) {
        const uchar *src = bits + stride * row;
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(topDown ? row : h - 1 - row));
        switch (bpp) {
        case 1:
            for (int x = 0; x < w; ++x)
                line[x] = colors.at((src[x >> 3] >> (7 - (x & 7))) & 1);
            break;
        case 4:
            for (int x = 0; x < w; ++x)
                line[x] = colors.at((x & 1) ? (src[x >> 1] & 0x0f) : (src[x >> 1] >> 4));
            break;
        case 8:
            for (int x = 0; x < w; ++x)
                line[x] = colors.value(src[x]);
            break;
        case 16:
            for (int x = 0; x < w; ++x) {
                const quint32 p = quint32(src[2 * x] | (src[2 * x + 1] << 8));
                line[x] = qRgb(channel(p, masks[0], shifts[0], nbits[0]), channel(p, masks[1], shifts[1], nbits[1]),
                               channel(p, masks[2], shifts[2], nbits[2]));
            }
            break;
        case 24:
            for (int x = 0; x < w; ++x)
                line[x] = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
            break;
        case 32:
            if (compression == kBiRgb) {
                for (int x = 0; x < w; ++x)
                    line[x] = qRgb(src[4 * x + 2], src[4 * x + 1], src[4 * x]);
            } else {
                for (int x = 0; x < w; ++x) {
                    const quint32 p = quint32(src[4 * x]) | (quint32(src[4 * x + 1]) << 8)
                                    | (quint32(src[4 * x + 2]) << 16) | (quint32(src[4 * x + 3]) << 24);
                    line[x] = qRgb(channel(p, masks[0], shifts[0], nbits[0]),
                                   channel(p, masks[1], shifts[1], nbits[1]),
                                   channel(p, masks[2], shifts[2], nbits[2]));
                }
            }
            break;
        }
    }
    return image;
}

QImage DibDecoder::decodeBitmap16(const RecordReader &reader, qsizetype offset)
{
    const qint64 width = reader.i16(offset + 2), height = reader.i16(offset + 4);
    const qint64 widthBytes = reader.i16(offset + 6);
    const int planes = reader.u8(offset + 8), bpp = reader.u8(offset + 9);
    if (!pixelCountOk(width, height) || planes != 1 || widthBytes <= 0)
        return {};
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        return {};
    if (widthBytes * 8 < width * bpp)
        return {};
    // Writers differ on whether the in-memory bits pointer (4 bytes) precedes the bits: pick the
    // layout whose remaining length matches the bitmap.
    const qint64 needed = widthBytes * height;
    qsizetype bitsAt = offset + 10;
    const qsizetype after10 = reader.size() - (offset + 10);
    if (after10 != needed && after10 - 4 >= needed)
        bitsAt = offset + 14;
    const qsizetype available = reader.size() - bitsAt;
    if (available <= 0)
        return {};
    const int w = int(width), h = int(height);
    const int rows = int(qMin<qint64>(h, available / widthBytes));
    const uchar *bits = reader.data() + bitsAt;

    if (bpp == 1) {
        QImage mono(w, h, QImage::Format_Mono);
        if (mono.isNull())
            return {};
        mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        mono.fill(1);
        for (int y = 0; y < rows; ++y)
            std::memcpy(mono.scanLine(y), bits + widthBytes * y, size_t(qMin<qint64>(mono.bytesPerLine(), widthBytes)));
        return mono;
    }
    QImage image(w, h, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    image.fill(qRgb(0, 0, 0));
    for (int y = 0; y < rows; ++y) {
        const uchar *src = bits + widthBytes * y;
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            switch (bpp) {
            case 4:
                line[x] = kVga16[(x & 1) ? (src[x >> 1] & 0x0f) : (src[x >> 1] >> 4)];
                break;
            case 8: // no palette travels with a Bitmap16: show the index as grey
                line[x] = qRgb(src[x], src[x], src[x]);
                break;
            case 16: {
                const quint32 p = quint32(src[2 * x] | (src[2 * x + 1] << 8));
                line[x] = qRgb(channel(p, 0x7c00, 10, 5), channel(p, 0x03e0, 5, 5), channel(p, 0x001f, 0, 5));
                break;
            }
            case 24:
                line[x] = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
                break;
            case 32:
                line[x] = qRgb(src[4 * x + 2], src[4 * x + 1], src[4 * x]);
                break;
            }
        }
    }
    return image;
}

} // namespace wortilo::wmf
