// SPDX-License-Identifier: MIT
#include "form4.h"

#include "core/twips.h"
#include "widgets/fonts.h"

#include <QLabel>

namespace wortilo {

Form4::Form4(ActivityContext &context, Navigation &navigation, QWidget *parent)
    : ExerciseWindowOf(context, navigation, QStringLiteral("ortilo (Ergänzung)"),
                       FrameLayout{.client = QSize(10815, 7560),
                                   .resizable = true,
                                   .image1 = QRect(4440, 840, 5295, 3855),
                                   .image2 = QRect(5160, 120, 3855, 5295)},
                       parent)
{
    setFont(verdana(24, true));

    auto *sentence = new QLabel(QStringLiteral("Ich sehe"), this);
    sentence->setObjectName(QStringLiteral("Label2"));
    sentence->setFont(verdana(24, true));
    QPalette pal = sentence->palette();
    pal.setColor(QPalette::WindowText, QColor(0, 0, 192));
    sentence->setPalette(pal);
    sentence->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    sentence->setGeometry(twipsRect(1080, 1200, 2775, 615));

    addAnswerButtons({{"Command4", "ein", 1920}, {"Command5", "eine", 2640}, {"Command6", "einen", 3360}}, 1080,
                     QSize(2295, 615), [this](const QString &indefinite) { engine().checkIndefinite(indefinite); });
}

} // namespace wortilo
