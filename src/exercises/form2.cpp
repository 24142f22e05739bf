// SPDX-License-Identifier: MIT
#include "form2.h"

namespace wortilo {

namespace {
FrameLayout readingLayout()
{
    FrameLayout l;
    l.client = QSize(10830, 7590);
    l.image1 = QRect(2760, 960, 5295, 3855);
    l.image2 = QRect(3480, 240, 3855, 5295);
    l.strip = QRect(120, 5640, 10575, 1095);
    return l;
}
} // namespace

Form2::Form2(ActivityContext &context, Navigation &navigation, QWidget *parent)
    : ExerciseWindowOf(context, navigation, QStringLiteral("ortilo (Lesen)"), readingLayout(), parent)
{
}

} // namespace wortilo
