// SPDX-License-Identifier: MIT
#include "colourpanel.h"

#include "core/palette.h"
#include "core/twips.h"

#include <QMouseEvent>
#include <algorithm>
#include <cmath>

namespace wortilo {

int swatchIndexAt(double xTwips)
{
    const long whole = std::lround(std::max(0.0, xTwips));
    return int(std::min<long>(whole / 300, kPaletteSize - 1));
}

void ColourPanel::mousePressEvent(QMouseEvent *event)
{
    const QPointF p = event->position();
    Q_EMIT pressed(QPoint(int(std::lround(twipsF(p.x()))), int(std::lround(twipsF(p.y())))));
    event->accept();
}

} // namespace wortilo
