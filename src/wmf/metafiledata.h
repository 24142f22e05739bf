// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QPointF>
#include <QRectF>
#include <QSize>

#include <vector>

namespace wortilo::wmf {

// One record of the file: where its parameters are and what it does.
struct RecordRef {
    quint32 offset;   // byte offset of the parameters (after size and function)
    quint32 size;     // parameter bytes
    quint16 function;
};

// What parse() learns about a file and render() needs: the bytes, the record index and the
// picture's frame. Shared by all copies of a Metafile.
struct MetafileData {
    QByteArray bytes;
    std::vector<RecordRef> records;
    int objectCount = 0;

    // The mapping the player sets up before the file's own records run (as a program playing a
    // metafile into a frame does) and the frame in device space that gets stretched to the target.
    QPointF windowOrg{0, 0};
    QPointF windowExt{1, 1};
    QPointF viewportOrg{0, 0};
    QPointF viewportExt{1, 1};
    qreal deviceDpi = 96;
    QRectF frame;
    QSize naturalTwips;
};

} // namespace wortilo::wmf
