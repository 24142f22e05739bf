// SPDX-License-Identifier: MIT
#pragma once
#include "exercisewindow.h"
#include "reading.h"

namespace wortilo {

// Form2: the reading window ("Lesen"), a picture with its noun in the letter colours.
class Form2 : public ExerciseWindowOf<Reading>
{
    Q_OBJECT
public:
    explicit Form2(ActivityContext &context, Navigation &navigation, QWidget *parent = nullptr);
};

} // namespace wortilo
