// SPDX-License-Identifier: MIT
#pragma once
#include "core/activity.h"

#include <QString>
#include <array>
#include <optional>

namespace wortilo {

class ActivityContext;
class ActivityWindow;
class Navigation;

// Which message the menu shows when there are too few words for an activity.
enum class Gate {
    None,    // opens with any number of words
    TooFew,  // "Es sind zu wenig Wörter vorhanden, ..."
    NoWords, // "Es sind keine Wörter vorhanden. ..."
};

// A message box's caption and text.
struct MessageText {
    QString caption;
    QString text;
    bool operator==(const MessageText &) const = default;
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
    ActivityWindow *(*create)(ActivityContext &context, Navigation &navigation);

    // The gate: with fewer active words than the minimum the menu shows this message instead of
    // opening the window; nothing when the window opens.
    std::optional<MessageText> refusal(qsizetype activeWords) const;
};

// The table of activities, one row each, in the order of their lists in the usage view.
using ActivityTable = std::array<ActivityRow, kActivityCount>;
const ActivityTable &activityTable();

} // namespace wortilo
