#include "ReadOnlyPath.h"
#include "SettingsFile.h"
#include "ZelcfgFixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

// zelcfg copied with the bundled settings file into a folder it cannot write
// to, as installed, and run for a user whose configuration folder is in the
// test folder.
class InstalledZelcfg : public ZelcfgFixture
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(program()));
        ASSERT_TRUE(QFile::copy(QStringLiteral(ZEL_BIN_DIR "/zelcfg"), program() + "/zelcfg"));
        ASSERT_TRUE(QFile::copy(settingsFile, program() + "/ZEL308Tools.Ini"));
    }
    QString program() const { return path("lib/zel308tools"); }
    QString userSettings() const { return path("config/ZEL308Tools/ZEL308Tools.Ini"); }
    ZelcfgRun showAsInstalled(const QString& dataFile) const
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", path("config"));
        process.setProcessEnvironment(env);
        process.start(program() + "/zelcfg", {"show", dataFile});
        ZelcfgRun result;
        if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit)
            result.code = process.exitCode();
        result.out = QString::fromUtf8(process.readAllStandardOutput());
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }
};

} // namespace

TEST_F(InstalledZelcfg, ReadsTheUsersCopyOfTheSettingsFile)
{
    const QString data = writeDataFile("studio.DAT", validDataSet());
    ReadOnlyPath readOnly(program());
    if (!readOnly.active())
        GTEST_SKIP() << "the folder cannot be made read-only here";

    ZelcfgRun first = showAsInstalled(data);
    EXPECT_EQ(first.code, 0) << first.err.toStdString();
    EXPECT_EQ(TestFolder::read(userSettings()), TestFolder::read(settingsFile));

    // The user's value is the one in force.
    ASSERT_TRUE(WriteSetting(userSettings(), "Main", "Layer_NumFaders", "15", false));
    ZelcfgRun second = showAsInstalled(data);
    EXPECT_EQ(second.code, 2);
    EXPECT_EQ(second.errorLines(), QStringList{"zelcfg: " + userSettings() +
                                               ": Error setting value <Layer_NumFaders> (start-up step 20)"});
    EXPECT_EQ(QDir(program()).entryList(QDir::Files), (QStringList{"ZEL308Tools.Ini", "zelcfg"}));
}
