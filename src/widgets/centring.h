// SPDX-License-Identifier: MIT
#pragma once
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace wortilo {

// Where a window's frame goes so that the frame (title bar and borders included) is centred on
// the screen area.
QPoint centredFramePosition(const QRect &screen, const QSize &client, const QMargins &frame);

// Centres a window on its screen by its frame. Before a window has been shown its frame is not
// known: the frame of the last window seen is taken instead, and the window is placed once more
// as soon as its own frame is known.
void centreWindow(QWidget *window);

} // namespace wortilo
