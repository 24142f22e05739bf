// SPDX-License-Identifier: MIT
#pragma once
#include "widgets/drawingsurface.h"

namespace wortilo {

// Picture3, the colour panel: a drawing surface with the two rows of swatches that reports
// mouse presses on itself (not on the background sample or its scroll bars) in twips.
class ColourPanel : public DrawingSurface
{
    Q_OBJECT
public:
    using DrawingSurface::DrawingSurface;

Q_SIGNALS:
    void pressed(QPoint twipsPos);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

// Palette index chosen by a press at x twips: whole twips divided by 300; a press right of the
// last swatch counts as the last colour.
int swatchIndexAt(double xTwips);

} // namespace wortilo
