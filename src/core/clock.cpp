// SPDX-License-Identifier: MIT
#include "clock.h"

#include <QTime>
#include <QTimer>

namespace wortilo {

namespace {
class TimerTicker : public Ticker
{
public:
    TimerTicker()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        connect(&m_timer, &QTimer::timeout, this, &Ticker::ticked);
    }
    void start(int intervalMs) override { m_timer.start(intervalMs); }
    void stop() override { m_timer.stop(); }
    bool isActive() const override { return m_timer.isActive(); }

private:
    QTimer m_timer;
};
} // namespace

QDate SystemClock::today() const
{
    return QDate::currentDate();
}

int SystemClock::secondsSinceMidnight() const
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000;
}

std::unique_ptr<Ticker> SystemClock::createTicker()
{
    return std::make_unique<TimerTicker>();
}

} // namespace wortilo
