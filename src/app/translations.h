// SPDX-License-Identifier: MIT
#pragma once

class QCoreApplication;

namespace wortilo {
// Loads Qt's own German texts (context menus, scroll bar menus, dialog buttons), so that every
// text the child sees is German. Returns false when they are not installed.
bool installGermanTranslations(QCoreApplication &app);
} // namespace wortilo
