// SPDX-License-Identifier: MIT
#pragma once
#include "typingwindow.h"

namespace wortilo {

// Form10: the dictation window ("Diktat"), the child reads the noun and writes it from memory.
class Form10 : public ExerciseWindowOf<Dictation, TypingWindow>
{
    Q_OBJECT
public:
    explicit Form10(ActivityContext &context, Navigation &navigation, QWidget *parent = nullptr);

    Dictation &dictation() const { return engine(); }
};

} // namespace wortilo
