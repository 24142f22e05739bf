// SPDX-License-Identifier: MIT
#pragma once
#include "picture.h"

#include <QByteArray>

// What a picture file's bytes tell before anything is decoded: its format, and whether it holds
// all of its picture data. Qt's readers decode a cut-off file without complaint and fill the
// missing part with grey or black, so the picture checks first.
namespace wortilo {

// The format told by the first bytes of the file: "bmp", "jpeg", "gif", "wmf", or empty.
QByteArray sniffFormat(const QByteArray &data);

// A BMP: Damaged when cut off, TooLarge when its sides are past the limits.
Picture::Fault bmpFault(const QByteArray &data);

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

JpegLayout jpegLayout(const QByteArray &data);

// A GIF holds its first image (all the program shows) to the end.
bool gifComplete(const QByteArray &data);

} // namespace wortilo
