#include "SimLine.h"

#include <algorithm>
#include <cmath>

namespace {
// Bytes are handed on in batches at most this often, not one timer per byte.
constexpr int kBatchMs = 2;
} // namespace

SimLine::SimLine(QObject* parent) : QObject(parent)
{
    m_clock.start();
    m_outTimer.setSingleShot(true);
    m_outTimer.setTimerType(Qt::PreciseTimer);
    m_inTimer.setSingleShot(true);
    m_inTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_outTimer, &QTimer::timeout, this, &SimLine::pumpOutput);
    connect(&m_inTimer, &QTimer::timeout, this, &SimLine::pumpInput);
}

void SimLine::setPacing(int baudRate, int bitsPerCharacter)
{
    m_msPerByte = baudRate > 0 ? 1000.0 * bitsPerCharacter / baudRate : 0;
}

void SimLine::send(const QByteArray& bytes, int delayMs)
{
    if (bytes.isEmpty())
        return;
    m_out.append({bytes, m_clock.elapsed() + std::max(0, delayMs), false});
    if (!m_outTimer.isActive())
        pumpOutput();
}

void SimLine::pumpOutput()
{
    while (!m_out.isEmpty()) {
        const double now = double(m_clock.nsecsElapsed()) / 1e6;
        Pending& item = m_out.front();
        if (item.notBeforeMs > now) {
            m_outTimer.start(int(std::ceil(item.notBeforeMs - now)));
            return;
        }
        if (!item.started) {
            item.started = true;
            m_txWireFree = std::max(m_txWireFree, now); // an idle wire banks no time
        }
        qsizetype allowed = item.bytes.size();
        if (m_msPerByte > 0) {
            if (m_txWireFree > now) {
                m_outTimer.start(std::max(kBatchMs, int(std::ceil(m_txWireFree - now))));
                return;
            }
            allowed = std::min<qsizetype>(allowed, qsizetype((now - m_txWireFree) / m_msPerByte) + 1);
        }
        const qint64 written = writeRaw(item.bytes.left(allowed));
        if (written < 0) {
            m_out.clear();
            Q_EMIT lost(QStringLiteral("write failed"));
            return;
        }
        m_txWireFree += written * m_msPerByte;
        item.bytes.remove(0, written);
        if (item.bytes.isEmpty()) {
            m_out.removeFirst();
            continue;
        }
        if (written == 0 || m_msPerByte == 0) { // the system's buffer is full: try again shortly
            m_outTimer.start(5);
            return;
        }
    }
}

void SimLine::incoming(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return;
    if (m_msPerByte <= 0) {
        Q_EMIT received(bytes);
        return;
    }
    const double now = double(m_clock.nsecsElapsed()) / 1e6;
    m_rxWireFree = std::max(m_rxWireFree, now);
    // Each byte arrives one character time after the one before it.
    for (char b : bytes) {
        m_rxWireFree += m_msPerByte;
        m_in.append(b);
        m_inArrival.append(m_rxWireFree);
    }
    if (!m_inTimer.isActive())
        pumpInput();
}

void SimLine::pumpInput()
{
    const double now = double(m_clock.nsecsElapsed()) / 1e6;
    qsizetype due = 0;
    while (due < m_inArrival.size() && m_inArrival.at(due) <= now)
        ++due;
    if (due > 0) {
        const QByteArray batch = m_in.left(due);
        m_in.remove(0, due);
        m_inArrival.remove(0, due);
        Q_EMIT received(batch);
    }
    if (!m_inArrival.isEmpty())
        m_inTimer.start(std::max(kBatchMs, int(std::ceil(m_inArrival.first() - now))));
}
