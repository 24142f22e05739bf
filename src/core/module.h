// SPDX-License-Identifier: MIT
#pragma once
#include <QString>
#include <QtGlobal>

namespace wortilo {

// The function `entry` of a module the program loads at run time (the sound libraries, the print
// dialog), so that it starts without them. The module stays loaded: its code must be there while
// the program runs. Null, with a warning that says what the user goes without (`lost`), when the
// module or its entry cannot be found.
QFunctionPointer moduleEntry(const QString &path, const char *entry, const char *lost);

} // namespace wortilo
