// SPDX-License-Identifier: MIT
#include "singleclick.h"

#include <QEvent>
#include <QWidget>

namespace wortilo {

namespace {
class DoubleClickFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonDblClick) {
            event->accept();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};
} // namespace

void takeDoubleClickAsOneClick(QWidget *widget)
{
    widget->installEventFilter(new DoubleClickFilter(widget));
}

} // namespace wortilo
