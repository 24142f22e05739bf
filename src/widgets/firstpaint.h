// SPDX-License-Identifier: MIT
#pragma once
#include <functional>

class QWidget;

namespace wortilo {

// Calls then once, right after the widget's first paint has reached the screen: for work that may
// wait until the window is there (it would otherwise compete with the start-up).
void afterFirstPaint(QWidget &widget, std::function<void()> then);

} // namespace wortilo
