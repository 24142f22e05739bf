// SPDX-License-Identifier: MIT
#pragma once
#include "exercisewindow.h"

class QLabel;

namespace wortilo {

class Completion;

// Form4: the completion window ("Ergänzen"), "Ich sehe" completed with ein, eine or einen.
class Form4 : public ExerciseWindow
{
    Q_OBJECT
public:
    explicit Form4(ActivityContext &context, Navigation &navigation, QWidget *parent = nullptr);

    Completion &completion() const;

private:
    void answer(const QString &indefinite);
};

} // namespace wortilo
