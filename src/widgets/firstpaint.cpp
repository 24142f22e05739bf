// SPDX-License-Identifier: MIT
#include "firstpaint.h"

#include <QEvent>
#include <QWidget>

namespace wortilo {

namespace {
// Watches for the first paint event; gone with the widget if it is never painted.
class FirstPaintWatch : public QObject
{
public:
    FirstPaintWatch(QWidget &widget, std::function<void()> then) : QObject(&widget), m_then(std::move(then))
    {
        widget.installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued: the paint is drawn and flushed to the screen in the same event.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_then();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> m_then;
};
} // namespace

void afterFirstPaint(QWidget &widget, std::function<void()> then)
{
    new FirstPaintWatch(widget, std::move(then));
}

} // namespace wortilo
