#include "ProfileFile.h"
#include "TextFileFormat.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <optional>

namespace {

QString value(const ProfileFile& file, const char* section, const char* key)
{
    return file.value(QString::fromUtf8(section), QString::fromUtf8(key))
        .value_or(QStringLiteral("<absent>"));
}

const QByteArray kCommFile = "; link settings\r\n"
                             "[ Comm ]\r\n"
                             "  Port   =  1  \r\n"
                             "\tSettings\t=19200,n,8,1 ; comment\r\n"
                             ";Port=5\r\n"
                             "Quoted=\"  a b  \"\r\n"
                             "Single=' x '\r\n"
                             "Mixed=\"x'\r\n"
                             "Lone=\"\r\n"
                             "Port=2\r\n"
                             "no equals sign\r\n"
                             "[Broken\r\n"
                             "After=3\r\n"
                             "[Other] trailing text\r\n"
                             "Key=other\r\n";

TEST(ProfileFileRead, NamesMatchRegardlessOfCaseAndBlanks)
{
    const ProfileFile file = ProfileFile::parse(kCommFile);
    EXPECT_EQ(value(file, "comm", "PORT"), "1");
    EXPECT_EQ(value(file, "  COMM\t", " port "), "1");
    EXPECT_EQ(value(file, "Comm", "settings"), "19200,n,8,1 ; comment");
    EXPECT_EQ(value(file, "OTHER", "key"), "other");
}

TEST(ProfileFileRead, ValueRules)
{
    const ProfileFile file = ProfileFile::parse(kCommFile);
    const struct
    {
        const char* key;
        const char* expected;
    } cases[] = {
        {"Quoted", "  a b  "}, // matching double quotes are stripped, inner blanks kept
        {"Single", " x "},     // so are single quotes
        {"Mixed", "\"x'"},     // quotes that do not match stay
        {"Lone", "\""},        // one quote is no pair
        {";Port", "<absent>"}, // a comment is no key
        {"no equals sign", "<absent>"},
        {"After", "3"}, // "[Broken" is no header: the key still belongs to Comm
    };
    for (const auto& c : cases)
        EXPECT_EQ(value(file, "Comm", c.key), QString::fromUtf8(c.expected)) << c.key;
    EXPECT_EQ(value(file, "Broken", "After"), "<absent>");
}

TEST(ProfileFileRead, KeysInFileOrderEachOnce)
{
    const ProfileFile file = ProfileFile::parse(kCommFile);
    EXPECT_EQ(file.keys(QStringLiteral("comm")),
              QStringList({"Port", "Settings", "Quoted", "Single", "Mixed", "Lone", "After"}));
    EXPECT_TRUE(file.keys(QStringLiteral("Missing")).isEmpty());
}

TEST(ProfileFileRead, FirstOfRepeatedSectionsAndKeysWins)
{
    const ProfileFile file = ProfileFile::parse("top=0\n[A]\nk=1\nk=2\n[a]\nk=3\nj=4\n");
    EXPECT_EQ(value(file, "A", "k"), "1");
    EXPECT_EQ(value(file, "A", "j"), "<absent>");
    EXPECT_EQ(value(file, "", "top"), "<absent>"); // a key before any section belongs nowhere
}

TEST(ProfileFileEdit, ChangedValueKeepsKeyLayoutAndEnding)
{
    ProfileFile file = ProfileFile::parse("[Comm]\n  Port     = 1 ; com\n  Settings = x\n");
    EXPECT_EQ(file.setValue(QStringLiteral("COMM"), QStringLiteral("port"), QStringLiteral("2")),
              ProfileFile::Change::Done);
    EXPECT_EQ(file.bytes(), "[Comm]\n  Port     = 2\n  Settings = x\n");
    EXPECT_EQ(file.setValue(QStringLiteral("Comm"), QStringLiteral("Port"), QStringLiteral("2")),
              ProfileFile::Change::None);
}

TEST(ProfileFileEdit, NewKeyGoesAfterTheLastKeyOfItsSection)
{
    ProfileFile file =
        ProfileFile::parse("[A]\r\nx=1\r\n; note\r\n\r\n[B]\r\ny=2\r\n[Empty]\r\n; only a comment\r\n");
    file.setValue(QStringLiteral("a"), QStringLiteral("z"), QStringLiteral("3"));
    file.setValue(QStringLiteral("Empty"), QStringLiteral("e"), QStringLiteral("4"));
    EXPECT_EQ(file.bytes(),
              "[A]\r\nx=1\r\nz=3\r\n; note\r\n\r\n[B]\r\ny=2\r\n[Empty]\r\ne=4\r\n; only a comment\r\n");
}

TEST(ProfileFileEdit, NewSectionGoesToTheEndWithTheFilesLineEnding)
{
    const struct
    {
        QByteArray before;
        QByteArray after;
    } cases[] = {
        {"", "[New]\r\nk=v\r\n"},                   // a new file uses CRLF
        {"[A]\nx=1\n", "[A]\nx=1\n\n[New]\nk=v\n"}, // LF only stays LF
        {"[A]\r\nx=1\r\n", "[A]\r\nx=1\r\n\r\n[New]\r\nk=v\r\n"},
        {"[A]\nx=1\r\n", "[A]\nx=1\r\n\r\n[New]\r\nk=v\r\n"},         // mixed: CRLF
        {"[A]\r\nx=1", "[A]\r\nx=1\r\n\r\n[New]\r\nk=v\r\n"},         // last line gets its break
        {"[A]\r\nx=1\r\n\r\n", "[A]\r\nx=1\r\n\r\n[New]\r\nk=v\r\n"}, // no second blank line
    };
    for (const auto& c : cases) {
        ProfileFile file = ProfileFile::parse(c.before);
        EXPECT_EQ(file.setValue(QStringLiteral("New"), QStringLiteral("k"), QStringLiteral("v")),
                  ProfileFile::Change::Done);
        EXPECT_EQ(file.bytes(), c.after) << c.before.toStdString();
    }
}

TEST(ProfileFileEdit, UntouchedLinesKeepTheirBytes)
{
    // Windows-1252 comment (0xE4), trailing blanks, mixed endings, no final break.
    const QByteArray before = "; K\xE4se  \r\n[Main]\nA = 1   \r\nB=2\n\n[Tail]\r\nT=\"q\"\tx";
    ProfileFile file = ProfileFile::parse(before);
    ASSERT_EQ(file.encoding(), TextFile::Encoding::Windows1252);
    file.setValue(QStringLiteral("Main"), QStringLiteral("B"), QStringLiteral("3"));
    EXPECT_EQ(file.bytes(), "; K\xE4se  \r\n[Main]\nA = 1   \r\nB=3\n\n[Tail]\r\nT=\"q\"\tx");
    file.remove(QStringLiteral("main"), QStringLiteral("a"));
    EXPECT_EQ(file.bytes(), "; K\xE4se  \r\n[Main]\nB=3\n\n[Tail]\r\nT=\"q\"\tx");
}

TEST(ProfileFileEdit, ValuesAreEncodedLikeTheFile)
{
    ProfileFile utf8 = ProfileFile::parse("[M]\r\nName=Gr\xC3\xB6\xC3\x9F"
                                          "e\r\n");
    ASSERT_EQ(utf8.encoding(), TextFile::Encoding::Utf8);
    EXPECT_EQ(value(utf8, "M", "Name"), QStringLiteral("Größe"));
    utf8.setValue(QStringLiteral("M"), QStringLiteral("Übung"), QStringLiteral("Ärger"));
    EXPECT_EQ(utf8.bytes(), "[M]\r\nName=Gr\xC3\xB6\xC3\x9F"
                            "e\r\n\xC3\x9C"
                            "bung=\xC3\x84rger\r\n");

    ProfileFile cp = ProfileFile::parse("[M]\r\nName=Gr\xF6\xDF"
                                        "e\r\n");
    ASSERT_EQ(cp.encoding(), TextFile::Encoding::Windows1252);
    EXPECT_EQ(value(cp, "M", "Name"), QStringLiteral("Größe"));
    cp.setValue(QStringLiteral("M"), QStringLiteral("Übung"), QStringLiteral("Ärger €"));
    EXPECT_EQ(cp.bytes(), "[M]\r\nName=Gr\xF6\xDF"
                          "e\r\n\xDC"
                          "bung=\xC4rger \x80\r\n");
}

TEST(ProfileFileEdit, NamesThatCouldNotBeReadBackAreRefused)
{
    const char* badKeys[] = {"", "   ", "a=b", ";x", "[x", "a\nb"};
    const char* badSections[] = {"", " ", "a]b", "a\r\nb"};
    ProfileFile file = ProfileFile::parse("[A]\r\nx=1\r\n");
    for (const char* key : badKeys)
        EXPECT_EQ(file.setValue(QStringLiteral("A"), QString::fromUtf8(key), QStringLiteral("v")),
                  ProfileFile::Change::Refused)
            << key;
    for (const char* section : badSections)
        EXPECT_EQ(file.setValue(QString::fromUtf8(section), QStringLiteral("k"), QStringLiteral("v")),
                  ProfileFile::Change::Refused)
            << section;
    EXPECT_EQ(file.bytes(), "[A]\r\nx=1\r\n");
}

TEST(ProfileFileEdit, LineBreaksInAValueCannotAddLines)
{
    ProfileFile file = ProfileFile::parse("[A]\r\n");
    file.setValue(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("1\r\n[Evil]\r\nx=2"));
    EXPECT_EQ(file.bytes(), "[A]\r\nk=1  [Evil]  x=2\r\n");
    EXPECT_TRUE(file.keys(QStringLiteral("Evil")).isEmpty());
}

TEST(ProfileFileParse, AnyBytesRoundTripUnchanged)
{
    QByteArray random(64 * 1024, Qt::Uninitialized);
    QRandomGenerator generator(308);
    for (char& c : random)
        c = static_cast<char>(generator.bounded(256));
    const QByteArray inputs[] = {
        QByteArray(),
        QByteArray("\r"),
        QByteArray("\n\n\r\n"),
        QByteArray("\0[A]\0\r\nk\0=\0v\0", 15),
        random,
        "[A]\r\nlong=" + QByteArray(100000, 'x'),
        "\xEF\xBB\xBF[A]\r\nk=v\r\n",
    };
    for (const QByteArray& bytes : inputs)
        EXPECT_EQ(ProfileFile::parse(bytes).bytes(), bytes);
    EXPECT_EQ(value(ProfileFile::parse(inputs[6]), "A", "k"),
              "v"); // the byte order mark is no part of a name
}

TEST(TextFileEncoding, StrictUtf8Decides)
{
    const struct
    {
        QByteArray bytes;
        bool utf8;
    } cases[] = {
        {"plain ASCII", true},
        {"Gr\xC3\xB6\xC3\x9F"
         "e",
         true},
        {"\xF0\x9F\x8E\x9A", true}, // four-byte form
        {"Gr\xF6\xDF"
         "e",
         false},                     // Windows-1252 umlauts
        {"\xC0\x80", false},         // overlong NUL
        {"\xE0\x80\xAF", false},     // overlong "/"
        {"\xED\xA0\x80", false},     // surrogate
        {"\xF4\x90\x80\x80", false}, // above U+10FFFF
        {"\xC3", false},             // cut short
        {"\xE2\x82", false},
        {"\x80", false}, // stray continuation byte
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextFile::isValidUtf8(c.bytes), c.utf8) << c.bytes.toHex().toStdString();
}

} // namespace

TEST(ProfileFileEdit, AddedKeysFollowTheSectionsLastKeyInTheirOrder)
{
    ProfileFile file = ProfileFile::parse("[Main]\r\nA=1\r\n; note\r\n\r\n[Comm]\r\nPort=2");
    EXPECT_EQ(file.addKeys("main", {{"B", "2"}, {"A", "9"}, {"C", "3"}}), ProfileFile::Change::Done);
    EXPECT_EQ(file.addKeys("Extra", {{"X", "x"}, {"Y", "y"}}), ProfileFile::Change::Done);
    EXPECT_EQ(file.addKeys("Comm", {{"Port", "7"}}), ProfileFile::Change::None);
    EXPECT_EQ(file.addKeys("Comm", {{"=bad", "7"}}), ProfileFile::Change::Refused);
    EXPECT_EQ(
        file.bytes(),
        "[Main]\r\nA=1\r\nB=2\r\nC=3\r\n; note\r\n\r\n[Comm]\r\nPort=2\r\n\r\n[Extra]\r\nX=x\r\nY=y\r\n");
    EXPECT_EQ(file.sections(), (QStringList{"Main", "Comm", "Extra"}));
    EXPECT_EQ(value(file, "Extra", "Y"), "y");
}
