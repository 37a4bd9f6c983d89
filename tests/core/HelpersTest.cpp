#include "Helpers.h"

#include "TestFolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

TEST(FormatMessage, FillsPlaceholdersInOrder)
{
    EXPECT_EQ(FormatMessage("Datei & Fehler &", "a.dat", "voll"), "Datei a.dat Fehler voll");
    EXPECT_EQ(FormatMessage("&-&", "x", "y"), "x-y");
}

TEST(FormatMessage, MissingArgumentRemovesPlaceholder)
{
    EXPECT_EQ(FormatMessage("Port & (&)", "belegt"), "Port belegt ()");
    EXPECT_EQ(FormatMessage("ohne Platzhalter", "x", "y"), "ohne Platzhalter");
}

TEST(FormatMessage, PlaceholderInsideArgumentTakesNextArgument)
{
    EXPECT_EQ(FormatMessage("A & B &", "1&2", "3", "4"), "A 132 B 4");
}

TEST(FormatMessage, AtMostFiveArgumentsAreInserted)
{
    EXPECT_EQ(FormatMessage("&&&&&&", "1", "2", "3", "4", "5"), "12345&");
}

TEST(IsYes, AcceptsJaAndYesInAnyCase)
{
    for (const char* yes : {"JA", "ja", "Ja", "YES", "yes", "yEs"})
        EXPECT_TRUE(IsYes(yes)) << yes;
    for (const char* no : {"", "1", "true", "no", "nein", " yes"})
        EXPECT_FALSE(IsYes(no)) << no;
}

TEST(FileExists, OnlyForFiles)
{
    TestFolder folder;
    EXPECT_TRUE(FileExists(folder.write("a.dat", "x")));
    EXPECT_FALSE(FileExists(folder.file("b.dat")));
    EXPECT_FALSE(FileExists(folder.path()));
    EXPECT_FALSE(FileExists(QString()));
}

TEST(HexHelpers, ByteDigits)
{
    EXPECT_EQ(HexByte(10), "0A");
    EXPECT_EQ(HexByte(255), "FF");
    EXPECT_EQ(HexByte(0), "00");
}

TEST(HexHelpers, ByteFromHex)
{
    struct Case
    {
        const char* text;
        int value;
    };
    for (const Case& c : {Case{"7F", 127}, Case{"7", 7}, Case{"7F3", 127}, Case{"FF", 255}, Case{"00", 0},
                          Case{"", 0}, Case{"G1", 0}, Case{"1G", 0}, Case{"7f", 127}, Case{"a0", 160}})
        EXPECT_EQ(ByteFromHex(c.text), c.value) << c.text;
}

TEST(HexHelpers, LowAndHighByteOfTwosComplement)
{
    EXPECT_EQ(LowByte(-1), 255);
    EXPECT_EQ(HighByte(-1), 255);
    EXPECT_EQ(HighByte(256), 1);
    EXPECT_EQ(LowByte(256), 0);
    EXPECT_EQ(LowByte(-32768), 0);
    EXPECT_EQ(HighByte(-32768), 0x80);
    EXPECT_EQ(LowByte(0x1234), 0x34);
    EXPECT_EQ(HighByte(0x1234), 0x12);
}

TEST(HexHelpers, TextAndHex)
{
    EXPECT_EQ(TextToHex("AB"), "4142");
    EXPECT_EQ(HexToText("4142"), "AB");
    EXPECT_EQ(TextToHex(""), "");
    EXPECT_EQ(TextToHex("   "), "");
    EXPECT_EQ(TextToHex(" A"), "2041");
    EXPECT_EQ(HexToText("  "), "");
    // Windows-1252 codes, also above 0x7F.
    EXPECT_EQ(TextToHex(QStringLiteral("ä€")), "E480");
    EXPECT_EQ(HexToText("E480"), QStringLiteral("ä€"));
    // A single trailing digit reads as "0" + digit.
    EXPECT_EQ(HexToText("414"), QString("A") + QChar(4));
}

TEST(Bits, SetAndTest)
{
    EXPECT_EQ(SetBit(0, 0), 1);
    EXPECT_EQ(SetBit(1, 7), 0x81);
    EXPECT_EQ(SetBit(5, 8), 5);
    EXPECT_TRUE(TestBit(0x80, 7));
    EXPECT_FALSE(TestBit(0x7F, 7));
    EXPECT_TRUE(TestBit(0, 8));
    EXPECT_TRUE(TestBit(0, -1));
}

TEST(SplitList, TrimmedPieces)
{
    EXPECT_EQ(SplitList(""), QStringList{""});
    EXPECT_EQ(SplitList("  one  "), QStringList{"one"});
    EXPECT_EQ(SplitList("a | b"), (QStringList{"a", "b"}));
    EXPECT_EQ(SplitList("a||b|"), (QStringList{"a", "", "b", ""}));
}

TEST(Numbers, LeadingNumber)
{
    struct Case
    {
        const char* text;
        int value;
    };
    for (const Case& c : {Case{"", 0}, Case{"2.7", 2}, Case{" 12abc", 12}, Case{"-3", -3}, Case{"abc", 0},
                          Case{"500", 500}, Case{"-2.5", -3}, Case{"+4", 4}})
        EXPECT_EQ(LeadingNumber(c.text), c.value) << c.text;
}

TEST(Numbers, IsNumeric)
{
    for (const char* yes : {"16", " 16 ", "-2", "2.5"})
        EXPECT_TRUE(IsNumeric(yes)) << yes;
    for (const char* no : {"", "abc", "12abc", "1 2"})
        EXPECT_FALSE(IsNumeric(no)) << no;
}

TEST(Waits, WaitRunsTimersOfTheEventLoop)
{
    bool fired = false;
    QTimer::singleShot(10, [&] { fired = true; });
    QElapsedTimer elapsed;
    elapsed.start();
    WaitMilliseconds(40);
    EXPECT_TRUE(fired);
    EXPECT_GE(elapsed.elapsed(), 35);
}

TEST(Waits, PumpEventsDeliversQueuedCalls)
{
    int calls = 0;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&] { ++calls; }, Qt::QueuedConnection);
    PumpEvents();
    EXPECT_EQ(calls, 1);
}
