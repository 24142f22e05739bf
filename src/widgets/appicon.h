// SPDX-License-Identifier: MIT
#pragma once
#include <QIcon>

namespace wortilo {
// The program's icon, the capital W; every window carries it.
QIcon appIcon();
// The W as a picture of the given pixel size, as the main window shows it in its corner.
QPixmap appInitial(int pixels);
} // namespace wortilo
