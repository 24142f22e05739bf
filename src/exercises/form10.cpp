// SPDX-License-Identifier: MIT
#include "form10.h"

namespace wortilo {

Form10::Form10(ActivityContext &context, Navigation &navigation, QWidget *parent)
    : ExerciseWindowOf(context, navigation, QStringLiteral("ortilo (Diktat)"),
                       typingLayout(QSize(10815, 8640), QPoint(5400, 840), QPoint(6120, 120)), parent)
{
    setInstruction(addLabel(QStringLiteral("Label2"), QStringLiteral("Lies das Wort und schreibe es auswendig."),
                            QRect(120, 120, 3975, 1815), 24, QColor(0, 192, 0), QColor(224, 224, 224)));
}

} // namespace wortilo
