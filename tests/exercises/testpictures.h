// SPDX-License-Identifier: MIT
#pragma once
// Test pictures made on the fly: Qt writes BMP and JPEG itself; GIF (which Qt only reads) is
// encoded here with uncompressed LZW, and hostile files are written byte by byte.
#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QString>
#include <QTemporaryDir>

namespace testpictures {

// A picture of the given size: a colour fill with a differently coloured block in its middle,
// so that stretching and cropping can be told apart.
inline QImage makeImage(int width, int height, QColor fill = QColor(0, 0, 255), QColor block = QColor(255, 255, 0))
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    QPainter p(&image);
    p.fillRect(width / 4, height / 4, width / 2, height / 2, block);
    return image;
}

inline QByteArray encode(const QImage &image, const char *format, int quality = 90)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

inline QByteArray encodeProgressiveJpeg(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    writer.write(image);
    return bytes;
}

// The JPEG with an EXIF block telling how the camera was held (orientation 1 to 8: 6 means the
// stored picture is to be turned a quarter clockwise to stand upright, 8 anticlockwise, 3 half).
inline QByteArray withExifOrientation(const QByteArray &jpeg, int orientation)
{
    // Big-endian TIFF header, one directory with the single entry orientation (SHORT, count 1),
    // no next directory.
    QByteArray exif = QByteArray("Exif", 4) + QByteArray(2, 0) + QByteArray::fromHex("4d4d002a00000008000101120003000000010000");
    exif[exif.size() - 1] = char(orientation);
    exif.append(QByteArray(6, 0));
    const int length = int(exif.size()) + 2;
    const QByteArray segment = QByteArray::fromHex("ffe1") + char(length >> 8) + char(length & 0xFF) + exif;
    return jpeg.left(2) + segment + jpeg.mid(2);
}

// The JPEG with its frame header rewritten to claim width × height pixels (the scan data stays
// that of the small picture).
inline QByteArray jpegClaiming(QByteArray jpeg, quint16 width, quint16 height)
{
    for (qsizetype pos = 2; pos + 9 < jpeg.size();) {
        const uchar marker = uchar(jpeg[pos + 1]);
        if (marker == 0xC0 || marker == 0xC2) {
            jpeg[pos + 5] = char(height >> 8);
            jpeg[pos + 6] = char(height & 0xFF);
            jpeg[pos + 7] = char(width >> 8);
            jpeg[pos + 8] = char(width & 0xFF);
            break;
        }
        pos += 2 + (uchar(jpeg[pos + 2]) << 8 | uchar(jpeg[pos + 3]));
    }
    return jpeg;
}

// A GIF89a with a 256-entry global colour table (at most 256 distinct colours in the image).
// Each pixel becomes one 9-bit LZW code, and a clear code every 100 pixels keeps the code
// width from growing, so no real compression is needed.
inline QByteArray encodeGif(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    QList<QRgb> palette;
    QHash<QRgb, int> indexOf;
    QList<int> pixels;
    pixels.reserve(image.width() * image.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y) | 0xFF000000u;
            auto it = indexOf.find(c);
            if (it == indexOf.end()) {
                Q_ASSERT(palette.size() < 256);
                it = indexOf.insert(c, int(palette.size()));
                palette.append(c);
            }
            pixels.append(it.value());
        }
    QByteArray out("GIF89a");
    auto put16 = [&out](int v) {
        out.append(char(v & 0xFF));
        out.append(char((v >> 8) & 0xFF));
    };
    put16(image.width());
    put16(image.height());
    out.append(char(0xF7)); // global colour table of 256 entries
    out.append(char(0));
    out.append(char(0));
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < palette.size() ? palette[i] : 0;
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    out.append(char(0x2C));
    put16(0);
    put16(0);
    put16(image.width());
    put16(image.height());
    out.append(char(0));
    out.append(char(8)); // LZW minimum code size

    QByteArray lzw;
    quint32 acc = 0;
    int bits = 0;
    auto putCode = [&](int code) {
        acc |= quint32(code) << bits;
        bits += 9;
        while (bits >= 8) {
            lzw.append(char(acc & 0xFF));
            acc >>= 8;
            bits -= 8;
        }
    };
    for (qsizetype i = 0; i < pixels.size(); ++i) {
        if (i % 100 == 0)
            putCode(256);
        putCode(pixels[i]);
    }
    putCode(257);
    if (bits > 0)
        lzw.append(char(acc & 0xFF));
    for (qsizetype i = 0; i < lzw.size(); i += 255) {
        const QByteArray block = lzw.mid(i, 255);
        out.append(char(block.size()));
        out.append(block);
    }
    out.append(char(0));
    out.append(char(0x3B));
    return out;
}

// A BMP file header and info header claiming width × height pixels of 24 bits, without pixel data.
inline QByteArray bmpHeaderOnly(quint32 width, quint32 height)
{
    QByteArray bmp(54, 0);
    auto put = [&bmp](int offset, quint32 value, int size) {
        for (int i = 0; i < size; ++i)
            bmp[offset + i] = char((value >> (8 * i)) & 0xFF);
    };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put(2, 54, 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, width, 4);
    put(22, height, 4);
    put(26, 1, 2);
    put(28, 24, 2);
    return bmp;
}

// A GIF header claiming a width × height screen and image, with a token of image data.
inline QByteArray gifHeaderOnly(quint16 width, quint16 height)
{
    QByteArray gif("GIF89a");
    auto put16 = [&gif](int v) {
        gif.append(char(v & 0xFF));
        gif.append(char((v >> 8) & 0xFF));
    };
    put16(width);
    put16(height);
    gif.append(QByteArray(3, 0));
    gif.append(char(0x2C));
    put16(0);
    put16(0);
    put16(width);
    put16(height);
    gif.append(char(0));
    gif.append(char(2));
    gif.append(char(2));
    gif.append(char(0x44));
    gif.append(char(0x01));
    gif.append(char(0));
    gif.append(char(0x3B));
    return gif;
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A picture folder in a temporary directory, filled by the test.
class PictureDir
{
public:
    bool add(const QString &name, const QByteArray &bytes) { return writeFile(m_dir.filePath(name), bytes); }
    bool addImage(const QString &name, const QImage &image, const char *format)
    {
        return add(name, QByteArray(format) == "GIF" ? encodeGif(image) : encode(image, format));
    }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

} // namespace testpictures
