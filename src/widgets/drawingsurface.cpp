// SPDX-License-Identifier: MIT
#include "drawingsurface.h"

#include "core/twips.h"
#include "singleclick.h"
#include "fonts.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace wortilo {

DrawingSurface::DrawingSurface(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    takeDoubleClickAsOneClick(this);
}

void DrawingSurface::ensureImage()
{
    if (m_image.size() == size())
        return;
    QImage grown(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    grown.fill(m_background);
    if (!m_image.isNull()) {
        QPainter p(&grown);
        p.drawImage(0, 0, m_image);
    }
    m_image = grown;
}

void DrawingSurface::setBackgroundColor(const QColor &color)
{
    m_background = color;
    clear();
}

void DrawingSurface::clear()
{
    ensureImage();
    m_image.fill(m_background);
    m_pos = QPoint(0, 0);
    update();
}

void DrawingSurface::print(const QString &text, const QColor &color)
{
    ensureImage();
    QPainter p(&m_image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font());
    p.setPen(color);
    const QFontMetrics fm(font());
    const QPoint at(px(m_pos.x()), px(m_pos.y()));
    p.drawText(at.x(), at.y() + letterExtent(font()).ascent, text);
    m_pos.rx() += twips(fm.horizontalAdvance(text));
    update();
}

void DrawingSurface::drawRect(const QRect &r, const std::optional<QColor> &fill,
                              const std::optional<QColor> &outline)
{
    ensureImage();
    QPainter p(&m_image);
    const QRect pixels(QPoint(px(r.left()), px(r.top())), QPoint(px(r.right()), px(r.bottom())));
    if (fill)
        p.fillRect(pixels, *fill);
    if (outline) {
        // A one-pixel pen outlines a QRect one pixel right of and below it; the outline keeps to
        // the same pixels as the fill, from one corner to the other.
        p.setPen(*outline);
        p.setBrush(Qt::NoBrush);
        p.drawRect(pixels.adjusted(0, 0, -1, -1));
    }
    update();
}

void DrawingSurface::paintEvent(QPaintEvent *event)
{
    ensureImage();
    QPainter p(this);
    p.drawImage(event->rect(), m_image, event->rect());
}

void DrawingSurface::mousePressEvent(QMouseEvent *event)
{
    const QPointF p = event->position();
    m_leftDown = event->button() == Qt::LeftButton;
    event->accept();
    Q_EMIT pressed(QPoint(int(std::lround(twipsF(p.x()))), int(std::lround(twipsF(p.y())))), event->button());
}

void DrawingSurface::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const bool click = m_leftDown && rect().contains(event->position().toPoint());
    m_leftDown = false;
    if (click)
        Q_EMIT clicked();
}

void DrawingSurface::resizeEvent(QResizeEvent *event)
{
    ensureImage();
    QWidget::resizeEvent(event);
}

} // namespace wortilo
