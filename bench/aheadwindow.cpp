// SPDX-License-Identifier: MIT
// The memory row of the pictures decoded ahead: the reading exercise over the picture folder it
// is started in, thirty new words one after another (each shown once its picture is there, the
// next one decoded meanwhile), then its peak resident memory (VmHWM, MiB) printed.
#include "core/clock.h"
#include "exercises/form2.h"
#include "exercises/reading.h"
#include "session/session.h"
#include "silent.h"
#include "timing.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

using namespace wortilo;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    SilentMessages messages;
    SystemClock clock;
    Session session(messages, QDir::currentPath(), clock);
    if (!session.bildersuchen())
        return 1;
    session.loadWords();
    Staying navigation;
    Form2 window(session, navigation);
    window.show();
    window.activate();
    for (int i = 0; i < 30; ++i) {
        runFor(100);
        window.engine().presentNewWord();
        for (int waited = 0; window.engine().loader().isEmpty() && waited < 100; ++waited)
            runFor(10);
    }
    runFor(100);
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            QTextStream(stdout) << line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024 << '\n';
    return 0;
}
