// SPDX-License-Identifier: MIT
#include "shape.h"

#include <QPainter>
#include <algorithm>

namespace wortilo {

Shape::Shape(QWidget *parent, const QColor &fill, const QColor &border, int borderWidth)
    : QWidget(parent), m_fill(fill), m_border(border), m_borderWidth(borderWidth)
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
    const int w = std::min({m_borderWidth, width(), height()});
    p.fillRect(0, 0, width(), w, m_border);
    p.fillRect(0, height() - w, width(), w, m_border);
    p.fillRect(0, 0, w, height(), m_border);
    p.fillRect(width() - w, 0, w, height(), m_border);
}

} // namespace wortilo
