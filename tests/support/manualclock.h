// SPDX-License-Identifier: MIT
#pragma once
#include "core/clock.h"

#include <QList>
#include <QPointer>

namespace wortilo::test {

// A clock for tests: the date and the time of day are set by the test, and timers tick only
// when the test advances the time.
class ManualClock : public Clock
{
public:
    class ManualTicker : public Ticker
    {
    public:
        void start(int intervalMs) override
        {
            m_interval = intervalMs;
            m_elapsed = 0;
            m_active = true;
        }
        void stop() override { m_active = false; }
        bool isActive() const override { return m_active; }
        int interval() const { return m_interval; }

        void advance(int ms)
        {
            if (!m_active || m_interval <= 0)
                return;
            m_elapsed += ms;
            while (m_active && m_elapsed >= m_interval) {
                m_elapsed -= m_interval;
                Q_EMIT ticked();
            }
        }

    private:
        int m_interval = 0;
        int m_elapsed = 0;
        bool m_active = false;
    };

    QDate today() const override { return date; }
    int secondsSinceMidnight() const override { return seconds; }
    std::unique_ptr<Ticker> createTicker() override
    {
        auto ticker = std::make_unique<ManualTicker>();
        m_tickers.append(ticker.get());
        return ticker;
    }

    // Moves the time on: running timers tick for every interval that passes.
    void advance(int ms)
    {
        seconds += ms / 1000;
        for (const QPointer<ManualTicker> &t : QList(m_tickers))
            if (t)
                t->advance(ms);
    }
    // Whether any timer made by this clock is running.
    bool anyTickerActive() const
    {
        for (const QPointer<ManualTicker> &t : m_tickers)
            if (t && t->isActive())
                return true;
        return false;
    }

    QDate date = QDate(2026, 12, 7);
    int seconds = 12 * 3600;

private:
    QList<QPointer<ManualTicker>> m_tickers;
};

} // namespace wortilo::test
