// SPDX-License-Identifier: MIT
#pragma once
#include <QColor>
#include <QStringList>

namespace wortilo {

class Messages;
class PictureFolder;

// The twelve lists of the usage view, one per activity, in the view's order.
enum class UsageList {
    Lesen, Bildwahl, Wortwahl, Begleiter, Ergaenzen, Abc, Abschrift, Diktat, Teppich, Fange, Memory, Galgen
};
inline constexpr int kUsageListCount = 12;

// What an activity window may read from the main window, and how it hands control back.
// The main window implements it; tests use a fake.
class Host
{
public:
    virtual ~Host() = default;

    // The entries the activities draw their words from (the word list, narrowed to the letter
    // filter's nouns while "Filter" is checked).
    virtual QStringList activeEntries() const = 0;
    // The background colour chosen on the colour panel.
    virtual QColor background() const = 0;
    // Whether right answers are confirmed by a message ("Bestätigungen aktivieren").
    virtual bool confirmationsOn() const = 0;
    virtual QString playerName() const = 0;
    // Appends a line to one list of the usage view (created on first use, not shown).
    virtual void appendUsage(UsageList list, const QString &line) = 0;
    virtual Messages &messages() = 0;
    virtual const PictureFolder &pictureFolder() const = 0;
    // Shows the main window again; called when an activity is left.
    virtual void returnToMenu() = 0;
    // True once the program is ending: windows closing then must not hand control back.
    virtual bool quitting() const = 0;
};

} // namespace wortilo
