#include "PlatformStyle.h"

#include <QStyle>
#include <QStyleFactory>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Only the plain Windows style draws the pages' unthemed drop-down buttons.
TEST(PlatformStyle, EveryStyleButThePlainWindowsOneIsThemed)
{
    const std::unique_ptr<QStyle> plain(QStyleFactory::create("Windows"));
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    ASSERT_NE(plain, nullptr);
    ASSERT_NE(fusion, nullptr);
    EXPECT_FALSE(IsThemedStyle(plain.get()));
    EXPECT_TRUE(IsThemedStyle(fusion.get()));
    EXPECT_FALSE(IsThemedStyle(nullptr)); // no style to ask
}

} // namespace
