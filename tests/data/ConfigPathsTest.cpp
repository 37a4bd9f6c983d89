#include "ConfigPaths.h"

#include "AppSettings.h"

#include <gtest/gtest.h>

namespace {

AppSettings inFolder(const QString& folder)
{
    AppSettings s;
    s.ProgramFolder = folder;
    return s;
}

struct PathCase
{
    const char* typed;
    const char* stored;
    const char* shownAgain;
};

TEST(ConfigPaths, StoresFullPathsAndShowsFilesOfTheProgramFolderBare)
{
    const AppSettings s = inFolder(QStringLiteral("/opt/Zel Tools"));
    const PathCase cases[] = {
        {"Studio 1.CNS", "/opt/Zel Tools/Studio 1.CNS", "Studio 1.CNS"},
        {"Studio 1.CNS   ", "/opt/Zel Tools/Studio 1.CNS", "Studio 1.CNS"},
        {"sub/Morning.CNS", "/opt/Zel Tools/sub/Morning.CNS", "sub/Morning.CNS"},
        {"/srv/configs/All.CNG", "/srv/configs/All.CNG", "/srv/configs/All.CNG"},
        {"C:\\Configs\\All.CNG", "C:\\Configs\\All.CNG", "C:\\Configs\\All.CNG"},
        {"/OPT/zel tools/Upper.CNS", "/OPT/zel tools/Upper.CNS", "Upper.CNS"},
        // A folder whose name only begins like the program folder is another folder.
        {"/opt/Zel Tools2/Other.CNS", "/opt/Zel Tools2/Other.CNS", "/opt/Zel Tools2/Other.CNS"},
        {"", "", ""},
        {"    ", "", ""},
    };
    for (const PathCase& c : cases) {
        SCOPED_TRACE(c.typed);
        const QString stored = StoredConfigPath(s, QString::fromUtf8(c.typed));
        EXPECT_EQ(stored, QString::fromUtf8(c.stored));
        EXPECT_EQ(ShownConfigPath(s, stored), QString::fromUtf8(c.shownAgain));
    }
}

TEST(ConfigPaths, KeepsTheFieldLengthAndEndsAtANulByte)
{
    const AppSettings s = inFolder(QStringLiteral("/opt/zel"));
    const QString stored = StoredConfigPath(s, QString(300, QLatin1Char('x')));
    EXPECT_EQ(stored.size(), 255);
    EXPECT_TRUE(stored.startsWith(QStringLiteral("/opt/zel/xxx")));

    EXPECT_EQ(ShownConfigPath(s, QString(255, QChar(0))), QString());
    EXPECT_EQ(ShownConfigPath(s, QStringLiteral("/opt/zel/A.CNS") + QString(3, QChar(0))),
              QStringLiteral("A.CNS"));
    EXPECT_EQ(ShownConfigPath(s, QStringLiteral("/opt/zel/A.CNS") + QString(20, QLatin1Char(' '))),
              QStringLiteral("A.CNS"));
}

TEST(ConfigPaths, WithoutAProgramFolderAbsolutePathsAreShownWhole)
{
    EXPECT_EQ(ShownConfigPath(AppSettings{}, QStringLiteral("/srv/A.CNS")), QStringLiteral("/srv/A.CNS"));
}

} // namespace

// An installed program keeps the user's files in the configuration folder, so
// bare names live there and files beside the program are shown whole.
TEST(ConfigPaths, BareNamesLiveInTheUsersFolderOfAnInstalledProgram)
{
    AppSettings s = inFolder(QStringLiteral("/usr/lib/zel308tools"));
    s.FilesFolder = QStringLiteral("/home/op/.config/ZEL308Tools");
    const PathCase cases[] = {
        {"Studio 1.CNS", "/home/op/.config/ZEL308Tools/Studio 1.CNS", "Studio 1.CNS"},
        {"/usr/lib/zel308tools/Shipped.CNS", "/usr/lib/zel308tools/Shipped.CNS",
         "/usr/lib/zel308tools/Shipped.CNS"},
    };
    for (const PathCase& c : cases) {
        SCOPED_TRACE(c.typed);
        const QString stored = StoredConfigPath(s, QString::fromUtf8(c.typed));
        EXPECT_EQ(stored, QString::fromUtf8(c.stored));
        EXPECT_EQ(ShownConfigPath(s, stored), QString::fromUtf8(c.shownAgain));
    }
}
