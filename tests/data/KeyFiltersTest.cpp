#include "KeyFilters.h"

#include <QString>

#include <gtest/gtest.h>

namespace {

const QString kNameSet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789") +
                         QString::fromUtf8(" !§$%&/()=?{[]}\\+*#,.-;:_<>|@~");

TEST(KeyFilters, NameKeysPassExactlyTheAllowedSet)
{
    ASSERT_EQ(kNameSet.size(), 92);
    // Every code of the first two Unicode blocks beyond the control codes.
    for (int code = 32; code < 0x3000; ++code) {
        const bool allowed = kNameSet.contains(QChar(char16_t(code)));
        EXPECT_EQ(FilterNameKey(code), allowed ? code : 0) << "code " << code;
    }
    for (const char* refused : {"ä", "Ö", "ü", "ß", "é", "'", "\"", "^", "`", "€", "´", "‘"})
        EXPECT_EQ(FilterNameKey(QString::fromUtf8(refused).at(0).unicode()), 0) << refused;
    EXPECT_EQ(FilterNameKey(0x1F600), 0); // beyond the basic plane
}

TEST(KeyFilters, ControlKeysAlwaysPass)
{
    for (int code : {0, 8, 9, 13, 27, 31, -5}) {
        EXPECT_EQ(FilterNameKey(code), code);
        EXPECT_EQ(FilterDigitKey(code), code);
    }
}

TEST(KeyFilters, DigitKeysPassOnlyDigits)
{
    for (int code = 32; code < 0x3000; ++code)
        EXPECT_EQ(FilterDigitKey(code), code >= '0' && code <= '9' ? code : 0) << "code " << code;
}

} // namespace
