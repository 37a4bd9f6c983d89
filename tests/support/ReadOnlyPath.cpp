#include "ReadOnlyPath.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace {
constexpr QFileDevice::Permissions kReadOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup;
constexpr QFileDevice::Permissions kExecutable = QFileDevice::ExeOwner | QFileDevice::ExeGroup;
} // namespace

ReadOnlyPath::ReadOnlyPath(QString path) : m_path(std::move(path)), m_folder(QFileInfo(m_path).isDir())
{
    QFile::setPermissions(m_path, m_folder ? kReadOnly | kExecutable : kReadOnly);
    m_active = refusesWrites();
    if (!m_active && setImmutable(true)) {
        m_immutable = true;
        m_active = refusesWrites();
    }
}

ReadOnlyPath::~ReadOnlyPath()
{
    if (m_immutable)
        setImmutable(false);
    QFile::setPermissions(m_path, QFileDevice::WriteOwner | (m_folder ? kReadOnly | kExecutable : kReadOnly));
}

bool ReadOnlyPath::refusesWrites() const
{
    if (!m_folder)
        return !QFile(m_path).open(QIODevice::WriteOnly | QIODevice::Append);
    QFile probe(m_path + QLatin1String("/probe.tmp"));
    if (!probe.open(QIODevice::WriteOnly))
        return true;
    probe.close();
    probe.remove();
    return false;
}

bool ReadOnlyPath::setImmutable(bool on) const
{
#ifdef Q_OS_LINUX
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
#else
    Q_UNUSED(on)
    return false;
#endif
}
