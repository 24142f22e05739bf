// SPDX-License-Identifier: MIT
#pragma once
#include "articleexercise.h"
#include "exercisewindow.h"

class QLabel;

namespace wortilo {

// Form4: the completion window ("Ergänzen"), "Ich sehe" completed with ein, eine or einen.
class Form4 : public ExerciseWindowOf<Completion>
{
    Q_OBJECT
public:
    explicit Form4(ActivityContext &context, Navigation &navigation, QWidget *parent = nullptr);
};

} // namespace wortilo
