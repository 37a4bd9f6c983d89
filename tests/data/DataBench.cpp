#include "DataBench.h"

#include <QDir>

namespace {

const char* const kMessages = R"([Messages_GER]
DataFile=Datendatei
ConfigFile=Konfigurationsdatei
SaveAs=Speichern unter
OpenFile=Datei oeffnen
QueryOverwrite=Datei <&> ueberschreiben?
FileNotFound=Datei <&> nicht gefunden
WritingData=Schreibe Daten
WritingFile=Schreibe Datei <&>
WritingData_Ok=Daten geschrieben
WriteToDisk_Err=Fehler <&> beim Schreiben von <&>
QueryReadData=Datei <&> lesen?
ReadingData=Lese Daten
ReadingFile=Lese Datei <&>
ReadingData_Ok=Daten gelesen
ReadingData_Err=Datei <&> fehlt
ReadFromDisk_Err=Fehler <&> beim Lesen von <&>
QueryDataReset=Daten zuruecksetzen?
ResetDone=Zurueckgesetzt
ReadingConfig=Lese Konfiguration
ReadingConfig_Ok=Konfiguration gelesen
ReadingConfig_Err=Konfiguration <&> fehlt
ConfigPath_Char_Err=Zeichen & im Pfad <&> nicht speicherbar
WritingConfig=Schreibe Konfiguration
WritingConfig_Ok=Konfiguration geschrieben
BlankNames_Replaced=Leerer Name ersetzt: <&>
)";

AppSettings benchSettings(const TestFolder& folder)
{
    AppSettings s;
    s.ProgramFolder = folder.path();
    s.ProgramFileName = QStringLiteral("ZEL308Tools");
    s.SettingsFile = folder.file(QStringLiteral("ZEL308Tools.Ini"));
    s.Language = QStringLiteral("GER");
    return s;
}

} // namespace

DataBench::DataBench(const QString& mainExtra, const QString& sections)
    : settings(benchSettings(folder)), messages(settings.SettingsFile, settings.Language),
      log(clock, settings.ProgramFolder, settings.ProgramFileName, true),
      app{settings, messages, log, ui, clock}, ctx{app, data}
{
    const QString ini = QStringLiteral("[Main]\nLanguage=GER\n") + mainExtra + QLatin1Char('\n') +
                        QLatin1String(kMessages) + sections;
    folder.write(QStringLiteral("ZEL308Tools.Ini"), ini.toUtf8());
    log.setToFileDisabled(true);
    log.setTextControl(&screen);
}

int DataBench::loggedCount(const QString& text) const
{
    int count = 0;
    for (const QString& line : screen.lines)
        count += line.endsWith(text) ? 1 : 0;
    return count;
}

QString DataBench::subFolder(const QString& name) const
{
    QDir(folder.path()).mkpath(name);
    return folder.file(name);
}

DataSet FilledDataSet()
{
    DataSet d;
    d.DataVersion.set(QStringLiteral("9.9"));
    for (int part = 0; part < DataSet::Parts; ++part)
        for (int n = 0; n < DataSet::SlotsPerPart; ++n) {
            d.InputName[part][n].set(QStringLiteral("P%1N%2").arg(part + 1).arg(n + 1));
            d.OutputPickoff[part][n] = qint16(part * 100 + n - 1);
        }
    for (int layer = 0; layer < 8; ++layer)
        for (int n = 0; n < 8; ++n)
            d.LayerAssign[layer][n] = qint16(1000 + layer * 8 + n);
    d.MonMode = {0, 1, 0, 0};
    d.MonChannel = 3;
    d.MonPickoff = {1, 0, 0};
    d.PeakPickoff = {-1, 2};
    d.ExtMon = {4, 5, 6, -1};
    for (int i = 0; i < 8; ++i)
        d.GpioInput[i] = qint16(100 + i);
    for (int i = 0; i < 16; ++i)
        d.GpioOutput[i] = qint16(200 + i);
    d.ControlMode = {0, 0, 1};
    for (int i = 0; i < 9; ++i) {
        d.VTRSource1[i] = qint16(1100 + i);
        d.VTRSource2[i] = qint16(1200 + i);
        d.FaderBoxInput[i] = qint16(-300 - i);
        d.FaderBoxOutput[i] = qint16(32000 + i);
    }
    d.EsamFrames = 7;
    d.EsamChannels = -1;
    for (int i = 0; i < 8; ++i) {
        d.ConfigFlag1[i] = qint16(i % 2);
        d.ConfigFlag2[i] = qint16(1 - i % 2);
        d.ConfigFile[i].set(QStringLiteral("C:\\Konfig\\Slot %1.CNS").arg(i + 1));
        d.ConfigName[i].set(QString::fromUtf8("Ü-Snap%1").arg(i + 1));
    }
    d.ConfigGroupFile.set(QStringLiteral("C:\\Konfig\\Alle.CNG"));
    d.StartUpConf = 0x0705;
    return d;
}
