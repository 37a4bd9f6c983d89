#include "ProtocolPlacement.h"

#include <gtest/gtest.h>

namespace {

TEST(ProtocolWindowPlacement, CentredOverTheMainWindowAndKeptOnScreen)
{
    const QSize screen(20000, 12000);
    struct Case
    {
        const char* name;
        TwipRect main;
        TwipRect protocol;
        int left;
        int top;
    };
    const Case cases[] = {
        {"centred", {1000, 1000, 10000, 8000}, {0, 0, 8505, 4935}, 1000 + (10000 - 8505) / 2,
         1000 + (8000 - 4935) / 2},
        {"never above or left of the first twip", {-5000, -5000, 2000, 2000}, {0, 0, 8505, 4935}, 1, 1},
        {"pulled back at the bottom right", {15000, 10000, 5000, 2000}, {0, 0, 8505, 4935}, 20000 - 8505,
         12000 - 4935},
        // A window taller than the screen starts above it.
        {"taller than the screen", {0, 0, 10000, 8000}, {0, 0, 8505, 15000}, 747, 12000 - 15000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TwipRect placed = ProtocolWindowPlacement(c.main, c.protocol, screen);
        EXPECT_EQ(placed.left, c.left);
        EXPECT_EQ(placed.top, c.top);
        EXPECT_EQ(placed.width, c.protocol.width);
        EXPECT_EQ(placed.height, c.protocol.height);
    }
}

} // namespace
