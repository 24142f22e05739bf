// SPDX-License-Identifier: MIT
#pragma once

namespace wortilo {

// The twelve activities of the menu, in the order of their lists in the usage view. What each
// one is (button, usage heading, gate, window) is said once, in the activity table of the app.
enum class Activity {
    Lesen, Bildwahl, Wortwahl, Begleiter, Ergaenzen, Abc, Abschrift, Diktat, Teppich, Fange, Memory, Galgen
};
inline constexpr int kActivityCount = 12;

} // namespace wortilo
