// SPDX-License-Identifier: MIT
#pragma once
#include "core/messages.h"
#include "widgets/navigation.h"

// Message boxes that answer at once with their default button, and a window's way back that
// stays: what the benchmarks hand the session and the activity windows.
class SilentMessages : public wortilo::Messages
{
public:
    Answer show(const QString &, const QString &, Buttons, Answer defaultButton) override { return defaultButton; }
};

class Staying : public wortilo::Navigation
{
public:
    void returnToMenu() override {}
    bool quitting() const override { return false; }
};
