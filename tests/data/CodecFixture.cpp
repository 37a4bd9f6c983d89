#include "CodecFixture.h"

namespace {

AppSettings settingsIn(const TestFolder& folder)
{
    AppSettings s;
    s.ProgramFolder = folder.path();
    s.ProgramFileName = QStringLiteral("ZEL308Tools");
    s.SettingsFile = folder.write(QStringLiteral("ZEL308Tools.Ini"),
                                  "[Messages_GER]\r\n"
                                  "Preparing_DataExchange=Daten werden vorbereitet\r\n"
                                  "Interpret_HexData_Err=Fehler beim Auswerten der Daten: &\r\n"
                                  "WriteToDisk_Err=Fehler <&> beim Schreiben von <&>\r\n");
    s.LogFileName = folder.file(QStringLiteral("codec.Log"));
    s.DefaultHexFile = folder.file(QStringLiteral("ZEL308Tools.HEX"));
    return s;
}

EntryList numbered(const QString& prefix, int firstCode, int step, int count)
{
    EntryList list;
    for (int i = 0; i < count; ++i)
        list.append({prefix + QString::number(i), firstCode + step * i});
    return list;
}

} // namespace

CodecFixture::CodecFixture()
    : settings(settingsIn(folder)), messages(settings.SettingsFile, settings.Language),
      log(clock, settings.ProgramFolder, settings.ProgramFileName, true),
      app{settings, messages, log, ui, clock}, ctx{app, data, nullptr}, lists(standardLists())
{
    log.setFileName(settings.LogFileName);
}

SelectorLists CodecFixture::standardLists()
{
    SelectorLists l;
    for (auto& part : l.cmbAbgriffOutput)
        part.fill(numbered(QStringLiteral("Pick "), 10001, 2, 10));
    l.cmbKanal = numbered(QStringLiteral("Channel "), 11010, 1, 8);
    l.cmbAbgriffPeak.fill(numbered(QStringLiteral("Peak "), 12020, 1, 8));
    l.cmbExtMon.fill(numbered(QStringLiteral("Key "), 13030, 1, 8));
    l.cmbFrames = {{QStringLiteral("25 frames"), 25}, {QStringLiteral("30 frames"), 30}};
    l.cmbChannels = {{QStringLiteral("TwoChannels"), 2}, {QStringLiteral("FourChannels"), 1}};
    l.cmbStartUpConf = numbered(QStringLiteral("Snap "), 0, 1, 9);
    for (int k = 0; k < 8; ++k)
        l.lstData[0].append({QStringLiteral("%1|IN %2").arg(k + 5).arg(QChar('A' + k)), 100 + k});
    for (int k = 0; k < 16; ++k)
        l.lstData[1].append({QStringLiteral("%1|OUT %2").arg(k + 21).arg(k + 1), 100 + k});
    return l;
}

QString CodecFixture::logText() const
{
    return QString::fromLatin1(TestFolder::read(settings.LogFileName));
}
