// SPDX-License-Identifier: MIT
#pragma once
#include "widgets/drawingsurface.h"

#include <array>

class QScrollBar;

namespace wortilo {

class Session;
class Shape;

// Picture3, the colour panel: two rows of swatches for the consonant and vowel colours with
// their samples (Shape2, Shape3), and the background sample Hintergrund with its three scroll
// bars for red, green and blue.
class ColourPanel : public DrawingSurface
{
    Q_OBJECT
public:
    ColourPanel(Session &session, QWidget *parent);

private:
    // Draws the two rows of swatches and their captions.
    void farbfelder();
    void pick(QPoint twipsPos);
    void showColours();
    void showBackgroundValues();
    // The sample word "Hintergrund" in the letter colours on the shared background.
    void drawSample();

    Session &m_session;
    Shape *m_consonantSample = nullptr;
    Shape *m_vowelSample = nullptr;
    DrawingSurface *m_background = nullptr;
    std::array<QScrollBar *, 3> m_scrollBars{};
};

// Palette index chosen by a press at x twips: whole twips divided by 300; a press right of the
// last swatch counts as the last colour.
int swatchIndexAt(int xTwips);

} // namespace wortilo
