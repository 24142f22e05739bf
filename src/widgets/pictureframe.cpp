// SPDX-License-Identifier: MIT
#include "pictureframe.h"

#include "singleclick.h"

#include <QMouseEvent>
#include <QPainter>

namespace wortilo {

PictureFrame::PictureFrame(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
    takeDoubleClickAsOneClick(this);
}

void PictureFrame::setPicture(const Picture &picture)
{
    if (picture.isSameAs(m_picture))
        return;
    m_picture = picture;
    m_rendered = QImage();
    m_renderedSize = QSize();
    setAttribute(Qt::WA_TransparentForMouseEvents, picture.isEmpty());
    update();
}

void PictureFrame::paintEvent(QPaintEvent *)
{
    if (m_picture.isEmpty())
        return;
    QPainter p(this);
    if (m_picture.isLoaded() && m_renderedSize != size()) {
        // A picture that cannot be drawn at this size stays the placeholder until the size changes.
        // A picture handed over by a worker thread comes drawn at this size already.
        const std::optional<QImage> ahead = m_picture.renderingAt(size());
        m_rendered = ahead ? *ahead : m_picture.render(size());
        m_renderedSize = size();
    }
    if (!m_picture.isLoaded() || m_rendered.isNull()) {
        p.fillRect(rect(), kPlaceholder);
        return;
    }
    p.drawImage(0, 0, m_rendered);
}

void PictureFrame::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void PictureFrame::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        Q_EMIT clicked();
}

} // namespace wortilo
