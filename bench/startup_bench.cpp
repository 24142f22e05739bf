// SPDX-License-Identifier: MIT
// Times the main window's start-up (folder listing, settings, word list, first paint) against a
// bare Qt window, on a picture folder given as the first argument (default: the bundled one).
#include "app/activities.h"
#include "app/form1.h"
#include "common/fonts.h"
#include "common/messages.h"
#include "timing.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>

namespace {
class SilentMessages : public wortilo::Messages
{
public:
    Answer show(const QString &, const QString &, Buttons, Answer defaultButton) override { return defaultButton; }
};

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer total;
    total.start();
    QApplication app(argc, argv);
    const double appMs = total.nsecsElapsed() / 1e6;
    wortilo::installFontSubstitutes();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(WORTILO_BILDER);

    const double bare = bestOf(5, [] {
        QWidget w;
        w.resize(711, 434);
        w.show();
        QApplication::processEvents();
    });
    SilentMessages messages;
    const double menu = bestOf(5, [&] {
        wortilo::Form1 f(messages, folder);
        wortilo::registerActivities(f);
        f.startUp();
        f.show();
        QApplication::processEvents();
    });
    QTextStream(stdout) << "QApplication:        " << appMs << " ms\n"
                        << "bare window shown:   " << bare << " ms\n"
                        << "main window started: " << menu << " ms (" << folder << ")\n";
    return 0;
}
