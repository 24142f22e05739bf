// SPDX-License-Identifier: MIT
#pragma once
#include <QDate>
#include <QObject>
#include <memory>

namespace wortilo {

// A repeating timer an engine owns; it ticks only while started.
class Ticker : public QObject
{
    Q_OBJECT
public:
    virtual void start(int intervalMs) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;

Q_SIGNALS:
    void ticked();
};

// The time of day, today's date and timers, injected so that tests set the time and drive the
// ticks themselves.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    // Seconds since midnight, which the games seed the random generator with.
    virtual int secondsSinceMidnight() const = 0;
    virtual std::unique_ptr<Ticker> createTicker() = 0;
};

// The real clock and Qt's timers.
class SystemClock : public Clock
{
public:
    QDate today() const override;
    int secondsSinceMidnight() const override;
    std::unique_ptr<Ticker> createTicker() override;
};

} // namespace wortilo
