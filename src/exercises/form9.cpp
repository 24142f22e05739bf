// SPDX-License-Identifier: MIT
#include "form9.h"

#include "core/twips.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "widgets/shape.h"

#include <QRadioButton>

namespace wortilo {

namespace {
// The installed fonts standing in for the design's can be wider: a caption that would be cut
// off by the frame is made smaller until it fits.
void fitCaption(QRadioButton *option)
{
    QFont font = option->font();
    while (option->sizeHint().width() > option->width() && font.pixelSize() > 8) {
        font.setPixelSize(font.pixelSize() - 1);
        option->setFont(font);
    }
}
} // namespace

Form9::Form9(ActivityContext &context, Navigation &navigation, QWidget *parent)
    : ExerciseWindowOf(context, navigation, QStringLiteral("ortilo (Abschrift)"),
                       typingLayout(QSize(10830, 8655), QPoint(2760, 840), QPoint(3480, 120)), parent)
{
    addLabel(QStringLiteral("Label2"), QStringLiteral("Schreibe das Wort bitte fehlerfrei ab."),
             QRect(360, 1920, 2295, 1695), 15.75, QColor(0, 0, 255), kBarColour);

    auto *group = new QWidget(this);
    group->setObjectName(QStringLiteral("Frame1"));
    group->setGeometry(twipsRect(8160, 1920, 2295, 1695));
    fillBackground(group, kBarColour);
    auto *outline = new Shape(group, Qt::transparent, Qt::black);
    outline->setObjectName(QStringLiteral("Shape2"));
    outline->setGeometry(group->rect());

    const struct {
        const char *name;
        const char *caption;
        int top;
        Copying::Model model;
    } options[] = {{"Option1", "Bild", 120, Copying::Model::Picture},
                   {"Option2", "Wort", 600, Copying::Model::Word},
                   {"Option3", "Bild und Wort", 1200, Copying::Model::Both}};
    for (const auto &o : options) {
        auto *option = new QRadioButton(QString::fromLatin1(o.caption), group);
        option->setObjectName(QString::fromLatin1(o.name));
        option->setFont(o.model == Copying::Model::Both ? designFont(QStringLiteral("MS Sans Serif"), 12, true)
                                                        : verdana(12, true));
        // From its place up to the frame's outline.
        option->setGeometry(twipsRect(120, o.top, 2160, 375));
        fitCaption(option);
        option->setChecked(o.model == copying().model());
        const Copying::Model model = o.model;
        connect(option, &QRadioButton::clicked, this, [this, model] {
            copying().setModel(model);
            focusText();
        });
    }
}

} // namespace wortilo
