#include "PortLock.h"

#include "SerialDevices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <signal.h>
#include <unistd.h>
#endif

namespace {

QString lockName(const QString& device)
{
    QString name = device.startsWith(QLatin1String("/dev/")) ? device.mid(5) : device;
    return QStringLiteral("LCK..") + name.replace(QLatin1Char('/'), QLatin1Char('_'));
}

struct LockContent
{
    qint64 pid = 0;
    QString program; // Qt's form only
};

LockContent contentOf(const QByteArray& bytes)
{
    // Four bytes are the binary form unless they read as text: a number of up to
    // three digits and its line feed, or four digits. The binary form's last byte
    // is 0 for every process number, while its other bytes can be anything.
    const bool text = bytes.endsWith('\n') || std::all_of(bytes.begin(), bytes.end(), [](char c) {
                          return c >= '0' && c <= '9';
                      });
    if (bytes.size() == 4 && !text) {
        qint32 binary = 0;
        std::memcpy(&binary, bytes.constData(), sizeof binary);
        return {binary, {}};
    }
    const QList<QByteArray> lines = bytes.split('\n');
    bool ok = false;
    const qint64 pid = lines.value(0).trimmed().toLongLong(&ok);
    return {ok ? pid : 0, QFileInfo(QString::fromLocal8Bit(lines.value(1).trimmed())).fileName()};
}

bool running(qint64 pid)
{
#ifdef Q_OS_UNIX
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
#else
    Q_UNUSED(pid);
    return true;
#endif
}

QString programOf(qint64 pid)
{
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (!comm.open(QIODevice::ReadOnly))
        return QStringLiteral("a program");
    return QString::fromLocal8Bit(comm.readAll()).trimmed();
}

// A number the system gave to another program since: Qt's form names the
// holder's program file, which the process must still run.
bool numberReused(qint64 pid, const QString& program)
{
    const QString exe = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
    return !program.isEmpty() && !exe.isEmpty() && QFileInfo(exe).fileName() != program;
}

} // namespace

QString PortLockFolder()
{
    // Qt takes the first of its folders that is there; these two come first.
    const QString legacy = QStringLiteral("/var/lock");
    return QFileInfo(legacy).isDir() ? legacy : QStringLiteral("/run/lock");
}

PortLockHolder ClearStaleLocks(const QString& device, const QString& folder, QString* problem)
{
    QStringList names{lockName(device)};
    const QString behind = lockName(DeviceBehind(device));
    if (!names.contains(behind))
        names.append(behind);
    for (const QString& name : names) {
        const QString path = QDir(folder).filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const LockContent lock = contentOf(file.read(256));
        const qint64 pid = lock.pid;
        file.close();
        // Without a readable number the file is left to Qt's own rules.
        if (pid <= 0)
            continue;
        if (running(pid) && !numberReused(pid, lock.program))
            return {pid, programOf(pid)};
        if (!QFile::remove(path) && QFileInfo::exists(path))
            *problem = QStringLiteral("%1 was left by process %2, which has ended, and may not be removed "
                                      "by this user")
                           .arg(path)
                           .arg(pid);
    }
    return {};
}
