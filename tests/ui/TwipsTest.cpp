#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

namespace {

TEST(Twips, OneInchIsTheScreensLogicalDpi)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(Twips::toPixelsX(1440), qRound(screen->logicalDotsPerInchX()));
    EXPECT_EQ(Twips::toPixelsY(1440), qRound(screen->logicalDotsPerInchY()));
}

TEST(Twips, WholePixelValuesSurviveTheRoundTrip)
{
    for (int twips : {0, 15, 720, 960, 1800, 3015, 11130, 14250}) {
        EXPECT_EQ(Twips::fromPixelsX(Twips::toPixelsX(twips)), twips) << twips;
        EXPECT_EQ(Twips::fromPixelsY(Twips::toPixelsY(twips)), twips) << twips;
    }
    EXPECT_EQ(Twips::fromPixels(Twips::toPixels(120, 240, 6045, 255)), QRect(120, 240, 6045, 255));
}

} // namespace
