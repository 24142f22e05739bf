// SPDX-License-Identifier: MIT
#pragma once
#include <QColor>

namespace wortilo {

// The 16-colour palette in which letter colours and most game colours are given.
inline constexpr int kPaletteSize = 16;

// Colour of palette index i; indices outside 0..15 are clamped to the nearest valid one.
QColor paletteColor(int index);

} // namespace wortilo
