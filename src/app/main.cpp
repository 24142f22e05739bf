// SPDX-License-Identifier: MIT
#include "app/activities.h"
#include "app/form1.h"
#include "widgets/appicon.h"
#include "widgets/fonts.h"
#include "widgets/qtmessages.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Wortilo"));
    QApplication::setWindowIcon(wortilo::appIcon());
    QApplication::setQuitOnLastWindowClosed(false);
    wortilo::installFontSubstitutes();

    wortilo::QtMessages messages;
    wortilo::Form1 menu(messages, QDir::currentPath());
    wortilo::registerActivities(menu);
    if (!menu.startUp())
        return 0; // no picture file: the message has been shown, nothing is written
    menu.show();
    return QApplication::exec();
}
