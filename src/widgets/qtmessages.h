// SPDX-License-Identifier: MIT
#pragma once
#include "core/messages.h"

class QWidget;

namespace wortilo {

// Message boxes shown with QMessageBox: no icon, each carriage return a line break.
class QtMessages : public Messages
{
public:
    Answer show(const QString &caption, const QString &text, Buttons buttons = Buttons::Ok,
                Answer defaultButton = Answer::Ok) override;
};

// The text as a QLabel shows it: carriage returns become line breaks.
QString messageDisplayText(const QString &text);

} // namespace wortilo
