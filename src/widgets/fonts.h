// SPDX-License-Identifier: MIT
#pragma once
#include <QFont>

namespace wortilo {

// Maps the design's fonts (Verdana, MS Sans Serif) to close installed ones; call once at start.
void installFontSubstitutes();

// The face every text of the windows is drawn in: Andika, made for beginning readers (a capital I
// with serifs, a small l with a tail, a and g as children learn to write them).
inline constexpr char16_t kReadersFace[] = u"Andika";

// A font of the given point size, sized in pixels at 96 dpi so that it fits the twip layout
// whatever the screen's own resolution. It is the readers' face where that is installed, and
// otherwise the given design face through its substitute.
QFont designFont(const QString &family, double points, bool bold = false);
inline QFont verdana(double points, bool bold = true) { return designFont(QStringLiteral("Verdana"), points, bold); }

// How far the letters of German words reach above and below the baseline, in pixels: the dots
// of capital umlauts and the descenders of small letters, never more than the font's own line
// box. Andika's line box leaves room for the stacked accents of other languages; text placed
// line by line uses these extents, so that a word sits where it sat in the substitute face.
struct LetterExtent {
    int ascent = 0;
    int descent = 0;
    int height() const { return ascent + descent; }
};
LetterExtent letterExtent(const QFont &font);

} // namespace wortilo
