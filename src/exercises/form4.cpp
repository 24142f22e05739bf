// SPDX-License-Identifier: MIT
#include "form4.h"

#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "core/twips.h"

#include <QLabel>
#include <QPushButton>

namespace wortilo {

namespace {
FrameLayout completionLayout()
{
    FrameLayout l;
    l.client = QSize(10815, 7560);
    l.resizable = true;
    l.image1 = QRect(4440, 840, 5295, 3855);
    l.image2 = QRect(5160, 120, 3855, 5295);
    return l;
}
} // namespace

Form4::Form4(ActivityContext &context, Navigation &navigation, QWidget *parent)
    : ExerciseWindowOf(context, navigation, QStringLiteral("ortilo (Ergänzung)"), completionLayout(), parent)
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

    const struct {
        const char *name;
        const char *caption;
        int top;
    } buttons[] = {{"Command4", "ein", 1920}, {"Command5", "eine", 2640}, {"Command6", "einen", 3360}};
    for (const auto &b : buttons) {
        const QString caption = QString::fromLatin1(b.caption);
        QPushButton *button = addButton(this, QString::fromLatin1(b.name), caption, QRect(1080, b.top, 2295, 615),
                                       verdana(20.25, true));
        connect(button, &QPushButton::clicked, this, [this, caption] { answer(caption); });
    }
}

void Form4::answer(const QString &indefinite)
{
    completion().checkIndefinite(indefinite);
}

} // namespace wortilo
