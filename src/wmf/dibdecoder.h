// SPDX-License-Identifier: MIT
#pragma once

#include "recordreader.h"

#include <QImage>
#include <QList>

namespace wortilo::wmf {

// Turns the bitmaps stored in metafile records into QImages: device-independent bitmaps (DIBs)
// with 1, 4, 8, 16, 24 or 32 bits per pixel, RLE4/RLE8, embedded PNG/JPEG, top-down or bottom-up,
// and the old device-dependent Bitmap16. Sizes are checked against the bytes actually present, so
// a header cannot make us allocate more than the file could describe.
class DibDecoder
{
public:
    // The largest bitmap we decode; bigger ones are treated as missing.
    static constexpr qint64 kMaxPixels = qint64(1) << 24;

    // Decodes the DIB starting at offset. colorUsage 1 (DIB_PAL_COLORS) means the colour table holds
    // indices into palette. Returns a null image when the data is not a usable DIB.
    // topDown, when given, tells whether the rows were stored top-down (the source rectangle of a
    // bottom-up DIB counts its y from the bottom).
    static QImage decodeDib(const RecordReader &reader, qsizetype offset, quint16 colorUsage,
                            const QList<QRgb> &palette, bool *topDown = nullptr);

    // Decodes a Bitmap16 at offset. A monochrome one comes back as Format_Mono with bit 0 = index 0,
    // so the caller can colour it with the text and background colours as Windows does.
    static QImage decodeBitmap16(const RecordReader &reader, qsizetype offset);

    // The pixels the bitmap at offset says it has (a DIB when dib, else a Bitmap16), or 0 when it is
    // not one we would decode: what decoding it will cost, known before decoding.
    static qint64 claimedPixels(const RecordReader &reader, qsizetype offset, bool dib);

    // True when the bytes at offset start like a DIB header (and not like a Bitmap16).
    static bool looksLikeDib(const RecordReader &reader, qsizetype offset);
};

} // namespace wortilo::wmf
