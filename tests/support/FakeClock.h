#pragma once

#include "Clock.h"

// A clock that stands where the test puts it.
class FakeClock final : public Clock
{
public:
    explicit FakeClock(QDateTime now = QDateTime(QDate(2026, 12, 7), QTime(10, 30, 0))) : m_now(now) {}
    QDateTime now() const override { return m_now; }
    qint64 tickMs() const override { return m_tick; }

    void set(const QDateTime& now) { m_now = now; }
    void advanceMs(qint64 ms)
    {
        m_now = m_now.addMSecs(ms);
        m_tick += ms;
    }

private:
    QDateTime m_now;
    qint64 m_tick = 0;
};
