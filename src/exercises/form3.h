// SPDX-License-Identifier: MIT
#pragma once
#include "articleexercise.h"
#include "exercisewindow.h"

namespace wortilo {

// Form3: the article window ("Begleiter"), the child picks der, die or das for the noun shown.
class Form3 : public ExerciseWindowOf<ArticleChoice>
{
    Q_OBJECT
public:
    explicit Form3(ActivityContext &context, Navigation &navigation, QWidget *parent = nullptr);
};

} // namespace wortilo
