// SPDX-License-Identifier: MIT
#pragma once
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>

// The best of several runs, in milliseconds: the least disturbed by whatever else the machine does.
template <class F> double bestOf(int runs, F &&f)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        best = std::min(best, t.nsecsElapsed() / 1e6);
    }
    return best;
}

// Runs the event loop for ms milliseconds.
inline void runFor(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QTimer::singleShot(5, [] {});
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}
