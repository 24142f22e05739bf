// SPDX-License-Identifier: MIT
#include "controls.h"

#include "core/twips.h"
#include "fonts.h"
#include "shape.h"
#include "singleclick.h"

#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTextLayout>

namespace wortilo {

namespace {
class WrappedLabel : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setPen(palette().color(foregroundRole()));
        const QRect room = contentsRect();
        const QFontMetrics metrics(font());
        const LetterExtent letters = letterExtent(font());
        QTextLayout layout(text(), font());
        QTextOption option(Qt::AlignLeft);
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        // Each line's box starts where its baseline lies the letters' ascent below the line's top.
        for (int y = letters.ascent - metrics.ascent();; y += letters.height()) {
            QTextLine line = layout.createLine();
            if (!line.isValid())
                break;
            line.setLineWidth(room.width());
            line.setPosition(QPointF(0, y));
        }
        layout.endLayout();
        layout.draw(&p, room.topLeft());
    }
};

// Names the control and puts it at its place in twips, in its font.
template <class Control>
Control *placed(Control *control, const QString &name, const QRect &twips, const QFont &font)
{
    control->setObjectName(name);
    control->setFont(font);
    control->setGeometry(twipsRect(twips));
    return control;
}
} // namespace

QPushButton *addButton(QWidget *parent, const QString &name, const QString &caption, const QRect &twips,
                       const QFont &font)
{
    auto *button = placed(new QPushButton(caption, parent), name, twips, font);
    button->setAutoDefault(false);
    takeDoubleClickAsOneClick(button);
    return button;
}

QLabel *addLabel(QWidget *parent, const QString &name, const QString &text, const QRect &twips, const QFont &font)
{
    auto *label = placed(new QLabel(parent), name, twips, font);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

QLabel *addWrappedLabel(QWidget *parent, const QString &name, const QString &text, const QRect &twips,
                        const QFont &font)
{
    auto *label = placed(new WrappedLabel(parent), name, twips, font);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QListWidget *addList(QWidget *parent, const QString &name, const QString &accessibleName, const QRect &twips,
                     const QFont &font)
{
    auto *list = placed(new QListWidget(parent), name, twips, font);
    list->setAccessibleName(accessibleName);
    return list;
}

Shape *addShape(QWidget *parent, const QString &name, const QRect &twips, const QColor &fill, const QColor &border,
                int borderWidth)
{
    auto *shape = new Shape(parent, fill, border, borderWidth);
    shape->setObjectName(name);
    shape->setGeometry(twipsRect(twips));
    return shape;
}

QWidget *addButtonBar(QWidget *parent, const QRect &twips)
{
    Shape *bar = addShape(parent, QStringLiteral("Shape1"), twips, kBarColour, kBarColour);
    fillBackground(bar, kBarColour); // what the window's palette says of it, too
    return bar;
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
