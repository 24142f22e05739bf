// SPDX-License-Identifier: MIT
#pragma once
#include <QList>
#include <QObject>
#include <QPoint>

class QLabel;
class QMouseEvent;
class QWidget;

namespace wortilo {

// Drags one of a row of slot widgets onto another, inside their window: pressing the mouse on a
// slot starts the drag at once, a faded picture of the slot with an outline follows the pointer,
// and releasing it over a slot drops it there (also over the slot it came from). A finger on a
// touch screen drags the same way, through the mouse events Qt makes from touches.
//
// The drag is the window's own, not a QDrag: a QDrag runs a nested event loop until the drop
// and goes through the platform's drag and drop, which a drop that only exchanges two pictures
// of the same window does not need, and which cannot be driven reliably by synthesized input.
class SlotDrag : public QObject
{
    Q_OBJECT
public:
    SlotDrag(const QList<QWidget *> &slots, QWidget *window);

    bool isDragging() const { return m_source >= 0; }
    // Ends a drag without a drop (the window is hidden, say).
    void cancel();

Q_SIGNALS:
    // Slot source was released over slot target.
    void dropped(int target, int source);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void begin(int slot, QMouseEvent *event);
    void follow(QMouseEvent *event);
    void finish(QMouseEvent *event);
    QPoint windowPos(QMouseEvent *event) const;

    QList<QWidget *> m_slots;
    QWidget *m_window;
    QLabel *m_ghost;
    int m_source = -1;
    QPoint m_grabOffset;
};

} // namespace wortilo
