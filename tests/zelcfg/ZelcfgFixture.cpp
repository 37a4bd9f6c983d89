#include "ZelcfgFixture.h"

#include "SettingsFile.h"

#include <QFile>
#include <QProcess>

QStringList ZelcfgRun::errorLines() const
{
    QStringList lines;
    for (const QString& line : err.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("zelcfg: ")))
            lines.append(line);
    }
    return lines;
}

QStringList ZelcfgRun::outLines() const
{
    QStringList lines = out.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

ZelcfgFixture::ZelcfgFixture()
{
    settingsFile = folder.file(QStringLiteral("ZEL308Tools.Ini"));
    QFile::copy(QStringLiteral(ZEL_BIN_DIR "/ZEL308Tools.Ini"), settingsFile);
    QFile::setPermissions(settingsFile, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

ZelcfgRun RunZelcfg(const QStringList& args, int timeoutMs)
{
    QProcess process;
    process.start(QStringLiteral(ZEL_BIN_DIR "/zelcfg"), args);
    ZelcfgRun result;
    if (!process.waitForStarted(10000) || !process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(3000);
        result.err = QStringLiteral("zelcfg: did not finish: ") + process.errorString();
        return result;
    }
    result.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

ZelcfgRun ZelcfgFixture::run(const QString& command, const QStringList& args, int timeoutMs) const
{
    return RunZelcfg(QStringList{command, QStringLiteral("--settings"), settingsFile} + args, timeoutMs);
}

void ZelcfgFixture::setSetting(const QString& section, const QString& key, const QString& value) const
{
    ASSERT_TRUE(WriteSetting(settingsFile, section, key, value, false));
}

DataSet ZelcfgFixture::validDataSet()
{
    DataSet d;
    d.DataVersion.set(QStringLiteral("2.1"));
    for (int part = 0; part < DataSet::Parts; ++part)
        for (int n = 0; n < DataSet::SlotsPerPart; ++n)
            d.InputName[part][n].set(QStringLiteral("P%1N%2").arg(part + 1).arg(n + 1));
    for (auto& layer : d.LayerAssign)
        layer.fill(1000);
    d.MonMode[0] = 1;
    d.MonPickoff[0] = 1;
    d.ControlMode[0] = 1;
    for (int i = 0; i < 8; ++i)
        d.ConfigName[i].set(QStringLiteral("CONF%1").arg(i + 1));
    for (auto& path : d.ConfigFile)
        path.set(QString());
    d.ConfigGroupFile.set(QString());
    return d;
}

QString ZelcfgFixture::writeDataFile(const QString& name, const DataSet& data) const
{
    return folder.write(name, data.toBytes());
}
