// SPDX-License-Identifier: MIT
#include "form3.h"

namespace wortilo {

Form3::Form3(ActivityContext &context, Navigation &navigation, QWidget *parent)
    : ExerciseWindowOf(context, navigation, QStringLiteral("ortilo (Begleiter)"),
                       FrameLayout{.client = QSize(10815, 7590),
                                   .previousName = QStringLiteral("Command5"),
                                   .nextName = QStringLiteral("Command6")},
                       parent)
{
    addAnswerButtons({{"Command2", "der", 1080}, {"Command3", "die", 2280}, {"Command4", "das", 3480}}, 360,
                     QSize(1335, 975), [this](const QString &article) { engine().check(article); });
}

} // namespace wortilo
