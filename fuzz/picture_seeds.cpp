// SPDX-License-Identifier: MIT
// Writes the seed corpus of picture_fuzzer: tiny BMP, GIF and JPEG files of the kinds a teacher
// may drop into the folder (palette and true-colour BMPs, run-length BMPs, an OS/2 BMP, GIF
// variants, baseline, grey, progressive and EXIF-turned JPEGs).
//   build-fuzz/fuzz/picture_seeds fuzz/corpus/picture
#include "exercises/testpictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

using namespace testpictures;

namespace {

void put(QByteArray &b, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        b.append(char((value >> (8 * i)) & 0xFF));
}

// A BMP with a 40-byte info header: palette (may be empty), masks (may be empty) and pixel bytes.
QByteArray bmp(qint32 width, qint32 height, int bits, quint32 compression, const QByteArray &extra,
               const QByteArray &pixels)
{
    QByteArray b("BM");
    put(b, quint32(54 + extra.size() + pixels.size()), 4);
    put(b, 0, 4);
    put(b, quint32(54 + extra.size()), 4);
    put(b, 40, 4);
    put(b, quint32(width), 4);
    put(b, quint32(height), 4);
    put(b, 1, 2);
    put(b, quint32(bits), 2);
    put(b, compression, 4);
    put(b, quint32(pixels.size()), 4);
    put(b, 2835, 4);
    put(b, 2835, 4);
    put(b, bits <= 8 ? quint32(extra.size() / 4) : 0, 4); // colours used: the palette given
    put(b, 0, 4);
    return b + extra + pixels;
}

QByteArray palette(int entries)
{
    QByteArray p;
    for (int i = 0; i < entries; ++i)
        put(p, quint32(i * 0x00402010) & 0xFFFFFF, 4);
    return p;
}

// The OS/2 form: a 12-byte core header with 16-bit sizes, 24 bits per pixel.
QByteArray os2Bmp()
{
    const int width = 3, height = 2, stride = 12;
    QByteArray b("BM");
    put(b, quint32(26 + stride * height), 4);
    put(b, 0, 4);
    put(b, 26, 4);
    put(b, 12, 4);
    put(b, width, 2);
    put(b, height, 2);
    put(b, 1, 2);
    put(b, 24, 2);
    for (int i = 0; i < stride * height; ++i)
        b.append(char(i * 20));
    return b;
}

// encodeGif's layout: 13-byte header, 768-byte global table, then the image descriptor.
constexpr int kGifImage = 13 + 768;

QByteArray gifVariant87aInterlacedLocal(const QByteArray &gif)
{
    QByteArray out = gif.left(13);
    out.replace(0, 6, "GIF87a");
    out[10] = 0; // no global table
    QByteArray descriptor = gif.mid(kGifImage, 10);
    descriptor[9] = char(0x80 | 0x40 | 7); // local table of 256, interlaced
    return out + descriptor + gif.mid(13, 768) + gif.mid(kGifImage + 10);
}

QByteArray gifVariantTransparentTwoFrames(const QByteArray &gif)
{
    const QByteArray control = QByteArray::fromHex("21f904090a000100");
    const QByteArray image = gif.mid(kGifImage).chopped(1); // without the trailer
    return gif.left(kGifImage) + control + image + control + image + ';';
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const QImage image = makeImage(8, 6);
    const QByteArray gif = encodeGif(image);
    const QByteArray jpeg = encode(image, "JPEG", 50);
    const QList<std::pair<const char *, QByteArray>> seeds = {
        {"rgb24.bmp", encode(image, "BMP")},
        {"indexed8.bmp", bmp(4, 2, 8, 0, palette(4), QByteArray::fromHex("0001020303020100"))},
        {"mono.bmp", encode(image.convertToFormat(QImage::Format_Mono), "BMP")},
        {"bitfields-topdown.bmp",
         bmp(2, -2, 32, 3, QByteArray::fromHex("0000ff0000ff0000ff000000"), QByteArray::fromHex("0102030405060708090a0b0c0d0e0f10"))},
        {"rle8.bmp", bmp(4, 2, 8, 1, palette(4), QByteArray::fromHex("04010000020202030001"))},
        {"rle4.bmp", bmp(4, 2, 4, 2, palette(4), QByteArray::fromHex("04120000043000000001"))},
        {"os2.bmp", os2Bmp()},
        {"plain.gif", gif},
        {"87a-interlaced-local.gif", gifVariant87aInterlacedLocal(gif)},
        {"transparent-two-frames.gif", gifVariantTransparentTwoFrames(gif)},
        {"baseline.jpg", jpeg},
        {"grey.jpg", encode(image.convertToFormat(QImage::Format_Grayscale8), "JPEG", 50)},
        {"progressive.jpg", encodeProgressiveJpeg(image)},
        {"exif-3.jpg", withExifOrientation(jpeg, 3)},
        {"exif-6.jpg", withExifOrientation(encode(makeImage(6, 8), "JPEG", 50), 6)},
        {"exif-8.jpg", withExifOrientation(jpeg, 8)},
    };
    for (const auto &[name, bytes] : seeds) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}
