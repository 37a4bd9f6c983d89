#include "SettingsFile.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

namespace {

const TwipRect kWindow{300, 200, 9000, 6000};
const QSize kScreen(19200, 14400);

QString s(const char* text)
{
    return QString::fromUtf8(text);
}

TEST(RestoreWindowPlacement, FromStoredValues)
{
    const struct
    {
        const char* name;
        QByteArray screen;
        bool restoreWidth;
        bool restoreHeight;
        TwipRect expected;
    } cases[] = {
        {"nothing stored centres", "", true, true, {5100, 4200, 9000, 6000}},
        {"all zero centres",
         "Coord_X=0\r\nCoord_Y=0\r\nCoord_W=0\r\nCoord_H=0\r\n",
         true,
         true,
         {5100, 4200, 9000, 6000}},
        {"only X", "Coord_X=100\r\n", true, true, {100, 0, 9000, 6000}},
        {"all four",
         "Coord_X=10\r\nCoord_Y=20\r\nCoord_W=3000\r\nCoord_H=4000\r\n",
         true,
         true,
         {10, 20, 3000, 4000}},
        {"size not asked for",
         "Coord_X=10\r\nCoord_Y=20\r\nCoord_W=3000\r\nCoord_H=4000\r\n",
         false,
         false,
         {10, 20, 9000, 6000}},
        {"only width asked for",
         "Coord_X=10\r\nCoord_W=3000\r\nCoord_H=4000\r\n",
         true,
         false,
         {10, 0, 3000, 6000}},
        {"negative size ignored",
         "Coord_X=10\r\nCoord_W=-5\r\nCoord_H=0\r\n",
         true,
         true,
         {10, 0, 9000, 6000}},
        {"sum of zero is not all zero",
         "Coord_X=100\r\nCoord_Y=-100\r\n",
         true,
         true,
         {100, -100, 9000, 6000}},
        {"leading number rounded down",
         "Coord_X=12.9twips\r\nCoord_Y=-7.5\r\nCoord_W=abc\r\nCoord_H= 4000 ; c\r\n",
         true,
         true,
         {12, -8, 9000, 4000}},
        {"clamped to 16 bits",
         "Coord_X=99999\r\nCoord_Y=-99999999999999999999\r\nCoord_W=40000\r\n",
         true,
         true,
         {32767, -32768, 32767, 6000}},
    };
    for (const auto& c : cases) {
        TestFolder folder;
        const QString ini = folder.write("a.ini", "[Screen]\r\n" + c.screen);
        EXPECT_EQ(RestoreWindowPlacement(ini, s("Screen"), s("Coord_"), kWindow, kScreen, c.restoreWidth,
                                         c.restoreHeight),
                  c.expected)
            << c.name;
    }
}

TEST(RestoreWindowPlacement, CentresWithoutFileAndOnSmallScreens)
{
    TestFolder folder;
    EXPECT_EQ(RestoreWindowPlacement(folder.file("missing.ini"), s("Screen"), s("Coord_"), kWindow, kScreen),
              (TwipRect{5100, 4200, 9000, 6000}));
    EXPECT_EQ(RestoreWindowPlacement(folder.file("missing.ini"), s("Screen"), s("Coord_"), kWindow,
                                     QSize(8001, 70000)),
              (TwipRect{-500, 32000, 9000, 6000}));
}

TEST(SaveWindowPlacement, StoresOnlyTheNormalState)
{
    TestFolder folder;
    const QString ini = folder.write("a.ini", "[Screen]\r\nCoord_X=1\r\n");
    SaveWindowPlacement(ini, s("Screen"), s("Coord_"), kWindow, false);
    EXPECT_EQ(TestFolder::read(ini), "[Screen]\r\nCoord_X=1\r\n");

    SaveWindowPlacement(ini, s("Screen"), s("Coord_"), kWindow, true, true, false);
    EXPECT_EQ(TestFolder::read(ini), "[Screen]\r\nCoord_X=300\r\nCoord_Y=200\r\nCoord_W=9000\r\n");

    const TwipRect moved{-1200, 40, 8000, 5000};
    SaveWindowPlacement(ini, s("Screen"), s("Coord_"), moved, true);
    EXPECT_EQ(RestoreWindowPlacement(ini, s("Screen"), s("Coord_"), kWindow, kScreen), moved);
}

} // namespace
