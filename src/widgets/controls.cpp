// SPDX-License-Identifier: MIT
#include "controls.h"

#include "core/twips.h"
#include "shape.h"
#include "singleclick.h"

#include <QLabel>
#include <QPushButton>

namespace wortilo {

namespace {
QRect pixels(const QRect &t)
{
    return twipsRect(t.x(), t.y(), t.width(), t.height());
}
} // namespace

QPushButton *addButton(QWidget *parent, const QString &name, const QString &caption, const QRect &twips,
                       const QFont &font)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(font);
    button->setGeometry(pixels(twips));
    button->setAutoDefault(false);
    takeDoubleClickAsOneClick(button);
    return button;
}

QLabel *addLabel(QWidget *parent, const QString &name, const QString &text, const QRect &twips, const QFont &font)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setFont(font);
    label->setGeometry(pixels(twips));
    return label;
}

Shape *addShape(QWidget *parent, const QString &name, const QRect &twips, const QColor &fill, const QColor &border)
{
    auto *shape = new Shape(parent, fill, border);
    shape->setObjectName(name);
    shape->setGeometry(pixels(twips));
    return shape;
}

void fillBackground(QWidget *widget, const QColor &colour)
{
    QPalette pal = widget->palette();
    pal.setColor(widget->backgroundRole(), colour); // a check box fills with its button colour
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette pal = widget->palette();
    for (const QPalette::ColorRole role :
         {widget->foregroundRole(), QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        pal.setColor(role, colour);
    widget->setPalette(pal);
}

void setAccessibleContent(QWidget *widget, const QString &purpose, const QString &content)
{
    widget->setAccessibleDescription(purpose);
    widget->setAccessibleName(content.isEmpty() ? purpose : content);
}

} // namespace wortilo
