// SPDX-License-Identifier: MIT
#include "form3.h"

#include "widgets/controls.h"
#include "widgets/fonts.h"

#include <QPushButton>

namespace wortilo {

namespace {
FrameLayout articleLayout()
{
    FrameLayout l;
    l.client = QSize(10815, 7590);
    l.previousName = QStringLiteral("Command5");
    l.nextName = QStringLiteral("Command6");
    return l;
}
} // namespace

Form3::Form3(ActivityContext &context, Navigation &navigation, QWidget *parent)
    : ExerciseWindowOf(context, navigation, QStringLiteral("ortilo (Begleiter)"), articleLayout(), parent)
{
    const struct {
        const char *name;
        const char *article;
        int top;
    } buttons[] = {{"Command2", "der", 1080}, {"Command3", "die", 2280}, {"Command4", "das", 3480}};
    for (const auto &b : buttons) {
        const QString article = QString::fromLatin1(b.article);
        QPushButton *button =
            addButton(this, QString::fromLatin1(b.name), article, QRect(360, b.top, 1335, 975), verdana(20.25, true));
        connect(button, &QPushButton::clicked, this, [this, article] { answer(article); });
    }
}

void Form3::answer(const QString &article)
{
    articleChoice().check(article);
}

} // namespace wortilo
