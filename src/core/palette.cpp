// SPDX-License-Identifier: MIT
#include "palette.h"

#include <algorithm>
#include <array>

namespace wortilo {

namespace {
constexpr std::array<QRgb, kPaletteSize> kRgb = {
    qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
    qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
    qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255),
};
} // namespace

QColor paletteColor(int index)
{
    return QColor(kRgb[std::clamp(index, 0, kPaletteSize - 1)]);
}

} // namespace wortilo
