#include "MessageTexts.h"

#include "Helpers.h"
#include "SettingsFile.h"
#include "TestFolder.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

const QString kBundledIni = QStringLiteral(ZEL_SOURCE_DIR "/resources/ZEL308Tools.Ini");

const QByteArray kIni = "[Messages_GER]\r\n"
                        "Ready=Bereit\r\n"
                        "WriteToDisk_Err=Fehler beim Schreiben (&): & ; Fehlertext, Pfad\r\n"
                        "[Messages_ENG]\r\n"
                        "Ready=Ready to go\r\n";

} // namespace

TEST(MessageTexts, LooksUpTheLanguageSection)
{
    TestFolder folder;
    const QString file = folder.write("t.Ini", kIni);
    MessageTexts german(file, "GER");
    MessageTexts english(file, "ENG");
    EXPECT_EQ(german.section(), "Messages_GER");
    EXPECT_EQ(german.get("Ready"), "Bereit");
    EXPECT_EQ(english.get("Ready"), "Ready to go");
}

TEST(MessageTexts, MissingTextShowsKeyOrDefault)
{
    TestFolder folder;
    const QString file = folder.write("t.Ini", kIni);
    MessageTexts messages(file, "GER");
    EXPECT_EQ(messages.get("QuerySendData"), "QuerySendData");
    EXPECT_EQ(messages.get("Form_Proto.ToolTip", QString()), "");
    MessageTexts noSection(file, "FRA");
    EXPECT_EQ(noSection.get("Ready"), "Ready");
}

TEST(MessageTexts, CommentIsCutAndPlaceholdersStay)
{
    TestFolder folder;
    MessageTexts messages(folder.write("t.Ini", kIni), "GER");
    EXPECT_EQ(FormatMessage(messages.get("WriteToDisk_Err"), "Datenträger voll", "/tmp/a.Dat"),
              "Fehler beim Schreiben (Datenträger voll): /tmp/a.Dat");
}

TEST(MessageTexts, TextIsKeptForTheRun)
{
    TestFolder folder;
    const QString file = folder.write("t.Ini", kIni);
    MessageTexts messages(file, "GER");
    EXPECT_EQ(messages.get("Ready"), "Bereit");
    ASSERT_TRUE(WriteSetting(file, "Messages_GER", "Ready", "Fertig", false));
    EXPECT_EQ(messages.get("Ready"), "Bereit");
    EXPECT_EQ(MessageTexts(file, "GER").get("Ready"), "Fertig");
}

// Every key looked up in the sources as .get(QStringLiteral("Key") ...), and every
// key built at run time, needs a German and an English text in the bundled file.
TEST(BundledMessages, EveryKeyHasGermanAndEnglishText)
{
    QSet<QString> keys;
    const QStringList commands = {"FileRead",        "FileWrite",    "Reset",       "CommSendData",
                                  "CommReceiveData", "CommRestart",  "CommGetInfo", "CommCheck",
                                  "CommSettings",    "ShowProtocol", "ShowAbout",   "EndProgram"};
    for (const QString& command : commands)
        keys.insert("Menu_" + command + ".ToolTip");

    const QRegularExpression lookup(QStringLiteral(R"re(\.get\(\s*QStringLiteral\(\s*"([^"]+)"\s*\)\s*[,)])re"));
    int sources = 0;
    QDirIterator it(QStringLiteral(ZEL_SOURCE_DIR "/src"), {"*.cpp"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile source(it.next());
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        ++sources;
        const QString text = QString::fromUtf8(source.readAll());
        for (auto match = lookup.globalMatch(text); match.hasNext();)
            keys.insert(match.next().captured(1));
    }
    ASSERT_GT(sources, 0);

    const QString missing = QStringLiteral("\x01missing");
    for (const QString& key : keys) {
        for (const char* section : {"Messages_GER", "Messages_ENG"})
            EXPECT_NE(ReadSetting(kBundledIni, section, key, missing), missing)
                << section << " " << key.toStdString();
    }
}

TEST(BundledMessages, LanguagesHaveTheSameKeysAndPlaceholders)
{
    QStringList germanKeys, englishKeys;
    ASSERT_TRUE(ReadSectionKeys(kBundledIni, "Messages_GER", germanKeys));
    ASSERT_TRUE(ReadSectionKeys(kBundledIni, "Messages_ENG", englishKeys));
    EXPECT_EQ(QSet<QString>(germanKeys.begin(), germanKeys.end()),
              QSet<QString>(englishKeys.begin(), englishKeys.end()));
    for (const QString& key : germanKeys) {
        const QString german = ReadSetting(kBundledIni, "Messages_GER", key, "");
        const QString english = ReadSetting(kBundledIni, "Messages_ENG", key, "");
        EXPECT_FALSE(german.isEmpty()) << key.toStdString();
        EXPECT_EQ(german.count('&'), english.count('&')) << key.toStdString();
    }
    // Placeholders where the callers put their arguments.
    for (const auto& [key, count] :
         {std::pair{"WriteLog_Err", 2}, std::pair{"Comm_OpenPort_Err", 2}, std::pair{"Comm_ClosePort_Err", 2},
          std::pair{"WriteToDisk_Err", 2}, std::pair{"ReadFromDisk_Err", 2}, std::pair{"QueryOverwrite", 1},
          std::pair{"Comm_Waiting_For_Answer", 1}, std::pair{"Ready", 0}})
        EXPECT_EQ(ReadSetting(kBundledIni, "Messages_GER", key, "").count('&'), count) << key;
}

TEST(BundledMessages, TextsFitOneSettingsValue)
{
    // The raw lines: a ";" would start a comment and more than 127 characters are cut.
    QFile file(kBundledIni);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QTextStream in(&file);
    bool inMessages = false;
    int texts = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith('[')) {
            inMessages = line.startsWith("[Messages_");
            continue;
        }
        if (!inMessages || line.isEmpty() || line.startsWith(';'))
            continue;
        const QString value = line.section('=', 1).trimmed();
        EXPECT_FALSE(value.contains(';')) << line.toStdString();
        EXPECT_LE(value.size(), 127) << line.toStdString();
        ++texts;
    }
    EXPECT_GT(texts, 150);
}
