// SPDX-License-Identifier: MIT
#pragma once
#include <QString>
#include <QStringList>

struct xcb_connection_t;

// Starts a program and watches the X server for its first window and its first paint, from
// outside the program: a Damage object on each new top-level window reports the first drawing
// into it. Windows have no background (Qt makes them so), so mapping one draws nothing and the
// first damage is the program's own first paint.
class FirstPaintWatcher
{
public:
    struct Launch {
        bool ok = false;
        double mappedMs = 0;  // from just before the start to its first window mapped
        double paintedMs = 0; // from just before the start to its first paint
        double cpuMs = 0;     // processor time the process took until then, all its threads
        double peakMiB = 0;   // the process's peak resident memory once painted (VmHWM)
    };

    // Connects to $DISPLAY; isValid() tells whether it has the Damage extension.
    FirstPaintWatcher();
    ~FirstPaintWatcher();
    FirstPaintWatcher(const FirstPaintWatcher &) = delete;
    FirstPaintWatcher &operator=(const FirstPaintWatcher &) = delete;
    bool isValid() const { return m_damageEvent != 0; }

    // Starts program in workingDir, waits for its first paint (at most timeoutMs), then ends it.
    Launch launch(const QString &program, const QStringList &arguments, const QString &workingDir,
                  int timeoutMs = 20000);

private:
    xcb_connection_t *m_connection = nullptr;
    unsigned m_root = 0;
    int m_damageEvent = 0; // the Damage extension's first event code
};
