// SPDX-License-Identifier: MIT
#pragma once

namespace wortilo {
class Form1;
// Tells the main window which window class each menu button opens.
void registerActivities(Form1 &menu);
} // namespace wortilo
