#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Composes one Wortilo picture as SVG: a flat emoji, fitted into a frame of W x H pixels on a
light background, centred, without distortion.

    bild-svg.py EMOJI.svg W H BX BY BW BH > OUT.svg

BX BY BW BH is the bounding box of the emoji's visible content in its own user units (measured by
the caller on a rendering), so that the object itself, not its square canvas, fills the frame.

Every path is rewritten with absolute coordinates and every subpath explicitly closed. For filling
this changes nothing (SVG closes filled subpaths implicitly), but Inkscape's WMF export writes an
unclosed subpath as a polyline, which a WMF reader does not fill: without this step, half of the
emoji would vanish from the WMF pictures.
"""
import re
import sys
import xml.etree.ElementTree as ET

SVG = "http://www.w3.org/2000/svg"
BACKGROUND = "#fffaf0"
MARGIN = 16  # pixels kept free on every side of the frame

ARGS = {"M": 2, "L": 2, "H": 1, "V": 1, "C": 6, "S": 4, "Q": 4, "T": 2, "A": 7, "Z": 0}
NUMBER = re.compile(r"[-+]?(?:\d+\.?\d*|\.\d+)(?:[eE][-+]?\d+)?")


def tokens(d):
    """Yields (command, [numbers]) with implicit repetitions split off. Arc flags may be written
    without separators ("a1 1 0 011 1"), so they are read as single characters."""
    i, n = 0, len(d)
    cmd = None
    while i < n:
        c = d[i]
        if c in " \t\r\n,":
            i += 1
            continue
        if c.upper() in ARGS:
            cmd = c
            i += 1
            if cmd.upper() == "Z":
                yield cmd, []
            continue
        if cmd is None or cmd.upper() == "Z":
            raise ValueError("number without command in path: " + d[:40])
        nums = []
        for k in range(ARGS[cmd.upper()]):
            while i < n and d[i] in " \t\r\n,":
                i += 1
            if cmd.upper() == "A" and k in (3, 4):
                if i >= n or d[i] not in "01":
                    raise ValueError("bad arc flag in path: " + d[:40])
                nums.append(float(d[i]))
                i += 1
                continue
            m = NUMBER.match(d, i)
            if not m:
                raise ValueError("bad number in path at %d: %s" % (i, d[:40]))
            nums.append(float(m.group()))
            i = m.end()
        yield cmd, nums
        if cmd == "M":
            cmd = "L"
        elif cmd == "m":
            cmd = "l"


def fmt(v):
    s = ("%.4f" % v).rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def absolute_closed(d):
    out = []
    x = y = sx = sy = 0.0
    open_subpath = False
    for cmd, a in tokens(d):
        rel = cmd.islower()
        c = cmd.upper()
        if c == "Z":
            if open_subpath:
                out.append("Z")
            open_subpath = False
            x, y = sx, sy
            continue
        if c == "M":
            if open_subpath:
                out.append("Z")
            if rel:
                a = [a[0] + x, a[1] + y]
            x, y = sx, sy = a
            out.append("M%s %s" % (fmt(x), fmt(y)))
            open_subpath = True
            continue
        if not open_subpath:  # drawing after Z starts a new subpath at the current point
            out.append("M%s %s" % (fmt(x), fmt(y)))
            sx, sy = x, y
            open_subpath = True
        if c == "H":
            x = a[0] + (x if rel else 0)
            out.append("H" + fmt(x))
        elif c == "V":
            y = a[0] + (y if rel else 0)
            out.append("V" + fmt(y))
        elif c == "A":
            ex, ey = (a[5] + x, a[6] + y) if rel else (a[5], a[6])
            out.append("A" + " ".join(fmt(v) for v in a[:5] + [ex, ey]))
            x, y = ex, ey
        else:
            pts = [v + (x if k % 2 == 0 else y) if rel else v for k, v in enumerate(a)]
            out.append(c + " ".join(fmt(v) for v in pts))
            x, y = pts[-2], pts[-1]
    if open_subpath:
        out.append("Z")
    return "".join(out)


def main():
    if len(sys.argv) != 8:
        sys.exit(__doc__)
    src = sys.argv[1]
    w, h = int(sys.argv[2]), int(sys.argv[3])
    bx, by, bw, bh = (float(v) for v in sys.argv[4:8])
    ET.register_namespace("", SVG)
    root = ET.parse(src).getroot()
    for el in root.iter():
        tag = el.tag.split("}")[-1]
        if tag in ("linearGradient", "radialGradient", "filter", "mask", "image", "use", "style", "text"):
            sys.exit("%s: <%s> is not flat enough for every picture format" % (src, tag))
        if el.get("stroke") not in (None, "none"):
            sys.exit("%s: strokes are not supported" % src)
        if tag == "path":
            el.set("d", absolute_closed(el.get("d")))
    inner = ET.Element("{%s}svg" % SVG, {
        "x": str(MARGIN), "y": str(MARGIN),
        "width": str(w - 2 * MARGIN), "height": str(h - 2 * MARGIN),
        "viewBox": " ".join(fmt(v) for v in (bx, by, bw, bh)),
        "preserveAspectRatio": "xMidYMid meet", "overflow": "visible",
    })
    for k, v in root.attrib.items():
        if k not in ("viewBox", "width", "height"):
            inner.set(k, v)
    inner.extend(list(root))
    outer = ET.Element("{%s}svg" % SVG, {
        "width": str(w), "height": str(h), "viewBox": "0 0 %d %d" % (w, h)})
    ET.SubElement(outer, "{%s}rect" % SVG, {"width": str(w), "height": str(h), "fill": BACKGROUND})
    outer.append(inner)
    sys.stdout.write(ET.tostring(outer, encoding="unicode") + "\n")


if __name__ == "__main__":
    main()
