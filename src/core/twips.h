// SPDX-License-Identifier: MIT
#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>

// Layouts are given in twips (1440 per inch); the screen is taken at 96 dpi, 15 twips per pixel.
namespace wortilo {

inline constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips)
{
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}
constexpr int twips(int pixels) { return pixels * kTwipsPerPixel; }
inline double twipsF(double pixels) { return pixels * kTwipsPerPixel; }

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}
inline QRect twipsRect(const QRect &twips) { return twipsRect(twips.x(), twips.y(), twips.width(), twips.height()); }
inline QSize twipsSize(int width, int height) { return QSize(px(width), px(height)); }
inline QPoint twipsPoint(int x, int y) { return QPoint(px(x), px(y)); }

} // namespace wortilo
