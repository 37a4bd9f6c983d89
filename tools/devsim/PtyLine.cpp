#include "PtyLine.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

PtyLine::PtyLine()
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        if (m_master >= 0)
            ::close(m_master);
        m_master = -1;
        return;
    }
    m_slavePath = QString::fromLocal8Bit(::ptsname(m_master));
    m_slaveKeepAlive = ::open(::ptsname(m_master), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_slaveKeepAlive >= 0) {
        termios raw{};
        ::tcgetattr(m_slaveKeepAlive, &raw);
        ::cfmakeraw(&raw);
        ::tcsetattr(m_slaveKeepAlive, TCSANOW, &raw);
    }
    m_notifier = std::make_unique<QSocketNotifier>(m_master, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &PtyLine::onReadable);
}

PtyLine::~PtyLine()
{
    m_notifier.reset();
    if (m_slaveKeepAlive >= 0)
        ::close(m_slaveKeepAlive);
    if (m_master >= 0)
        ::close(m_master);
}

qint64 PtyLine::writeRaw(const QByteArray& bytes)
{
    const ssize_t n = ::write(m_master, bytes.constData(), size_t(bytes.size()));
    if (n >= 0)
        return n;
    return errno == EAGAIN || errno == EINTR ? 0 : -1;
}

void PtyLine::onReadable()
{
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n > 0) {
            incoming(QByteArray(buffer, n));
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        // Not expected while our own slave descriptor is open.
        m_notifier->setEnabled(false);
        Q_EMIT lost(QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
}
