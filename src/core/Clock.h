#pragma once

#include <QDateTime>
#include <QElapsedTimer>

// Wall-clock time for log stamps and file dates, and a monotonic tick for
// time-outs. Tests replace it to stand on a given day or cross midnight.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // Milliseconds since an arbitrary start; never goes backwards.
    virtual qint64 tickMs() const = 0;
};

class SystemClock final : public Clock
{
public:
    SystemClock() { m_timer.start(); }
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    qint64 tickMs() const override { return m_timer.elapsed(); }

private:
    QElapsedTimer m_timer;
};
