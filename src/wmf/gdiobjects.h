// SPDX-License-Identifier: MIT
#pragma once

#include "records.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRect>
#include <QRegion>

#include <variant>

// The graphics objects a metafile creates and selects. Colours stay raw COLORREFs until use, since a
// palette-index colour means whatever the palette selected at drawing time says.
namespace wortilo::wmf {

struct PenObject {
    quint16 style = rec::PsSolid;
    qreal width = 0; // logical units; 0 means one device pixel
    quint32 color = 0;
};

struct BrushObject {
    quint16 style = rec::BsSolid;
    quint32 color = 0xffffff;
    quint16 hatch = 0;
    QImage pattern;          // BS_PATTERN / BS_DIBPATTERN
    bool monoPattern = false; // Format_Mono pattern coloured with text/background colours
};

struct FontObject {
    qint16 height = 0;
    qint16 width = 0;
    qint16 escapement = 0; // tenths of a degree, counter-clockwise
    qint16 weight = 0;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    quint8 charset = 0;
    quint8 pitchAndFamily = 0;
    QByteArray face; // raw bytes, in the code page of charset
    quint64 id = 0;  // identifies the font for the player's QFont cache
};

struct PaletteObject {
    QList<QRgb> colors;
};

struct RegionObject {
    QRegion region; // logical units
};

using GdiObject = std::variant<std::monostate, PenObject, BrushObject, FontObject, PaletteObject, RegionObject>;

} // namespace wortilo::wmf
