// SPDX-License-Identifier: MIT
#pragma once
#include "typingwindow.h"

namespace wortilo {

// Form9: the copying window ("Abschrift"), the child copies the noun shown into the text field;
// the options choose whether the picture, the word or both are shown.
class Form9 : public ExerciseWindowOf<Copying, TypingWindow>
{
    Q_OBJECT
public:
    explicit Form9(ActivityContext &context, Navigation &navigation, QWidget *parent = nullptr);

    Copying &copying() const { return engine(); }
};

} // namespace wortilo
