#include "PortLock.h"
#include "PseudoTerminal.h"
#include "QtSerialControl.h"
#include "SettingsFile.h"
#include "TestFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>

namespace {

// The number of a process that has ended.
qint64 endedProcess()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

QByteArray binaryForm(qint64 pid)
{
    const qint32 value = qint32(pid);
    QByteArray bytes(4, '\0');
    std::memcpy(bytes.data(), &value, 4);
    return bytes;
}

QByteArray textForm(qint64 pid)
{
    return QByteArray::number(pid).rightJustified(10, ' ') + '\n';
}

QByteArray qtForm(qint64 pid, const char* program)
{
    return QByteArray::number(pid) + "\n" + program + "\n" + QSysInfo::machineHostName().toLocal8Bit() + "\n";
}

} // namespace

// A program on the line is mimicked by a sleeping process whose number the lock
// file carries, a killed one by the number of a process that has ended.
class StaleLockTest : public ::testing::Test
{
protected:
    StaleLockTest()
    {
        file = folder.write(QStringLiteral("t.Ini"), "[Main]\r\n");
        WriteSetting(file, QStringLiteral("PortNames"), QStringLiteral("COM2"), pty.slavePath(), false);
        // The lock file Qt takes for "/dev/pts/N".
        lockFile = PortLockFolder() + QStringLiteral("/LCK..") + pty.slavePath().mid(5).replace('/', '_');
        holder.start(QStringLiteral("sleep"), {QStringLiteral("30")});
        holder.waitForStarted();
    }
    ~StaleLockTest() override
    {
        QFile::remove(lockFile);
        holder.kill();
        holder.waitForFinished();
    }

    bool leaveLock(const QByteArray& content)
    {
        QFile lock(lockFile);
        return lock.open(QIODevice::WriteOnly) && lock.write(content) == content.size();
    }

    PortResult openPort()
    {
        QtSerialControl port(file);
        port.setCommPort(2);
        const PortResult result = port.setPortOpen(true);
        port.setPortOpen(false);
        return result;
    }

    TestFolder folder;
    QString file;
    PseudoTerminal pty;
    QString lockFile;
    QProcess holder;
};

TEST_F(StaleLockTest, ALockOfAnEndedProgramIsIgnoredAndALiveHolderNamed)
{
    struct Case
    {
        const char* name;
        QByteArray content;
        bool inUse;
    };
    const qint64 live = holder.processId();
    const qint64 ended = endedProcess();
    // A number whose binary form holds line-feed bytes, as many numbers do.
    const qint64 lineFeeds = 0x0A0A0A;
    ASSERT_NE(::kill(pid_t(lineFeeds), 0), 0) << "process " << lineFeeds << " runs here";
    const Case cases[] = {
        {"killed program, binary form", binaryForm(ended), false},
        {"killed program, text form", textForm(ended), false},
        {"killed program, Qt's form", qtForm(ended, "ZEL308Tools"), false},
        {"killed program, binary form with line feeds", binaryForm(lineFeeds), false},
        {"live program, text form", textForm(live), true},
        {"live program, binary form", binaryForm(live), true},
        {"live program, Qt's form", qtForm(live, "sleep"), true},
    };
    for (const Case& c : cases) {
        if (!leaveLock(c.content))
            GTEST_SKIP() << "the lock folder cannot be written: " << lockFile.toStdString();
        const PortResult result = openPort();
        if (c.inUse) {
            EXPECT_EQ(result.error, PortInUse) << c.name;
            EXPECT_TRUE(result.description.contains(QStringLiteral("sleep"))) << c.name;
            EXPECT_TRUE(result.description.contains(QString::number(live))) << c.name;
            EXPECT_TRUE(QFileInfo::exists(lockFile)) << c.name << ": a live holder's lock stays";
        } else {
            EXPECT_TRUE(result.ok()) << c.name << ": " << result.description.toStdString();
        }
        QFile::remove(lockFile);
    }
}
