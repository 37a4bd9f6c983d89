#include "ReadOnlyFolder.h"

#include <QFile>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace {
constexpr QFileDevice::Permissions kReadOnly =
    QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup | QFileDevice::ExeGroup;
constexpr QFileDevice::Permissions kWritable = kReadOnly | QFileDevice::WriteOwner;
} // namespace

ReadOnlyFolder::ReadOnlyFolder(QString path) : m_path(std::move(path))
{
    QFile::setPermissions(m_path, kReadOnly);
    m_active = refusesWrites();
    if (!m_active && setImmutable(true)) {
        m_immutable = true;
        m_active = refusesWrites();
    }
}

ReadOnlyFolder::~ReadOnlyFolder()
{
    if (m_immutable)
        setImmutable(false);
    QFile::setPermissions(m_path, kWritable);
}

bool ReadOnlyFolder::refusesWrites() const
{
    QFile probe(m_path + QLatin1String("/probe.tmp"));
    if (!probe.open(QIODevice::WriteOnly))
        return true;
    probe.close();
    probe.remove();
    return false;
}

bool ReadOnlyFolder::setImmutable(bool on) const
{
#ifdef Q_OS_LINUX
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_DIRECTORY);
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
