// SPDX-License-Identifier: MIT
#include "typing.h"

#include "core/messages.h"

namespace wortilo {

TypingExercise::TypingExercise(ActivityContext &context, Activity activity)
    : WordFrame(context, StripStyle::Compact), m_activity(activity)
{
    // An empty noun could only be "typed" by emptying the field.
    setNounsOnly(true);
}

TypingExercise::Result TypingExercise::textChanged(const QString &text)
{
    if (!hasWord() || isBusy())
        return Result::Ignored;
    const ConfirmingScope confirming(*this);
    const QString &word = currentWord().noun();
    if (text == word) {
        context().appendUsage(m_activity, text);
        if (context().confirmationsOn())
            context().messages().ok(kRightCaption, kRightText + kCr + kCr);
        presentNewWord();
        return Result::Right;
    }
    if (isBeginning(text, word))
        return Result::Beginning;
    context().messages().ok(kWrongCaption, kWrongText + kCr + kCr);
    return Result::Wrong;
}

void TypingExercise::setVisibility(bool pictures, bool strip, bool instruction)
{
    if (pictures == m_pictures && strip == m_stripShown && instruction == m_instruction)
        return;
    m_pictures = pictures;
    m_stripShown = strip;
    m_instruction = instruction;
    Q_EMIT visibilityChanged();
}

Copying::Copying(ActivityContext &context) : TypingExercise(context, Activity::Abschrift) {}

void Copying::setModel(Model model)
{
    m_model = model;
    setVisibility(model != Model::Word, model != Model::Picture, true);
}

Dictation::Dictation(ActivityContext &context) : TypingExercise(context, Activity::Diktat) {}

TypingExercise::Result Dictation::textChanged(const QString &text)
{
    if (!hasWord() || isBusy())
        return Result::Ignored;
    if (!text.isEmpty())
        setVisibility(true, false, false);
    const Result result = TypingExercise::textChanged(text);
    // After the error message the word is shown again as a help.
    if (result == Result::Wrong)
        setVisibility(true, true, instructionVisible());
    return result;
}

void Dictation::presentNewWord()
{
    setVisibility(true, true, true);
    TypingExercise::presentNewWord();
    // A dictation is heard: every new word is said as it is shown.
    sayWord();
}

} // namespace wortilo
