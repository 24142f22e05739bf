// SPDX-License-Identifier: MIT
#include "slotdrag.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace wortilo {

SlotDrag::SlotDrag(const QList<QWidget *> &slots, QWidget *window)
    : QObject(window), m_slots(slots), m_window(window), m_ghost(new QLabel(window))
{
    m_ghost->setObjectName(QStringLiteral("dragGhost"));
    m_ghost->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_ghost->hide();
    for (QWidget *slot : m_slots) {
        slot->installEventFilter(this);
        slot->setCursor(Qt::OpenHandCursor);
    }
}

bool SlotDrag::eventFilter(QObject *watched, QEvent *event)
{
    const int slot = int(m_slots.indexOf(static_cast<QWidget *>(watched)));
    if (slot < 0)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        begin(slot, mouse);
        return true;
    }
    case QEvent::MouseMove:
        if (!isDragging())
            return false;
        follow(static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (!isDragging() || mouse->button() != Qt::LeftButton)
            return false;
        finish(mouse);
        return true;
    }
    case QEvent::MouseButtonDblClick:
        return true; // a quick second press is just another press: it must not end the drag
    default:
        return false;
    }
}

QPoint SlotDrag::windowPos(QMouseEvent *event) const
{
    return m_window->mapFromGlobal(event->globalPosition().toPoint());
}

void SlotDrag::begin(int slot, QMouseEvent *event)
{
    cancel();
    QWidget *widget = m_slots.at(slot);
    m_source = slot;
    m_grabOffset = event->position().toPoint();

    // The slot's picture, faded, inside a dark outline.
    const QPixmap shot = widget->grab();
    QPixmap ghost(shot.size());
    ghost.fill(Qt::transparent);
    {
        QPainter p(&ghost);
        p.setOpacity(0.6);
        p.drawPixmap(0, 0, shot);
        p.setOpacity(1.0);
        p.setPen(QPen(QColor(0, 0, 128), 2));
        p.drawRect(QRectF(ghost.rect()).adjusted(1, 1, -1, -1));
    }
    m_ghost->setPixmap(ghost);
    m_ghost->resize(ghost.size());
    m_ghost->move(windowPos(event) - m_grabOffset);
    m_ghost->raise();
    m_ghost->show();
    widget->setCursor(Qt::ClosedHandCursor);
}

void SlotDrag::follow(QMouseEvent *event)
{
    m_ghost->move(windowPos(event) - m_grabOffset);
}

void SlotDrag::finish(QMouseEvent *event)
{
    const int source = m_source;
    const QPoint at = windowPos(event);
    cancel();
    for (int i = 0; i < m_slots.size(); ++i)
        if (m_slots.at(i)->rect().contains(m_slots.at(i)->mapFrom(m_window, at))) {
            Q_EMIT dropped(i, source);
            return;
        }
}

void SlotDrag::cancel()
{
    if (m_source >= 0)
        m_slots.at(m_source)->setCursor(Qt::OpenHandCursor);
    m_source = -1;
    m_ghost->hide();
}

} // namespace wortilo
