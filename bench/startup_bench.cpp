// SPDX-License-Identifier: MIT
// Times the main window's start-up (folder listing, settings, word list, first paint) against a
// bare Qt window, on a picture folder given as the first argument (default: the bundled one).
#include "app/form1.h"
#include "core/clock.h"
#include "session/session.h"
#include "widgets/fonts.h"
#include "core/messages.h"
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

    SilentMessages messages;
    wortilo::SystemClock clock;
    auto startMenu = [&] {
        wortilo::Session session(messages, folder, clock);
        wortilo::Form1 f(session);
        f.startUp();
        f.show();
        QApplication::processEvents();
    };
    // The first start pays for fonts, styles and the icon once; that is what a user waits for.
    const double first = bestOf(1, startMenu);
    const double bare = bestOf(5, [] {
        QWidget w;
        w.resize(711, 434);
        w.show();
        QApplication::processEvents();
    });
    const double menu = bestOf(5, startMenu);
    QTextStream(stdout) << "QApplication:        " << appMs << " ms\n"
                        << "bare window shown:   " << bare << " ms\n"
                        << "main window, first:  " << first << " ms\n"
                        << "main window started: " << menu << " ms (" << folder << ")\n";
    return 0;
}
