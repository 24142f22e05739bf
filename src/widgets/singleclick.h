// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace wortilo {

// Makes a double-click on the widget one click. A double-click delivers press, release, a second
// press (as a double-click event) and release; the second press is dropped, so the release after
// it finds no button down and clicks nothing. For every control on which a click answers or plays.
void takeDoubleClickAsOneClick(QWidget *widget);

} // namespace wortilo
