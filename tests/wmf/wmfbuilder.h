// SPDX-License-Identifier: MIT
#pragma once

// Writes small Windows Metafiles record by record, so tests can state exactly what a file draws
// and check the pixels. Parameters are given in natural order (x before y); the builder writes
// them in the reversed order the format uses.

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>

#include <initializer_list>

namespace wmftest {

inline quint32 colorRef(QColor c)
{
    return quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
}

class WmfBuilder
{
public:
    enum : quint16 {
        SetBkMode = 0x0102, SetMapMode = 0x0103, SetRop2 = 0x0104, SetPolyFillMode = 0x0106,
        SetTextAlign = 0x012E, SetBkColor = 0x0201, SetTextColor = 0x0209, SetWindowOrg = 0x020B,
        SetWindowExt = 0x020C, SetViewportOrg = 0x020D, SetViewportExt = 0x020E, SaveDc = 0x001E,
        RestoreDc = 0x0127, SelectObject = 0x012D, DeleteObject = 0x01F0, SelectClipRegion = 0x012C,
        MoveTo = 0x0214, LineTo = 0x0213, Rectangle = 0x041B, Ellipse = 0x0418, Polygon = 0x0324,
        Polyline = 0x0325, PolyPolygon = 0x0538, Arc = 0x0817, Pie = 0x081A, Chord = 0x0830,
        RoundRect = 0x061C, SetPixel = 0x041F, TextOut = 0x0521, ExtTextOut = 0x0A32, PatBlt = 0x061D,
        BitBlt = 0x0922, StretchBlt = 0x0B23, DibBitBlt = 0x0940, DibStretchBlt = 0x0B41, StretchDib = 0x0F43,
        IntersectClipRect = 0x0416, ExcludeClipRect = 0x0415, CreatePen = 0x02FA, CreateBrush = 0x02FC,
        CreateFont = 0x02FB, DibCreatePatternBrush = 0x0142, CreateRegion = 0x06FF, FillRegion = 0x0228,
        CreatePalette = 0x00F7, SelectPalette = 0x0234, Escape = 0x0626, Eof = 0x0000,
    };

    WmfBuilder &placeable(QRect box, int unitsPerInch)
    {
        m_placeable = true;
        m_box = box;
        m_inch = unitsPerInch;
        return *this;
    }

    // A record from 16-bit words.
    WmfBuilder &record(quint16 function, std::initializer_list<int> words)
    {
        QByteArray params;
        for (int w : words)
            put16(params, w);
        return recordBytes(function, params);
    }
    WmfBuilder &recordBytes(quint16 function, const QByteArray &params)
    {
        QByteArray r;
        const QByteArray p = params.size() % 2 ? params + '\0' : params;
        put32(r, quint32(3 + p.size() / 2));
        put16(r, function);
        r += p;
        m_records += r;
        m_maxRecordWords = std::max<quint32>(m_maxRecordWords, quint32(r.size() / 2));
        return *this;
    }
    // Raw bytes appended as they are (for malformed files).
    WmfBuilder &raw(const QByteArray &bytes)
    {
        m_records += bytes;
        return *this;
    }

    WmfBuilder &windowOrg(int x, int y) { return record(SetWindowOrg, {y, x}); }
    WmfBuilder &windowExt(int w, int h) { return record(SetWindowExt, {h, w}); }
    WmfBuilder &viewportOrg(int x, int y) { return record(SetViewportOrg, {y, x}); }
    WmfBuilder &viewportExt(int w, int h) { return record(SetViewportExt, {h, w}); }
    WmfBuilder &mapMode(int mode) { return record(SetMapMode, {mode}); }
    WmfBuilder &bkMode(int mode) { return record(SetBkMode, {mode}); }
    WmfBuilder &polyFillMode(int mode) { return record(SetPolyFillMode, {mode}); }
    WmfBuilder &rop2(int rop) { return record(SetRop2, {rop}); }
    WmfBuilder &textAlign(int align) { return record(SetTextAlign, {align}); }
    WmfBuilder &bkColor(QColor c) { return colorRecord(SetBkColor, c); }
    WmfBuilder &textColor(QColor c) { return colorRecord(SetTextColor, c); }
    WmfBuilder &saveDc() { return record(SaveDc, {}); }
    WmfBuilder &restoreDc(int which = -1) { return record(RestoreDc, {which}); }
    WmfBuilder &select(int index) { return record(SelectObject, {index}); }
    WmfBuilder &deleteObject(int index) { return record(DeleteObject, {index}); }

    WmfBuilder &pen(int style, int width, QColor c)
    {
        const quint32 ref = colorRef(c);
        return record(CreatePen, {style, width, 0, int(ref & 0xffff), int(ref >> 16)});
    }
    WmfBuilder &brush(int style, QColor c, int hatch = 0)
    {
        const quint32 ref = colorRef(c);
        return record(CreateBrush, {style, int(ref & 0xffff), int(ref >> 16), hatch});
    }
    WmfBuilder &font(int height, const QByteArray &face, int escapement = 0, int weight = 400, int charset = 0,
                     int width = 0)
    {
        QByteArray p;
        put16(p, height);
        put16(p, width);
        put16(p, escapement);
        put16(p, escapement);
        put16(p, weight);
        p += char(0); // italic
        p += char(0); // underline
        p += char(0); // strike out
        p += char(charset);
        p += QByteArray(4, '\0');
        p += face.left(31);
        p += '\0';
        return recordBytes(CreateFont, p);
    }

    WmfBuilder &rectangle(int l, int t, int r, int b) { return record(Rectangle, {b, r, t, l}); }
    WmfBuilder &ellipse(int l, int t, int r, int b) { return record(Ellipse, {b, r, t, l}); }
    WmfBuilder &intersectClip(int l, int t, int r, int b) { return record(IntersectClipRect, {b, r, t, l}); }
    WmfBuilder &excludeClip(int l, int t, int r, int b) { return record(ExcludeClipRect, {b, r, t, l}); }
    WmfBuilder &moveTo(int x, int y) { return record(MoveTo, {y, x}); }
    WmfBuilder &lineTo(int x, int y) { return record(LineTo, {y, x}); }
    WmfBuilder &arcLike(quint16 function, QRect box, QPoint start, QPoint end)
    {
        return record(function, {end.y(), end.x(), start.y(), start.x(), box.bottom() + 1, box.right() + 1,
                                 box.top(), box.left()});
    }
    WmfBuilder &points(quint16 function, const QList<QPoint> &pts)
    {
        QByteArray p;
        put16(p, int(pts.size()));
        for (const QPoint &pt : pts) {
            put16(p, pt.x());
            put16(p, pt.y());
        }
        return recordBytes(function, p);
    }
    WmfBuilder &polyPolygon(const QList<QList<QPoint>> &polys)
    {
        QByteArray p;
        put16(p, int(polys.size()));
        for (const auto &poly : polys)
            put16(p, int(poly.size()));
        for (const auto &poly : polys)
            for (const QPoint &pt : poly) {
                put16(p, pt.x());
                put16(p, pt.y());
            }
        return recordBytes(PolyPolygon, p);
    }
    WmfBuilder &textOut(int x, int y, const QByteArray &text)
    {
        QByteArray p;
        put16(p, int(text.size()));
        p += text;
        if (text.size() % 2)
            p += '\0';
        put16(p, y);
        put16(p, x);
        return recordBytes(TextOut, p);
    }
    WmfBuilder &extTextOut(int x, int y, int options, const QByteArray &text, QRect rect = {},
                           const QList<int> &dx = {})
    {
        QByteArray p;
        put16(p, y);
        put16(p, x);
        put16(p, int(text.size()));
        put16(p, options);
        if (options & 0x6) {
            put16(p, rect.left());
            put16(p, rect.top());
            put16(p, rect.right() + 1);
            put16(p, rect.bottom() + 1);
        }
        p += text;
        if (text.size() % 2)
            p += '\0';
        for (int d : dx)
            put16(p, d);
        return recordBytes(ExtTextOut, p);
    }
    // STRETCHDIB of a whole DIB into the destination rectangle (x, y, w, h may be negative).
    WmfBuilder &stretchDib(int x, int y, int w, int h, const QByteArray &dib, QSize bitmapSize,
                           quint32 rop = 0x00CC0020)
    {
        QByteArray p;
        put32(p, rop);
        put16(p, 0); // DIB_RGB_COLORS
        put16(p, bitmapSize.height());
        put16(p, bitmapSize.width());
        put16(p, 0);
        put16(p, 0);
        put16(p, h);
        put16(p, w);
        put16(p, y);
        put16(p, x);
        return recordBytes(StretchDib, p + dib);
    }
    WmfBuilder &dibStretchBlt(int x, int y, int w, int h, const QByteArray &dib, QRect source,
                              quint32 rop = 0x00CC0020)
    {
        QByteArray p;
        put32(p, rop);
        put16(p, source.height());
        put16(p, source.width());
        put16(p, source.y());
        put16(p, source.x());
        put16(p, h);
        put16(p, w);
        put16(p, y);
        put16(p, x);
        return recordBytes(DibStretchBlt, p + dib);
    }
    WmfBuilder &dibBitBlt(int x, int y, int w, int h, const QByteArray &dib, quint32 rop = 0x00CC0020)
    {
        QByteArray p;
        put32(p, rop);
        put16(p, 0);
        put16(p, 0);
        put16(p, h);
        put16(p, w);
        put16(p, y);
        put16(p, x);
        return recordBytes(DibBitBlt, p + dib);
    }
    // A pattern fill without bitmap (DIBBITBLT with the record size of the bitmap-less form).
    WmfBuilder &patternBlt(int x, int y, int w, int h, quint32 rop = 0x00F00021)
    {
        QByteArray p;
        put32(p, rop);
        put16(p, 0);
        put16(p, 0);
        put16(p, 0);
        put16(p, h);
        put16(p, w);
        put16(p, y);
        put16(p, x);
        return recordBytes(DibBitBlt, p);
    }
    WmfBuilder &patBlt(int x, int y, int w, int h, quint32 rop = 0x00F00021)
    {
        QByteArray p;
        put32(p, rop);
        put16(p, h);
        put16(p, w);
        put16(p, y);
        put16(p, x);
        return recordBytes(PatBlt, p);
    }
    // BITBLT with a monochrome Bitmap16 (rows top-down, bit set = background colour).
    WmfBuilder &bitBltMono(int x, int y, const QList<QByteArray> &rows, int width)
    {
        QByteArray p;
        put32(p, 0x00CC0020);
        put16(p, 0);
        put16(p, 0);
        put16(p, int(rows.size()));
        put16(p, width);
        put16(p, y);
        put16(p, x);
        const int widthBytes = ((width + 15) / 16) * 2;
        put16(p, 0);
        put16(p, width);
        put16(p, int(rows.size()));
        put16(p, widthBytes);
        p += char(1);
        p += char(1);
        for (const QByteArray &row : rows)
            p += row.leftJustified(widthBytes, '\0', true);
        return recordBytes(BitBlt, p);
    }
    // STRETCHBLT with a device-dependent Bitmap16 of the given depth (rows top-down, word-aligned).
    WmfBuilder &stretchBlt16(int x, int y, int w, int h, int bpp, QSize size, const QByteArray &rows)
    {
        QByteArray p;
        put32(p, 0x00CC0020);
        put16(p, size.height());
        put16(p, size.width());
        put16(p, 0);
        put16(p, 0);
        put16(p, h);
        put16(p, w);
        put16(p, y);
        put16(p, x);
        put16(p, 0);
        put16(p, size.width());
        put16(p, size.height());
        put16(p, int(rows.size() / size.height()));
        p += char(1);
        p += char(bpp);
        return recordBytes(StretchBlt, p + rows);
    }
    WmfBuilder &dibPatternBrush(const QByteArray &dib)
    {
        QByteArray p;
        put16(p, 5); // BS_DIBPATTERN
        put16(p, 0);
        return recordBytes(DibCreatePatternBrush, p + dib);
    }
    // A region made of one rectangle per scan (enough for tests).
    WmfBuilder &region(const QList<QRect> &rects)
    {
        QByteArray scans;
        QRect bounds;
        for (const QRect &r : rects) {
            bounds |= r;
            put16(scans, 2);
            put16(scans, r.top());
            put16(scans, r.bottom() + 1);
            put16(scans, r.left());
            put16(scans, r.right() + 1);
            put16(scans, 2);
        }
        QByteArray p;
        put16(p, 0);
        put16(p, 6);
        put32(p, 0);
        put16(p, int(22 + scans.size()));
        put16(p, int(rects.size()));
        put16(p, 0);
        put16(p, bounds.left());
        put16(p, bounds.top());
        put16(p, bounds.right() + 1);
        put16(p, bounds.bottom() + 1);
        return recordBytes(CreateRegion, p + scans);
    }
    WmfBuilder &fillRegion(int region, int brush) { return record(FillRegion, {region, brush}); }
    WmfBuilder &palette(const QList<QColor> &colors)
    {
        QByteArray p;
        put16(p, 0x300);
        put16(p, int(colors.size()));
        for (const QColor &c : colors) {
            p += char(c.red());
            p += char(c.green());
            p += char(c.blue());
            p += char(0);
        }
        return recordBytes(CreatePalette, p);
    }
    // META_ESCAPE whose stated byte count may lie.
    WmfBuilder &escape(int function, int byteCount, const QByteArray &data)
    {
        QByteArray p;
        put16(p, function);
        put16(p, byteCount);
        return recordBytes(Escape, p + data);
    }

    QByteArray build(bool withEof = true) const
    {
        QByteArray body = m_records;
        if (withEof) {
            put32(body, 3);
            put16(body, 0);
        }
        QByteArray out;
        if (m_placeable) {
            QByteArray h;
            put32(h, 0x9AC6CDD7);
            put16(h, 0);
            put16(h, m_box.left());
            put16(h, m_box.top());
            put16(h, m_box.right() + 1);
            put16(h, m_box.bottom() + 1);
            put16(h, m_inch);
            put32(h, 0);
            quint16 sum = 0;
            for (int i = 0; i < 20; i += 2)
                sum ^= quint16(uchar(h[i]) | (uchar(h[i + 1]) << 8));
            put16(h, sum);
            out += h;
        }
        put16(out, 1);
        put16(out, 9);
        put16(out, 0x300);
        put32(out, quint32((18 + body.size()) / 2));
        put16(out, 16);
        put32(out, m_maxRecordWords);
        put16(out, 0);
        return out + body;
    }

    // Encodes image as a DIB (BITMAPINFOHEADER + colour table + bits) with the given depth.
    // Depths up to 8 use the image's first colours as the palette (the image must not use more).
    static QByteArray dib(const QImage &source, int bpp, bool topDown = false)
    {
        const QImage image = source.convertToFormat(QImage::Format_RGB32);
        const int w = image.width(), h = image.height();
        QList<QRgb> palette;
        if (bpp <= 8) {
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    if (!palette.contains(image.pixel(x, y) | 0xff000000))
                        palette.append(image.pixel(x, y) | 0xff000000);
            while (palette.size() < (1 << bpp))
                palette.append(qRgb(0, 0, 0));
        }
        QByteArray out;
        put32(out, 40);
        put32(out, quint32(w));
        put32(out, quint32(topDown ? -h : h));
        put16(out, 1);
        put16(out, bpp);
        put32(out, 0);
        put32(out, 0);
        put32(out, 0);
        put32(out, 0);
        put32(out, bpp <= 8 ? quint32(palette.size()) : 0);
        put32(out, 0);
        for (QRgb c : palette) {
            out += char(qBlue(c));
            out += char(qGreen(c));
            out += char(qRed(c));
            out += char(0);
        }
        const int stride = ((w * bpp + 31) / 32) * 4;
        for (int row = 0; row < h; ++row) {
            const int y = topDown ? row : h - 1 - row;
            QByteArray line(stride, '\0');
            for (int x = 0; x < w; ++x) {
                const QRgb c = image.pixel(x, y);
                const int index = bpp <= 8 ? int(palette.indexOf(c | 0xff000000)) : 0;
                switch (bpp) {
                case 1: line[x / 8] = char(uchar(line[x / 8]) | (index << (7 - x % 8))); break;
                case 4: line[x / 2] = char(uchar(line[x / 2]) | (x % 2 ? index : index << 4)); break;
                case 8: line[x] = char(index); break;
                case 16: {
                    const int v = ((qRed(c) >> 3) << 10) | ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3);
                    line[2 * x] = char(v & 0xff);
                    line[2 * x + 1] = char(v >> 8);
                    break;
                }
                case 24:
                    line[3 * x] = char(qBlue(c));
                    line[3 * x + 1] = char(qGreen(c));
                    line[3 * x + 2] = char(qRed(c));
                    break;
                case 32:
                    line[4 * x] = char(qBlue(c));
                    line[4 * x + 1] = char(qGreen(c));
                    line[4 * x + 2] = char(qRed(c));
                    break;
                }
            }
            out += line;
        }
        return out;
    }

    // The header of an 8-bit run-length bitmap (BI_RLE8) and its colour table: red and white.
    static QByteArray rle8Header(quint32 width, quint32 height)
    {
        QByteArray dib;
        for (quint32 v : {40u, width, height})
            put32(dib, v);
        put16(dib, 1);
        put16(dib, 8);
        put32(dib, 1); // BI_RLE8
        dib += QByteArray(12, '\0');
        put32(dib, 2); // two colours
        put32(dib, 0);
        return dib + QByteArray::fromHex("0000ff00ffffff00");
    }

    static void put16(QByteArray &out, int v)
    {
        out += char(v & 0xff);
        out += char((v >> 8) & 0xff);
    }
    static void put32(QByteArray &out, quint32 v)
    {
        put16(out, int(v & 0xffff));
        put16(out, int(v >> 16));
    }

private:
    WmfBuilder &colorRecord(quint16 function, QColor c)
    {
        const quint32 ref = colorRef(c);
        return record(function, {int(ref & 0xffff), int(ref >> 16)});
    }

    bool m_placeable = false;
    QRect m_box;
    int m_inch = 1440;
    QByteArray m_records;
    quint32 m_maxRecordWords = 3;
};

} // namespace wmftest
