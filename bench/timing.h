// SPDX-License-Identifier: MIT
#pragma once
#include <QElapsedTimer>
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
