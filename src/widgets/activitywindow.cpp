// SPDX-License-Identifier: MIT
#include "activitywindow.h"

#include "appicon.h"
#include "centring.h"
#include "controls.h"
#include "core/activitycontext.h"
#include "core/messages.h"
#include "core/twips.h"
#include "speech/speaker.h"

#include <QCloseEvent>
#include <QPushButton>

namespace wortilo {

ActivityWindow::ActivityWindow(ActivityContext &context, Navigation &navigation, QWidget *parent)
    : QWidget(parent, Qt::Window), m_context(context), m_navigation(navigation)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(appIcon());
    // No minimise or maximise button: the child leaves through the window's own buttons.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                   | Qt::CustomizeWindowHint);
    fillBackground(this, kBackground);
}

void ActivityWindow::setClientSizeTwips(int width, int height, bool resizable)
{
    const QSize size = twipsSize(width, height);
    if (resizable) {
        resize(size);
    } else {
        setFixedSize(size);
    }
}

void ActivityWindow::setUpWindow(const QString &name, const QString &title, int width, int height)
{
    setObjectName(name);
    setWindowTitle(title);
    setClientSizeTwips(width, height);
}

QPushButton *ActivityWindow::addCancelButton(const QString &name, const QRect &twips, const QFont &font)
{
    QPushButton *cancel = addButton(this, name, QStringLiteral("Abbruch . . ."), twips, font);
    connect(cancel, &QPushButton::clicked, this, [this] { cancelClicked(); });
    return cancel;
}

QPushButton *ActivityWindow::addHelpButton(const QString &name, const QRect &twips, const QFont &font,
                                           const QString &helpCaption, const QString &helpText)
{
    QPushButton *help = addButton(this, name, QStringLiteral("Hilfe"), twips, font);
    connect(help, &QPushButton::clicked, this,
            [this, helpCaption, helpText] { m_context.messages().ok(helpCaption, helpText); });
    return help;
}

void ActivityWindow::centre()
{
    centreWindow(this);
}

void ActivityWindow::leave()
{
    m_context.speaker().stop();
    hide();
    m_navigation.returnToMenu();
}

void ActivityWindow::refuseWithoutWords()
{
    // The menu shows the window right after activating it: the message comes once it is shown.
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_context.messages().ok(kNoWordsCaption, kNoWordsText);
            leave();
        },
        Qt::QueuedConnection);
}

void ActivityWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    m_context.speaker().stop();
    if (!m_navigation.quitting())
        m_navigation.returnToMenu();
}

} // namespace wortilo
