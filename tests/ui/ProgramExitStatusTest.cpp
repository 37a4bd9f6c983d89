// The built program, run as a process the way a script or a service manager
// runs it: a failed start-up must be told by the exit status.
#include "SettingsFile.h"
#include "SimulatorProcess.h"
#include "TestFolder.h"
#include "UiTestEnv.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

// A program folder with a copy of the program and the bundled settings file,
// the device simulator behind port 2. The program has no one to answer its
// boxes here, so it ends as the close button would once it has settled (its
// screenshot mode for machines without a display).
class ProgramRun
{
public:
    explicit ProgramRun(const char* layerFaders)
    {
        const QString link = m_folder.file(QStringLiteral("ttySIM"));
        m_ok = m_sim.start({QStringLiteral("--link"), link});
        m_program = m_folder.file(QStringLiteral("ZEL308Tools"));
        m_ok = m_ok && QFile::copy(QStringLiteral(ZEL_BIN_DIR "/ZEL308Tools"), m_program);
        const QString ini = m_folder.write(QStringLiteral("ZEL308Tools.Ini"), UiTestEnv::bundledSettings());
        const auto set = [&ini](const char* section, const char* key, const QString& value) {
            WriteSetting(ini, QString::fromLatin1(section), QString::fromLatin1(key), value, false);
        };
        set("Main", "Debug", QStringLiteral("yes"));
        set("Main", "RequestStatus", QStringLiteral("no"));
        set("Main", "RequestData", QStringLiteral("no"));
        set("Main", "Layer_NumFaders", QString::fromLatin1(layerFaders));
        set("Comm", "Port", QStringLiteral("2"));
        set("PortNames", "COM2", link);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("ZEL308TOOLS_SCREENSHOT"), m_folder.file(QStringLiteral("shot.png")));
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::ForwardedChannels);
        if (m_ok)
            m_process.start(m_program, {});
    }

    // The exit status, or -1 when the program did not end normally in time.
    int exitStatus()
    {
        if (!m_ok || !m_process.waitForFinished(60000) || m_process.exitStatus() != QProcess::NormalExit)
            return -1;
        return m_process.exitCode();
    }

private:
    TestFolder m_folder;
    SimulatorProcess m_sim;
    QString m_program;
    QProcess m_process;
    bool m_ok = false;
};

TEST(ProgramExitStatus, FailedStartUpIsNonZeroNormalEndIsZero)
{
    if (!QFile::exists(QStringLiteral(ZEL_BIN_DIR "/ZEL308Tools")))
        GTEST_SKIP() << "the program is not built";
    // Both at once: each waits for its end timer.
    ProgramRun failing("15"); // an odd fader count stops start-up at step 20
    ProgramRun normal("16");
    EXPECT_EQ(failing.exitStatus(), 20);
    EXPECT_EQ(normal.exitStatus(), 0);
}

} // namespace
