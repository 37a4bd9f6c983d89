#include "SettingsFile.h"
#include "ReadOnlyPath.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

namespace {

QString s(const char* text)
{
    return QString::fromUtf8(text);
}

TEST(ReadSetting, CleansValueAndDefault)
{
    TestFolder folder;
    const QString ini = folder.write("a.ini", "[Comm]\r\n"
                                              "Settings=19200,n,8,1 ; comment\r\n"
                                              "Tabbed=one\ttwo\t\r\n"
                                              "Long=" +
                                                  QByteArray(200, 'x') +
                                                  "\r\n"
                                                  "LongComment=" +
                                                  QByteArray(130, 'y') +
                                                  ";c\r\n"
                                                  "Padded=   both ends   \r\n"
                                                  "Empty=\r\n"
                                                  "OnlyComment=; nothing\r\n"
                                                  "Quoted=\"a ; b\"\r\n");
    const struct
    {
        const char* key;
        QString defaultText;
        QString expected;
    } cases[] = {
        {"Settings", {}, s("19200,n,8,1")},
        {"Tabbed", {}, s("onetwo")},
        {"Long", {}, QString(127, QLatin1Char('x'))},
        {"LongComment", {}, QString(127, QLatin1Char('y'))},
        {"Padded", {}, s("both ends")},
        {"Empty", s("default"), QString()},
        {"OnlyComment", {}, QString()},
        {"Quoted", {}, s("a")}, // quotes go first, the comment cut follows
        {"Absent", s("COM1 ; first port"), s("COM1")},
        {"Absent", s("\tA\tB "), s("AB")},
        {"Absent", QString(200, QLatin1Char('d')), QString(127, QLatin1Char('d'))},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadSetting(ini, s("comm"), s(c.key), c.defaultText), c.expected) << c.key;
}

TEST(ReadSetting, NeverFailsOnBadFiles)
{
    TestFolder folder;
    QByteArray random(4096, Qt::Uninitialized);
    QRandomGenerator generator(1);
    for (char& c : random)
        c = static_cast<char>(generator.bounded(256));
    random[10] = '\0';
    QDir(folder.path()).mkdir("folder.ini");
    const struct
    {
        const char* name;
        QString path;
    } files[] = {
        {"missing", folder.file("missing.ini")},
        {"empty", folder.write("empty.ini", "")},
        {"binary", folder.write("binary.ini", random)},
        {"folder", folder.file("folder.ini")},
        {"no ]", folder.write("broken.ini", "[Main\r\nKey=inside\r\n")},
    };
    for (const auto& f : files) {
        EXPECT_EQ(ReadSetting(f.path, s("Main"), s("Key"), s("fallback ; c")), s("fallback")) << f.name;
        QStringList keys;
        QStringList values;
        EXPECT_FALSE(ReadSectionKeys(f.path, s("Main"), keys, &values)) << f.name;
    }
}

TEST(ReadSetting, HugeFileAndLongLine)
{
    TestFolder folder;
    QByteArray big;
    for (int i = 0; i < 70000; ++i)
        big += "[Section" + QByteArray::number(i) + "]\r\nKey=value " + QByteArray::number(i) + "\r\n";
    big += "[Last]\r\nLong=" + QByteArray(100000, 'L') + "\r\nAfter=end\r\n";
    ASSERT_GT(big.size(), 2 * 1024 * 1024);
    const QString ini = folder.write("big.ini", big);
    EXPECT_EQ(ReadSetting(ini, s("section69999"), s("key"), {}), s("value 69999"));
    EXPECT_EQ(ReadSetting(ini, s("Last"), s("Long"), {}), QString(127, QLatin1Char('L')));
    EXPECT_EQ(ReadSetting(ini, s("Last"), s("After"), {}), s("end"));

    EXPECT_TRUE(WriteSetting(ini, s("Last"), s("New"), s("1"), false));
    EXPECT_EQ(TestFolder::read(ini), big + "New=1\r\n");
}

TEST(ReadSetting, SeesChangesMadeByOthers)
{
    TestFolder folder;
    const QString ini = folder.write("a.ini", "[M]\r\nK=1\r\n");
    ASSERT_EQ(ReadSetting(ini, s("M"), s("K"), {}), s("1"));

    // Same size, written at once: only the bytes tell the difference.
    folder.write("a.ini", "[M]\r\nK=2\r\n");
    EXPECT_EQ(ReadSetting(ini, s("M"), s("K"), {}), s("2"));

    // Same size, an old time stamp on both versions.
    const QDateTime old = QDateTime::currentDateTime().addDays(-1);
    {
        QFile f(ini);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.setFileTime(old, QFileDevice::FileModificationTime);
    }
    ASSERT_EQ(ReadSetting(ini, s("M"), s("K"), {}), s("2"));
    folder.write("a.ini", "[M]\r\nK=3\r\n");
    {
        QFile f(ini);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.setFileTime(old.addSecs(1), QFileDevice::FileModificationTime);
    }
    EXPECT_EQ(ReadSetting(ini, s("M"), s("K"), {}), s("3"));
}

TEST(ReadSectionKeys, ListsKeysAndCleanedValuesInFileOrder)
{
    TestFolder folder;
    const QString ini = folder.write("a.ini", "[Data_GER]\r\n"
                                              "Zeta = last ; c\r\n"
                                              "alpha=\tfirst\r\n"
                                              "; Skipped=1\r\n"
                                              "Mid=\r\n"
                                              "[Empty]\r\n"
                                              "; no keys\r\n");
    QStringList keys;
    QStringList values;
    EXPECT_TRUE(ReadSectionKeys(ini, s("data_ger"), keys, &values));
    EXPECT_EQ(keys, QStringList({"Zeta", "alpha", "Mid"}));
    EXPECT_EQ(values, QStringList({"last", "first", ""}));

    QStringList keysOnly;
    EXPECT_TRUE(ReadSectionKeys(ini, s("Data_GER"), keysOnly));
    EXPECT_EQ(keysOnly, keys);

    for (const char* section : {"Empty", "Missing"}) {
        EXPECT_FALSE(ReadSectionKeys(ini, s(section), keys, &values));
        EXPECT_EQ(keys, QStringList{QString()});
        EXPECT_EQ(values, QStringList{QString()});
    }
}

TEST(WriteSetting, CreatesFileSectionAndKey)
{
    TestFolder folder;
    const QString ini = folder.file("new.ini");
    EXPECT_TRUE(WriteSetting(ini, s(" Recent "), s(" ActTabStrip "), s("3"), false));
    EXPECT_TRUE(WriteSetting(ini, s("recent"), s("Other"), s("Grüße"), false));
    EXPECT_EQ(TestFolder::read(ini), "[Recent]\r\nActTabStrip=3\r\nOther=Gr\xC3\xBC\xC3\x9F"
                                     "e\r\n");
    EXPECT_EQ(ReadSetting(ini, s("RECENT"), s("acttabstrip"), {}), s("3"));
    EXPECT_FALSE(QFile::exists(folder.file("new.ini.tmp")));
}

TEST(WriteSetting, EmptyValueDeletesOnlyWhenAsked)
{
    const struct
    {
        const char* value;
        bool deleteIfEmpty;
        QByteArray after;
    } cases[] = {
        {"", true, "[Comm]\r\nB=2\r\n"},         {"  ", true, "[Comm]\r\nB=2\r\n"},
        {"", false, "[Comm]\r\nA=\r\nB=2\r\n"},  {"  ", false, "[Comm]\r\nA=  \r\nB=2\r\n"},
        {"x", true, "[Comm]\r\nA=x\r\nB=2\r\n"},
    };
    for (const auto& c : cases) {
        TestFolder folder;
        const QString ini = folder.write("a.ini", "[Comm]\r\nA=1\r\nB=2\r\n");
        EXPECT_TRUE(WriteSetting(ini, s("Comm"), s("A"), s(c.value), c.deleteIfEmpty));
        EXPECT_EQ(TestFolder::read(ini), c.after) << c.value << c.deleteIfEmpty;
    }
}

TEST(WriteSetting, KeepsTheFilesCodePage)
{
    TestFolder folder;
    const QString cp = folder.write("cp.ini", "; Gr\xFC\xDF"
                                              "e\r\n[M]\r\nK=\xE4\r\n");
    EXPECT_EQ(ReadSetting(cp, s("M"), s("K"), {}), s("ä"));
    EXPECT_TRUE(WriteSetting(cp, s("M"), s("Ö"), s("ü"), false));
    EXPECT_EQ(TestFolder::read(cp), "; Gr\xFC\xDF"
                                    "e\r\n[M]\r\nK=\xE4\r\n\xD6=\xFC\r\n");

    const QString utf8 = folder.write("utf8.ini", "; Gr\xC3\xBC\xC3\x9F"
                                                  "e\n[M]\nK=\xC3\xA4\n");
    EXPECT_EQ(ReadSetting(utf8, s("M"), s("K"), {}), s("ä"));
    EXPECT_TRUE(WriteSetting(utf8, s("M"), s("K"), s("Ö"), false));
    EXPECT_EQ(TestFolder::read(utf8), "; Gr\xC3\xBC\xC3\x9F"
                                      "e\n[M]\nK=\xC3\x96\n");
}

TEST(WriteSetting, SectionWithoutBracketStaysAsItIs)
{
    TestFolder folder;
    const QString ini = folder.write("a.ini", "[Main\r\nKey=1\r\n");
    EXPECT_TRUE(WriteSetting(ini, s("Main"), s("Key"), s("2"), false));
    EXPECT_EQ(TestFolder::read(ini), "[Main\r\nKey=1\r\n\r\n[Main]\r\nKey=2\r\n");
    EXPECT_EQ(ReadSetting(ini, s("Main"), s("Key"), {}), s("2"));
}

TEST(WriteSetting, FailsWithoutHarm)
{
    TestFolder folder;
    const QByteArray before = "[Comm]\r\nPort=1\r\n";
    const QString ini = folder.write("a.ini", before);
    ASSERT_EQ(ReadSetting(ini, s("Comm"), s("Port"), {}), s("1")); // in the cache now

    EXPECT_FALSE(WriteSetting(ini, s("Comm"), s("Bad=Key"), s("1"), false));
    EXPECT_FALSE(WriteSetting(ini, s("Bad]"), s("Key"), s("1"), false));
    QDir(folder.path()).mkdir("dir.ini");
    EXPECT_FALSE(WriteSetting(folder.file("dir.ini"), s("Comm"), s("Port"), s("2"), false));
    EXPECT_FALSE(WriteSetting(folder.file("no/such/folder.ini"), s("Comm"), s("Port"), s("2"), false));

    {
        ReadOnlyPath readOnly(ini);
        if (!readOnly.active())
            GTEST_SKIP() << "cannot make a file read-only here";
        EXPECT_FALSE(WriteSetting(ini, s("Comm"), s("Port"), s("2"), false));
        // Writing what is there already needs no write.
        EXPECT_TRUE(WriteSetting(ini, s("Comm"), s("Port"), s("1"), false));
    }
    EXPECT_EQ(TestFolder::read(ini), before);
    EXPECT_EQ(ReadSetting(ini, s("Comm"), s("Port"), {}), s("1"));

    {
        ReadOnlyPath folderReadOnly(folder.path());
        ReadOnlyPath fileReadOnly(ini);
        if (!folderReadOnly.active() || !fileReadOnly.active())
            GTEST_SKIP() << "cannot make a folder read-only here";
        EXPECT_FALSE(WriteSetting(ini, s("Comm"), s("Port"), s("2"), false));
        EXPECT_FALSE(WriteSetting(folder.file("new.ini"), s("Comm"), s("Port"), s("2"), false));
    }
    EXPECT_EQ(TestFolder::read(ini), before);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"a.ini"});
}

// A program folder the user may not write, with a settings file the user may:
// placement, page and port settings still reach the file.
TEST(WriteSetting, ReadOnlyFolderWritesTheFileInPlace)
{
    TestFolder folder;
    const QString ini = folder.write("a.ini", "[Comm]\r\nPort=1\r\nSettings=19200,n,8,1\r\n");
    ASSERT_EQ(ReadSetting(ini, s("Comm"), s("Port"), {}), s("1"));
    {
        ReadOnlyPath readOnly(folder.path());
        if (!readOnly.active())
            GTEST_SKIP() << "cannot make a folder read-only here";
        EXPECT_TRUE(WriteSetting(ini, s("Comm"), s("Port"), s("2"), false));
        EXPECT_TRUE(WriteSetting(ini, s("Comm"), s("Settings"), s("9600,n,8,1"), false));
        EXPECT_TRUE(WriteSetting(ini, s("Recent"), s("ActTabStrip"), s("3"), false));
        SaveWindowPlacement(ini, s("Screen"), s("Coord_"), TwipRect{10, 20, 300, 400}, true);
        EXPECT_FALSE(WriteSetting(folder.file("new.ini"), s("Comm"), s("Port"), s("2"), false));
    }
    EXPECT_EQ(TestFolder::read(ini), "[Comm]\r\nPort=2\r\nSettings=9600,n,8,1\r\n\r\n[Recent]\r\nActTabStrip=3\r\n"
                                     "\r\n[Screen]\r\nCoord_X=10\r\nCoord_Y=20\r\nCoord_W=300\r\nCoord_H=400\r\n");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"a.ini"});
    EXPECT_EQ(ReadSetting(ini, s("Comm"), s("Settings"), {}), s("9600,n,8,1"));
}

TEST(ReplaceAll, ScansAgainAfterEachReplacement)
{
    const struct
    {
        const char* text;
        const char* find;
        const char* replacement;
        const char* expected;
    } cases[] = {
        {"a    b  c", "  ", " ", "a b c"}, // rescanning folds every run
        {"aaa", "aa", "a", "a"},
        {"xAbx", "ab", "-", "xAbx"}, // case matters
        {"abc", "b", "", "ac"},
        {"abc", "", "x", "abc"},
        {"aXa", "a", "aa", "aaXaa"}, // would never end: one pass
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReplaceAll(s(c.text), s(c.find), s(c.replacement)), s(c.expected)) << c.text;
    // "ab" -> "bbaa" makes a new match every time; the text must not grow without end.
    EXPECT_LT(ReplaceAll(s("aab"), s("ab"), s("bbaa")).size(), 100000);
}

} // namespace
