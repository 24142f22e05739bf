// SPDX-License-Identifier: MIT
#include "shape.h"

#include "core/twips.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace wortilo {

namespace {
constexpr int kLineWidth = 3; // pixels of a line shape
} // namespace

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

LineShape::LineShape(QWidget *parent, QPoint fromTwips, QPoint toTwips, const QColor &colour)
    : QWidget(parent), m_colour(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QPoint from = twipsPoint(fromTwips.x(), fromTwips.y());
    const QPoint to = twipsPoint(toTwips.x(), toTwips.y());
    const QRect box = QRect(from, to).normalized().adjusted(-kLineWidth, -kLineWidth, kLineWidth, kLineWidth);
    setGeometry(box);
    m_from = from - box.topLeft();
    m_to = to - box.topLeft();
}

void LineShape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(m_colour, kLineWidth, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(m_from, m_to);
}

Face::Face(QWidget *parent, Mood mood) : QWidget(parent), m_mood(mood)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Face::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    const qreal w = r.width(), h = r.height();
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(255, 220, 170));
    p.drawEllipse(r);

    // Eyes.
    p.setBrush(Qt::black);
    p.setPen(Qt::NoPen);
    const qreal eye = w * 0.11;
    p.drawEllipse(QPointF(r.left() + w * 0.33, r.top() + h * 0.38), eye / 2, eye / 2);
    p.drawEllipse(QPointF(r.left() + w * 0.67, r.top() + h * 0.38), eye / 2, eye / 2);

    // The mouth: a smile when rescued, turned down while hanging.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(160, 0, 0), 1.5, Qt::SolidLine, Qt::RoundCap));
    QPainterPath mouth;
    const qreal left = r.left() + w * 0.3, right = r.left() + w * 0.7;
    if (m_mood == Mood::Happy) {
        mouth.moveTo(left, r.top() + h * 0.62);
        mouth.quadTo(r.center().x(), r.top() + h * 0.85, right, r.top() + h * 0.62);
    } else {
        mouth.moveTo(left, r.top() + h * 0.78);
        mouth.quadTo(r.center().x(), r.top() + h * 0.6, right, r.top() + h * 0.78);
    }
    p.drawPath(mouth);
}

} // namespace wortilo
