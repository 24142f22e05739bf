// SPDX-License-Identifier: MIT
#include "app/form1.h"
#include "app/translations.h"
#include "core/clock.h"
#include "session/session.h"
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
    wortilo::installGermanTranslations(app);
    wortilo::installFontSubstitutes();

    wortilo::QtMessages messages;
    wortilo::SystemClock clock;
    wortilo::Session session(messages, QDir::currentPath(), clock);
    wortilo::Form1 menu(session);
    if (!menu.startUp())
        return 0; // no picture file: the message has been shown, nothing is written
    menu.show();
    return QApplication::exec();
}
