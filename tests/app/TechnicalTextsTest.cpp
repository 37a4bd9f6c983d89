// Texts the program makes itself speak the chosen language: from its message
// section, else the program's own German or English text.
#include "AppFixture.h"

#include "SerialLink.h"

namespace {

using TechnicalTextsTest = AppFixture;

TEST_F(TechnicalTextsTest, BadLineSettingsAreExplainedInTheChosenLanguage)
{
    const struct
    {
        const char* language;
        const char* settings;
        const char* messages;
        const char* expected;
    } cases[] = {
        {"GER", "19200,X,8,1", "", "Ung\u00FCltige Parit\u00E4t \"X\""},
        {"ENG", "19200,X,8,1", "", "Invalid parity \"X\""},
        {"GER", "19200,N,9,1", "", "Nicht unterst\u00FCtzte Anzahl Datenbits \"9\""},
        {"ENG", "19200,N,9,1", "", "Unsupported number of data bits \"9\""},
        {"ENG", "19200,N,4,1", "Comm_DataBits_Err=No & data bits here", "No 4 data bits here"},
    };
    for (const auto& c : cases) {
        set(QStringLiteral("Main"), QStringLiteral("Language"), QString::fromLatin1(c.language));
        set(QStringLiteral("Comm"), QStringLiteral("Settings"), QString::fromLatin1(c.settings));
        WriteSetting(ini, QStringLiteral("Messages_ENG"), QStringLiteral("Comm_DataBits_Err"),
                     QString::fromLatin1(c.messages).section(QLatin1Char('='), 1), true);
        ui.boxes.clear();
        EXPECT_EQ(start(), 32) << c.settings;
        EXPECT_EQ(app->link().lastError(), QString::fromUtf8(c.expected)) << c.language << " " << c.settings;
    }
}

} // namespace
