// SPDX-License-Identifier: MIT
#pragma once
#include <QColor>

namespace wortilo {

// The 16-colour palette in which letter colours and most game colours are given.
inline constexpr int kPaletteSize = 16;

// Colour of palette index i; indices outside 0..15 are clamped to the nearest valid one.
QColor paletteColor(int index);

// Palette index of a colour, or -1 when the colour is not one of the sixteen.
int paletteIndexOf(const QColor &color);

} // namespace wortilo
