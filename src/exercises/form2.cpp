// SPDX-License-Identifier: MIT
#include "form2.h"

namespace wortilo {

Form2::Form2(ActivityContext &context, Navigation &navigation, QWidget *parent)
    : ExerciseWindowOf(context, navigation, QStringLiteral("ortilo (Lesen)"),
                       FrameLayout{.client = QSize(10830, 7590),
                                   .image1 = QRect(2760, 960, 5295, 3855),
                                   .image2 = QRect(3480, 240, 3855, 5295),
                                   .strip = QRect(120, 5640, 10575, 1095)},
                       parent)
{
}

} // namespace wortilo
