#include "DeviceModel.h"
#include "AppSettings.h"

#include <gtest/gtest.h>

namespace {

TEST(DeviceModel, CommandLineFirstThenExecutableName)
{
    const struct
    {
        const char* commandLine;
        const char* executable;
        const char* model;
    } cases[] = {
        {"zel312s", "ZEL308Tools", "ZEL312s"},
        {"ZeL312S", "MOR304mTools", "ZEL312s"},
        {"/config ZEL312S.ini", "ZEL308Tools", "ZEL312s"},
        {"MOR308M", "", "MOR308m"},
        {"mor304m", "ZEL308Tools", "MOR304m"},
        {"", "mor304mTools", "MOR304m"},
        {"", "ZEL312sTools", "ZEL312s"},
        {"   ", "MOR308mTools", "MOR308m"},
        {"", "ZEL308Tools", "ZEL308"},
        // Nothing matches: the first model, not the last one tried.
        {"", "Editor", "ZEL308"},
        {"unbekannt", "MOR308mTools", "ZEL308"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DetectDeviceModel(QLatin1String(c.commandLine), QLatin1String(c.executable)),
                  QLatin1String(c.model))
            << "'" << c.commandLine << "' / '" << c.executable << "'";
}

TEST(DeviceModel, BuildTextsTakeTheModel)
{
    AppSettings s;
    s.CommandLine = QStringLiteral("mor304m");
    s.ProgramFileName = QStringLiteral("ZEL308Tools");
    ApplyDeviceModel(s);
    EXPECT_EQ(s.DeviceModel, QStringLiteral("MOR304m"));
    EXPECT_EQ(s.FileDescription, QStringLiteral("MOR304m Tools"));
    EXPECT_EQ(s.ProductName, QStringLiteral("MOR304m Editor"));
    EXPECT_EQ(s.AppTitle, QStringLiteral("MOR304mTools"));

    EXPECT_EQ(WithDeviceModel(QStringLiteral("Q&J und Q&J"), QStringLiteral("ZEL308")),
              QStringLiteral("ZEL308 und Q&J"));
    EXPECT_EQ(WithDeviceModel(QStringLiteral("Ohne"), QStringLiteral("ZEL308")), QStringLiteral("Ohne"));
}

} // namespace
