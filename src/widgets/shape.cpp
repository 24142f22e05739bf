// SPDX-License-Identifier: MIT
#include "shape.h"

#include <QPainter>

namespace wortilo {

Shape::Shape(QWidget *parent, const QColor &fill, const QColor &border)
    : QWidget(parent), m_fill(fill), m_border(border)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setFillColor(const QColor &color)
{
    m_fill = color;
    update();
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_fill);
    p.setPen(m_border);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace wortilo
