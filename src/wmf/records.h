// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

// Record function numbers of the Windows Metafile format and the constants the records use.
namespace wortilo::wmf::rec {

enum Function : quint16 {
    Eof = 0x0000,
    RealizePalette = 0x0035,
    SetPalEntries = 0x0037,
    SetBkMode = 0x0102,
    SetMapMode = 0x0103,
    SetRop2 = 0x0104,
    SetRelAbs = 0x0105,
    SetPolyFillMode = 0x0106,
    SetStretchBltMode = 0x0107,
    SetTextCharExtra = 0x0108,
    RestoreDc = 0x0127,
    ResizePalette = 0x0139,
    DibCreatePatternBrush = 0x0142,
    SetLayout = 0x0149,
    SetBkColor = 0x0201,
    SetTextColor = 0x0209,
    OffsetViewportOrg = 0x0211,
    LineTo = 0x0213,
    MoveTo = 0x0214,
    OffsetClipRgn = 0x0220,
    FillRegion = 0x0228,
    SetMapperFlags = 0x0231,
    SelectPalette = 0x0234,
    CreatePenIndirect = 0x02FA,
    CreateFontIndirect = 0x02FB,
    CreateBrushIndirect = 0x02FC,
    Polygon = 0x0324,
    Polyline = 0x0325,
    ScaleWindowExt = 0x0410,
    ScaleViewportExt = 0x0412,
    ExcludeClipRect = 0x0415,
    IntersectClipRect = 0x0416,
    Ellipse = 0x0418,
    FloodFill = 0x0419,
    Rectangle = 0x041B,
    SetPixel = 0x041F,
    FrameRegion = 0x0429,
    AnimatePalette = 0x0436,
    TextOut = 0x0521,
    PolyPolygon = 0x0538,
    ExtFloodFill = 0x0548,
    RoundRect = 0x061C,
    PatBlt = 0x061D,
    Escape = 0x0626,
    CreateRegion = 0x06FF,
    Arc = 0x0817,
    Pie = 0x081A,
    Chord = 0x0830,
    BitBlt = 0x0922,
    DibBitBlt = 0x0940,
    ExtTextOut = 0x0A32,
    StretchBlt = 0x0B23,
    DibStretchBlt = 0x0B41,
    SetDibToDev = 0x0D33,
    StretchDib = 0x0F43,
    SaveDc = 0x001E,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    SetViewportOrg = 0x020D,
    SetViewportExt = 0x020E,
    OffsetWindowOrg = 0x020F,
    SetTextJustification = 0x020A,
    SetTextAlign = 0x012E,
    InvertRegion = 0x012A,
    PaintRegion = 0x012B,
    SelectClipRegion = 0x012C,
    SelectObject = 0x012D,
    DeleteObject = 0x01F0,
    CreatePalette = 0x00F7,
    CreatePatternBrush = 0x01F9,
};

enum MapMode { MmText = 1, MmLoMetric, MmHiMetric, MmLoEnglish, MmHiEnglish, MmTwips, MmIsotropic, MmAnisotropic };

enum BkMode { Transparent = 1, Opaque = 2 };

enum PolyFill { Alternate = 1, Winding = 2 };

enum Rop2 {
    R2Black = 1, R2NotMergePen, R2MaskNotPen, R2NotCopyPen, R2MaskPenNot, R2Not, R2XorPen, R2NotMaskPen,
    R2MaskPen, R2NotXorPen, R2Nop, R2MergeNotPen, R2CopyPen, R2MergePenNot, R2MergePen, R2White
};

enum PenStyle { PsSolid = 0, PsDash, PsDot, PsDashDot, PsDashDotDot, PsNull, PsInsideFrame };

enum BrushStyle { BsSolid = 0, BsNull, BsHatched, BsPattern, BsIndexed, BsDibPattern, BsDibPatternPt };

enum TextAlign : quint16 {
    TaUpdateCp = 0x0001, TaRight = 0x0002, TaCenter = 0x0006, TaBottom = 0x0008, TaBaseline = 0x0018,
};

enum ExtTextOutOptions : quint16 { EtoOpaque = 0x0002, EtoClipped = 0x0004, EtoGlyphIndex = 0x0010 };

// The character set of a font whose characters are the Symbol font's own, not a code page's.
enum Charset : quint8 { SymbolCharset = 2 };

// The raster operations the player understands (the high word of a ternary ROP code).
enum TernaryRop : quint8 {
    RopBlackness = 0x00, RopNotSrcErase = 0x11, RopNotSrcCopy = 0x33, RopSrcErase = 0x44,
    RopDstInvert = 0x55, RopPatInvert = 0x5A, RopSrcInvert = 0x66, RopSrcAnd = 0x88,
    RopMergePaint = 0xBB, RopMergeCopy = 0xC0, RopSrcCopy = 0xCC, RopSrcPaint = 0xEE,
    RopPatCopy = 0xF0, RopPatPaint = 0xFB, RopWhiteness = 0xFF, RopDst = 0xAA,
};

enum StretchMode { BlackOnWhite = 1, WhiteOnBlack, ColorOnColor, Halftone };

// Records that put something on the page: a metafile without any of them is not worth a frame.
inline bool isDrawing(quint16 function)
{
    switch (function) {
    case LineTo: case Polygon: case Polyline: case PolyPolygon: case Rectangle: case RoundRect:
    case Ellipse: case Arc: case Pie: case Chord: case TextOut: case ExtTextOut: case SetPixel:
    case PatBlt: case BitBlt: case StretchBlt: case DibBitBlt: case DibStretchBlt: case StretchDib:
    case SetDibToDev: case FillRegion: case FrameRegion: case PaintRegion: case InvertRegion:
    case FloodFill: case ExtFloodFill:
        return true;
    default:
        return false;
    }
}

} // namespace wortilo::wmf::rec
