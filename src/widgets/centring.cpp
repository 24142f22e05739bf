// SPDX-License-Identifier: MIT
#include "centring.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace wortilo {

namespace {

// The frame of the last window whose frame was known; all windows of the program have the same
// decorations.
QMargins g_knownFrame;

QMargins frameOf(const QWidget *window)
{
    const QWindow *handle = window->windowHandle();
    return handle && window->isVisible() ? handle->frameMargins() : QMargins();
}

void place(QWidget *window, const QMargins &frame)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen)
        window->move(centredFramePosition(screen->geometry(), window->size(), frame));
}

// Places a window again once the window manager has given it its frame (it arrives after the
// window is shown), unless the frame taken for it was already right.
class FrameWatcher : public QObject
{
public:
    static inline const QString kName = QStringLiteral("wortilo-frame-watcher");

    FrameWatcher(QWidget *window, const QMargins &assumed) : QObject(window), m_window(window), m_assumed(assumed)
    {
        setObjectName(kName);
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::Move && type != QEvent::Show && type != QEvent::Resize && type != QEvent::Expose)
            return false;
        const QMargins frame = frameOf(m_window);
        if (frame.isNull())
            return false;
        g_knownFrame = frame;
        if (frame != m_assumed)
            place(m_window, frame);
        deleteLater();
        m_window->removeEventFilter(this);
        return false;
    }

private:
    QWidget *m_window;
    QMargins m_assumed;
};

} // namespace

QPoint centredFramePosition(const QRect &screen, const QSize &client, const QMargins &frame)
{
    const QSize outer = client.grownBy(frame);
    return QPoint(screen.x() + (screen.width() - outer.width()) / 2, screen.y() + (screen.height() - outer.height()) / 2);
}

void centreWindow(QWidget *window)
{
    QMargins frame = frameOf(window);
    if (!frame.isNull()) {
        g_knownFrame = frame;
    } else {
        frame = g_knownFrame;
        if (!window->findChild<QObject *>(FrameWatcher::kName, Qt::FindDirectChildrenOnly))
            new FrameWatcher(window, frame);
    }
    place(window, frame);
}

} // namespace wortilo
