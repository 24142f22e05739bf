// SPDX-License-Identifier: MIT
#include "pictureformat.h"

#include <QByteArrayView>
#include <QtEndian>

namespace wortilo {

namespace {

quint32 le32(const QByteArray &d, qsizetype at)
{
    return qFromLittleEndian<quint32>(d.constData() + at);
}
quint16 le16(const QByteArray &d, qsizetype at)
{
    return qFromLittleEndian<quint16>(d.constData() + at);
}
uchar byteAt(const QByteArray &d, qsizetype at)
{
    return uchar(d.at(at));
}

} // namespace

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
        const int length = qFromBigEndian<quint16>(d.constData() + pos); // JPEG segments are big-endian
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

} // namespace wortilo
