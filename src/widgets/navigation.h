// SPDX-License-Identifier: MIT
#pragma once

namespace wortilo {

// How an activity window hands control back to the menu. The main window implements it.
class Navigation
{
public:
    virtual ~Navigation() = default;
    // Shows the main window again; called when an activity is left.
    virtual void returnToMenu() = 0;
    // True once the program is ending: windows closing then must not hand control back.
    virtual bool quitting() const = 0;
};

} // namespace wortilo
