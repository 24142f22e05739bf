// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

namespace wortilo {

// Every message box of the program goes through this interface, so tests read the exact
// caption and text instead of blocking on a modal box. Texts separate lines with a carriage
// return (character 13), as the program's messages are written.
class Messages
{
public:
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    virtual ~Messages() = default;
    // Shows a modal box and returns the button pressed.
    virtual Answer show(const QString &caption, const QString &text, Buttons buttons = Buttons::Ok,
                        Answer defaultButton = Answer::Ok) = 0;

    void ok(const QString &caption, const QString &text) { show(caption, text); }
};

// The carriage return that ends the lines of a message text.
inline constexpr QChar kCr = QChar(13);

// What the menu says when there is no word for an activity, and an activity that finds no word
// it can use.
inline const QString kNoWordsCaption = QStringLiteral("Zeichjagd");
inline const QString kNoWordsText = QStringLiteral("Es sind keine Wörter vorhanden.") + kCr
                                    + QStringLiteral("bitte die Filterwahl kontrollieren!") + kCr;

} // namespace wortilo
