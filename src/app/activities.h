// SPDX-License-Identifier: MIT
#pragma once
#include "core/activity.h"

#include <array>

namespace wortilo {

class ActivityWindow;
class Host;

// Which message the menu shows when there are too few words for an activity.
enum class Gate {
    None,    // opens with any number of words
    TooFew,  // "Es sind zu wenig Wörter vorhanden, ..."
    NoWords, // "Es sind keine Wörter vorhanden. ..."
};

// One activity of the menu: everything the main window and the usage view know of it.
struct ActivityRow {
    Activity activity;
    const char *button;  // object name of its menu button
    const char *caption; // the button's caption
    int left, top;       // the button's place in twips
    const char *heading; // the heading of its list in the usage view
    int minimum;         // active words the menu needs before it opens the window
    Gate gate;
    bool hidesPanels;    // opening it first hides an open colour, letter or options panel
    ActivityWindow *(*create)(Host &host);
};

// The table of activities, one row each, in the order of their lists in the usage view.
using ActivityTable = std::array<ActivityRow, kActivityCount>;
const ActivityTable &activityTable();

} // namespace wortilo
