// Settings files as Windows editors save them: "Unicode" (UTF-16 with its mark),
// old editors' lone CR line breaks, files that mix breaks.
#include "SettingsFile.h"
#include "TestFolder.h"
#include "Utf16Bytes.h"

#include <gtest/gtest.h>

namespace {

QString s(const char* text)
{
    return QString::fromUtf8(text);
}

TEST(WindowsSavedFiles, Utf16FilesReadAndWriteBackAsUtf16)
{
    // Latin-1 text: "\xE4" is ä, "\xFC" is ü.
    const QByteArray text = "; Gr\xFC\xDF"
                            "e\r\n[Main]\r\nLanguage=ENG\r\nName = K\xE4se \r\n[Comm]\r\nPort=1\r\n";
    for (const bool little : {true, false}) {
        TestFolder folder;
        const QString ini = folder.write("u.ini", Utf16Bytes(text, little));
        EXPECT_EQ(ReadSetting(ini, s("main"), s("LANGUAGE"), s("GER")), s("ENG")) << little;
        EXPECT_EQ(ReadSetting(ini, s("Main"), s("Name"), {}), s("Käse")) << little;

        EXPECT_TRUE(WriteSetting(ini, s("Comm"), s("Port"), s("3"), false));
        EXPECT_TRUE(WriteSetting(ini, s("Main"), s("Neu"), s("\u00FC"), false));
        EXPECT_TRUE(WriteSetting(ini, s("Screen"), s("Coord_X"), s("100"), false));
        const QByteArray after = "; Gr\xFC\xDF"
                                 "e\r\n[Main]\r\nLanguage=ENG\r\nName = K\xE4se \r\nNeu=\xFC\r\n"
                                 "[Comm]\r\nPort=3\r\n\r\n[Screen]\r\nCoord_X=100\r\n";
        EXPECT_EQ(TestFolder::read(ini), Utf16Bytes(after, little)) << little;
        EXPECT_EQ(ReadSetting(ini, s("Screen"), s("Coord_X"), {}), s("100")) << little;
    }
}

// A damaged "Unicode" file (a lone surrogate, an odd last byte) is still read,
// and what a write or the tidy-up does not touch keeps its bytes.
TEST(WindowsSavedFiles, DamagedUtf16FilesKeepTheirOtherBytes)
{
    const QChar high(0xD800);
    const QChar low(0xDC00);
    const struct
    {
        const char* name;
        QString before;
        QString written; // after writing Comm/Port = 3
        QString tidied;
        QByteArray oddByte;
    } cases[] = {
        {"lone high surrogate in a comment", s("; a") + high + s("b\r\n[Comm]\r\nPort=1\r\n"),
         s("; a") + high + s("b\r\n[Comm]\r\nPort=3\r\n"), s("; a") + high + s("b\r\n[Comm]\r\n  Port = 1\r\n"),
         {}},
        {"lone low surrogate in a value", s("[Comm]\r\nName=x") + low + s("\r\nPort=1\r\n"),
         s("[Comm]\r\nName=x") + low + s("\r\nPort=3\r\n"),
         s("[Comm]\r\n  Name = x") + low + s("\r\n  Port = 1\r\n"), {}},
        {"odd last byte", s("[Comm]\r\nPort=1\r\n"), s("[Comm]\r\nPort=3\r\n"), s("[Comm]\r\n  Port = 1\r\n"),
         "A"},
        {"a second mark opening the text", QChar(0xFEFF) + s("\r\n[Comm]\r\nPort=1\r\n"),
         QChar(0xFEFF) + s("\r\n[Comm]\r\nPort=3\r\n"), QChar(0xFEFF) + s("\r\n[Comm]\r\n  Port = 1\r\n"), {}},
    };
    for (const auto& c : cases) {
        for (const bool little : {true, false}) {
            const std::string name = std::string(c.name) + (little ? " LE" : " BE");
            TestFolder folder;
            const QByteArray before = Utf16Units(c.before, little) + c.oddByte;
            const QString ini = folder.write("u.ini", before);
            EXPECT_EQ(ReadSetting(ini, s("Comm"), s("Port"), {}), s("1")) << name;
            EXPECT_TRUE(WriteSetting(ini, s("Comm"), s("Port"), s("3"), false)) << name;
            EXPECT_EQ(TestFolder::read(ini), Utf16Units(c.written, little) + c.oddByte) << name;

            folder.write("u.ini", before);
            EXPECT_EQ(TidySettingsFile(ini), 0) << name;
            EXPECT_EQ(TestFolder::read(ini), Utf16Units(c.tidied, little) + c.oddByte) << name;
        }
    }
}

TEST(WindowsSavedFiles, LoneCarriageReturnsEndLines)
{
    const struct
    {
        const char* name;
        QByteArray before;
        QByteArray after; // after writing B/n = 2
    } cases[] = {
        {"CR only", "[A]\rk=v\r[B]\rj=1\r", "[A]\rk=v\r[B]\rj=1\rn=2\r"},
        {"mixed", "[A]\r\nk=v\r[B]\nj=1\r\n", "[A]\r\nk=v\r[B]\nj=1\r\nn=2\r\n"},
        {"CR wins the count", "[A]\rk=v\r[B]\r\nj=1", "[A]\rk=v\r[B]\r\nj=1\rn=2\r"},
    };
    for (const auto& c : cases) {
        TestFolder folder;
        const QString ini = folder.write("a.ini", c.before);
        EXPECT_EQ(ReadSetting(ini, s("A"), s("k"), {}), s("v")) << c.name;
        EXPECT_EQ(ReadSetting(ini, s("B"), s("j"), {}), s("1")) << c.name;
        EXPECT_TRUE(WriteSetting(ini, s("B"), s("n"), s("2"), false)) << c.name;
        EXPECT_EQ(TestFolder::read(ini), c.after) << c.name;
    }
}

TEST(WindowsSavedFiles, QuotedDefaultsLoseTheirQuotes)
{
    TestFolder folder;
    const QString ini = folder.write("a.ini", "[Comm]\r\n");
    const struct
    {
        const char* defaultText;
        const char* expected;
    } cases[] = {
        {"\"COM1\"", "COM1"},
        {"  \"19200,n,8,1\"  ", "19200,n,8,1"},
        {"' padded '", "padded"},
        {"\"a ; b\"", "a"}, // quotes go first, the comment cut follows, as for a value
        {"\"open", "\"open"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadSetting(ini, s("Comm"), s("Absent"), s(c.defaultText)), s(c.expected)) << c.defaultText;
}

} // namespace
