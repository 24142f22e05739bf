// SPDX-License-Identifier: MIT
#pragma once
#include <QFont>

namespace wortilo {

// Maps the design's fonts (Verdana, MS Sans Serif) to close installed ones; call once at start.
void installFontSubstitutes();

// A font of the given point size, sized in pixels at 96 dpi so that it fits the twip layout
// whatever the screen's own resolution.
QFont designFont(const QString &family, double points, bool bold = false);
inline QFont verdana(double points, bool bold = true) { return designFont(QStringLiteral("Verdana"), points, bold); }

} // namespace wortilo
