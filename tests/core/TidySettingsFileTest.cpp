#include "ReadOnlyPath.h"
#include "SettingsFile.h"
#include "TestFolder.h"
#include "Utf16Bytes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

namespace {

QString s(const char* text)
{
    return QString::fromUtf8(text);
}

QStringList filesIn(const TestFolder& folder)
{
    return QDir(folder.path()).entryList(QDir::Files);
}

TEST(TidySettingsFile, RewritesTheFile)
{
    const struct
    {
        const char* name;
        QByteArray before;
        QByteArray after;
    } cases[] = {
        {"aligns the equals signs", "[Comm]\r\nPort=1\r\nSettings=19200,n,8,1\r\n",
         "[Comm]\r\n  Port     = 1\r\n  Settings = 19200,n,8,1\r\n"},
        {"longest key per section", "[A]\r\nk=1\r\nlonger = 2\r\n[B]\r\nx=3\r\n",
         "[A]\r\n  k      = 1\r\n  longer = 2\r\n[B]\r\n  x = 3\r\n"},
        {"blank runs fold to one", "[A]\r\n\r\n\r\n\r\nk=1\r\n \r\n\t\r\n", "[A]\r\n\r\n  k = 1\r\n\r\n"},
        {"leading blank line kept", "\r\n\r\n\r\n[A]\r\nk=1\r\n", "\r\n[A]\r\n  k = 1\r\n"},
        {"other lines trimmed", "  ; note  \r\n [A] \r\n\tk\t=\t 1 \r\n no equals \r\n",
         "; note\r\n[A]\r\n  k = 1\r\nno equals\r\n"},
        {"value keeps its inner text", "[A]\r\nk= a = b ; c \r\n", "[A]\r\n  k = a = b ; c\r\n"},
        {"LF file stays LF", "[A]\nkey=1\nk=2", "[A]\n  key = 1\n  k   = 2\n"},
        {"CR file stays CR", "[A]\rkey=1\rk=2", "[A]\r  key = 1\r  k   = 2\r"},
        {"each line keeps its break", "[A]\r\nkey=1\rk=2\n\n\r\n", "[A]\r\n  key = 1\r  k   = 2\n\n"},
        {"UTF-16 stays UTF-16", Utf16Bytes("[A]\r\nPort=1\r\nSettings=\xE4\r\n", true),
         Utf16Bytes("[A]\r\n  Port     = 1\r\n  Settings = \xE4\r\n", true)},
        {"UTF-16 big-endian stays", Utf16Bytes("[A]\r\nk=1\r\n", false), Utf16Bytes("[A]\r\n  k = 1\r\n", false)},
        {"Windows-1252 stays", "; K\xE4se\r\n[A]\r\n\xC4=\xF6\r\nab=1\r\n",
         "; K\xE4se\r\n[A]\r\n  \xC4  = \xF6\r\n  ab = 1\r\n"},
        {"UTF-8 stays", "[A]\r\n\xC3\x84=\xC3\xB6\r\nab=1\r\n",
         "[A]\r\n  \xC3\x84  = \xC3\xB6\r\n  ab = 1\r\n"},
        {"byte order mark kept", "\xEF\xBB\xBF[A]\r\nk=1\r\n", "\xEF\xBB\xBF[A]\r\n  k = 1\r\n"},
        {"bracket line without ] counts as section", "[A]\r\nkey=1\r\n[B\r\nk=2\r\n",
         "[A]\r\n  key = 1\r\n[B\r\n  k = 2\r\n"},
        {"already tidy", "[A]\r\n  k = 1\r\n", "[A]\r\n  k = 1\r\n"},
        {"empty file", "", ""},
    };
    for (const auto& c : cases) {
        TestFolder folder;
        const QString ini = folder.write("ZEL308Tools.Ini", c.before);
        EXPECT_EQ(TidySettingsFile(ini), 0) << c.name;
        EXPECT_EQ(TestFolder::read(ini), c.after) << c.name;
        EXPECT_EQ(filesIn(folder), QStringList{"ZEL308Tools.Ini"}) << c.name;
    }
}

TEST(TidySettingsFile, KeyBeforeFirstSectionLeavesTheFile)
{
    TestFolder folder;
    const QByteArray before = "; head\r\nloose=1\r\n[A]\r\nk=1\r\n";
    const QString ini = folder.write("a.ini", before);
    EXPECT_EQ(TidySettingsFile(ini), 3009);
    EXPECT_EQ(TestFolder::read(ini), before);
    EXPECT_EQ(filesIn(folder), QStringList{"a.ini"});
}

TEST(TidySettingsFile, MissingFileOrFolder)
{
    TestFolder folder;
    EXPECT_EQ(TidySettingsFile(folder.file("missing.ini")), 1000);
    QDir(folder.path()).mkdir("dir.ini");
    EXPECT_EQ(TidySettingsFile(folder.file("dir.ini")) / 1000, 2);
}

TEST(TidySettingsFile, ReplacesAStaleTemporaryFile)
{
    TestFolder folder;
    folder.write("tmptmp.tmp", "left over");
    const QString ini = folder.write("a.ini", "[A]\r\nk=1\r\n");
    EXPECT_EQ(TidySettingsFile(ini), 0);
    EXPECT_EQ(TestFolder::read(ini), "[A]\r\n  k = 1\r\n");
    EXPECT_EQ(filesIn(folder), QStringList{"a.ini"});
}

TEST(TidySettingsFile, LaterWritesBuildOnTheTidiedFile)
{
    TestFolder folder;
    const QString ini = folder.write("a.ini", "[A]\r\nk=1\r\n");
    ASSERT_EQ(ReadSetting(ini, s("A"), s("k"), {}), s("1"));
    ASSERT_EQ(TidySettingsFile(ini), 0);
    EXPECT_TRUE(WriteSetting(ini, s("A"), s("k"), s("2"), false));
    EXPECT_EQ(TestFolder::read(ini), "[A]\r\n  k = 2\r\n");
}

TEST(TidySettingsFile, BadInputGivesAResult)
{
    QByteArray random(64 * 1024, Qt::Uninitialized);
    QRandomGenerator generator(12);
    for (char& c : random)
        c = static_cast<char>(generator.bounded(256));
    QByteArray huge;
    for (int i = 0; i < 40000; ++i)
        huge += "[S" + QByteArray::number(i) + "]\r\nKey=" + QByteArray::number(i) + "\r\nLongerKey=x\r\n";
    const struct
    {
        const char* name;
        QByteArray bytes;
        qint16 result;
    } cases[] = {
        {"binary with a key line first", "k=\0\x01\xFF\r\n" + random, 3009},
        {"binary after a section", "[A]\r\n" + random, 0},
        {"huge", huge, 0},
        {"long line", "[A]\r\nk=" + QByteArray(100000, 'x') + "\r\n", 0},
    };
    for (const auto& c : cases) {
        TestFolder folder;
        const QString ini = folder.write("a.ini", c.bytes);
        EXPECT_EQ(TidySettingsFile(ini), c.result) << c.name;
        if (c.result != 0) {
            EXPECT_EQ(TestFolder::read(ini), c.bytes) << c.name;
        }
        EXPECT_EQ(filesIn(folder), QStringList{"a.ini"}) << c.name;
    }
    TestFolder folder;
    const QString ini = folder.write("a.ini", "[A]\r\nk=" + QByteArray(100000, 'x') + "\r\n");
    ASSERT_EQ(TidySettingsFile(ini), 0);
    EXPECT_EQ(TestFolder::read(ini), "[A]\r\n  k = " + QByteArray(100000, 'x') + "\r\n");
}

TEST(TidySettingsFile, ReadOnlyFolderOrFileLeavesTheFile)
{
    const struct
    {
        bool lockFolder;
        int step;
    } cases[] = {{true, 6}, {false, 12}};
    for (const auto& c : cases) {
        TestFolder folder;
        const QByteArray before = "[A]\r\nk=1\r\n";
        const QString ini = folder.write("a.ini", before);
        {
            ReadOnlyPath readOnly(c.lockFolder ? folder.path() : ini);
            if (!readOnly.active())
                GTEST_SKIP() << "cannot make a path read-only here";
            const qint16 result = TidySettingsFile(ini);
            EXPECT_EQ(result / 1000, c.step);
            EXPECT_GT(result % 1000, 0);
        }
        EXPECT_EQ(TestFolder::read(ini), before);
        EXPECT_EQ(filesIn(folder), QStringList{"a.ini"});
    }
}

} // namespace
