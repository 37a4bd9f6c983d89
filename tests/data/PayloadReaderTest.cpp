#include "PayloadReader.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

TEST(PayloadReader, ReadsPairsOfEitherCaseAndFailsWhereThePayloadEnds)
{
    const QByteArray digits("0A7Fff1");
    PayloadReader r(digits);
    EXPECT_EQ(r.byte(), 0x0A);
    EXPECT_EQ(r.byte(), 0x7F);
    EXPECT_EQ(r.byte(), 0xFF);
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.byte(), 0); // a single remaining digit is half a byte
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.error(), QStringLiteral("Payload too short: 7 digits, the byte at digit 7 is missing"));

    PayloadReader past(digits, 4);
    EXPECT_EQ(past.bytes(3), QByteArray());
    EXPECT_FALSE(past.ok());
}

TEST(PayloadReader, WordsAreHighByteFirstUpTo32767)
{
    const QByteArray digits("04D27FFF000058EF");
    PayloadReader r(digits);
    EXPECT_EQ(r.word(), 1234);
    EXPECT_EQ(r.word(), 32767);
    EXPECT_EQ(r.code(13000), 13000);
    EXPECT_EQ(r.code(10000), 32767);
    EXPECT_TRUE(r.ok());
}

TEST(PayloadReader, FailuresStickAndLaterReadsGiveZero)
{
    struct Case
    {
        const char* digits;
        std::function<void(PayloadReader&)> read;
    };
    const Case cases[] = {
        {"8000", [](PayloadReader& r) { r.word(); }},
        {"FF01", [](PayloadReader& r) { r.word(); }},
        {"58F0", [](PayloadReader& r) { r.code(10000); }}, // 22768 + 10000
    };
    for (const Case& c : cases) {
        const QByteArray digits = QByteArray(c.digits) + "0102";
        PayloadReader r(digits);
        c.read(r);
        EXPECT_FALSE(r.ok()) << c.digits;
        EXPECT_TRUE(r.error().contains(QStringLiteral("Overflow"))) << c.digits;
        EXPECT_EQ(r.byte(), 0) << c.digits;
    }
}

TEST(PayloadReader, NoPairStartsBeyondDigit32767)
{
    const QByteArray digits(40000, '1');
    PayloadReader r(digits);
    r.skip(16383); // the next pair starts at digit 32767
    EXPECT_EQ(r.byte(), 0x11);
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.byte(), 0);
    EXPECT_FALSE(r.ok());

    PayloadReader late(digits, 16384);
    late.word();
    EXPECT_FALSE(late.ok());
}

} // namespace
