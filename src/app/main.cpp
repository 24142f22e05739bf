// SPDX-License-Identifier: MIT
#include "app/foldercheckwindow.h"
#include "app/form1.h"
#include "app/translations.h"
#include "core/clock.h"
#include "session/session.h"
#include "speech/voicespeaker.h"
#include "widgets/appicon.h"
#include "widgets/firstpaint.h"
#include "widgets/fonts.h"
#include "widgets/qtmessages.h"
#include "words/foldercheck.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>
#include <cstring>
#include <fontconfig/fontconfig.h>
#include <thread>

namespace {

// `--pruefen [--fenster] [ORDNER]`: the folder check for teachers, printed or in a window; the
// folder is the working directory unless one is named.
struct CheckRequest {
    bool window = false;
    QString folder = QStringLiteral(".");
    bool valid = true;
};

CheckRequest parseCheck(const QStringList &arguments)
{
    CheckRequest request;
    bool named = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (a == u"--pruefen")
            continue;
        if (a == u"--fenster")
            request.window = true;
        else if (!named && !a.startsWith(u"--"))
            request.folder = a, named = true;
        else
            request.valid = false;
    }
    return request;
}

bool hasArgument(int argc, char *argv[], const char *option)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], option) == 0)
            return true;
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    // The picture folder is read, sorted and its names judged while the toolkit starts.
    std::future<wortilo::Session::FolderReading> folderReading;
    if (!hasArgument(argc, argv, "--pruefen"))
        folderReading = wortilo::Session::readFolderInBackground(QDir::currentPath());

    if (hasArgument(argc, argv, "--pruefen") && !hasArgument(argc, argv, "--fenster")) {
        // The printed report needs no screen: a teacher may run it over a remote shell.
        QCoreApplication app(argc, argv);
        const CheckRequest request = parseCheck(QCoreApplication::arguments());
        QTextStream err(stderr);
        if (!request.valid) {
            err << "Aufruf: wortilo --pruefen [--fenster] [ORDNER]\n";
            return 2;
        }
        wortilo::FolderCheck check(request.folder);
        check.readFolder();
        check.checkPictures();
        QTextStream out(stdout);
        out << check.report();
        return check.passed() ? 0 : 1;
    }

    // Fontconfig reads its configuration and font lists meanwhile too: the menu's first text
    // would wait for them otherwise.
    std::thread fontSystem([] { FcInit(); });
    QApplication app(argc, argv);
    fontSystem.join();
    QApplication::setApplicationName(QStringLiteral("Wortilo"));
    QApplication::setWindowIcon(wortilo::appIcon());
    wortilo::installFontSubstitutes();

    if (hasArgument(argc, argv, "--pruefen")) {
        const CheckRequest request = parseCheck(QApplication::arguments());
        if (!request.valid) {
            QTextStream(stderr) << "Aufruf: wortilo --pruefen [--fenster] [ORDNER]\n";
            return 2;
        }
        wortilo::installGermanTranslations(app);
        wortilo::FolderCheckWindow window(request.folder);
        window.show();
        return QApplication::exec();
    }

    QApplication::setQuitOnLastWindowClosed(false);
    wortilo::QtMessages messages;
    wortilo::SystemClock clock;
    wortilo::Session session(messages, QDir::currentPath(), clock);
    session.takeFolderReading(std::move(folderReading));
    // Loads the sound libraries and finds its sound server and voice on a thread of its own, once
    // the menu is on screen; the voice loads on first use.
    const QString soundModule = QDir(QApplication::applicationDirPath()).filePath(wortilo::kSoundModule);
    wortilo::VoiceSpeaker speaker(session.pictureFolder(), [soundModule] { return wortilo::loadSoundBackend(soundModule); });
    session.setSpeaker(speaker);
    wortilo::Form1 menu(session);
    if (!menu.startUp())
        return 0; // no picture file: the message has been shown, nothing is written
    menu.show();
    // Qt's own German texts are first needed in a context menu or a dialog, after the first paint.
    wortilo::afterFirstPaint(menu, [&app, &speaker] {
        wortilo::installGermanTranslations(app);
        speaker.start();
    });
    return QApplication::exec();
}
