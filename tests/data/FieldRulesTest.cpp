#include "FieldRules.h"
#include "AppSettings.h"
#include "DataSet.h"
#include "DataSetField.h"
#include "MessageTexts.h"
#include "OneOfN.h"
#include "SelectorListEntries.h"
#include "SelectorLists.h"
#include "SourceCodes.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

AppSettings bundled(const QString& language = QStringLiteral("GER"))
{
    AppSettings s;
    s.SettingsFile = QStringLiteral(ZEL_BIN_DIR "/ZEL308Tools.Ini");
    s.ProgramFolder = QStringLiteral(ZEL_BIN_DIR);
    s.Language = language;
    return s;
}

QString edit(DataSet& d, const char* field, const QString& value, const AppSettings& s,
             const SelectorLists& l)
{
    const DataSetField* f = FindDataSetField(QString::fromLatin1(field));
    return f ? EditDataSetField(d, *f, value, s, l) : QStringLiteral("no field");
}

// The lists a program without pages builds are those the pages show.
TEST(SelectorListEntries, FollowTheBundledSettings)
{
    const AppSettings s = bundled(QStringLiteral("ENG"));
    MessageTexts messages(s.SettingsFile, s.Language);
    const SelectorLists l = ReadSelectorLists(s, messages);
    ASSERT_EQ(l.cmbAbgriffOutput[0][0].size(), 8);
    EXPECT_EQ(l.cmbAbgriffOutput[0][3].at(7), (ListEntry{QStringLiteral("Talkback"), 10007}));
    EXPECT_TRUE(l.cmbAbgriffOutput[0][4].isEmpty()); // beyond CountOutput(1) = 4
    EXPECT_EQ(l.cmbKanal.at(9), (ListEntry{QStringLiteral("Studio"), 11009}));
    EXPECT_EQ(l.cmbAbgriffPeak[1].at(2), (ListEntry{QStringLiteral("PGM sum"), 12002}));
    EXPECT_EQ(l.cmbExtMon[3].size(), 6);
    EXPECT_EQ(l.cmbFrames, (EntryList{{QStringLiteral("25 frames"), 25}, {QStringLiteral("30 frames"), 30}}));
    EXPECT_EQ(l.cmbChannels,
              (EntryList{{QStringLiteral("2 channels"), 2}, {QStringLiteral("4 channels"), 1}}));
    ASSERT_EQ(l.cmbStartUpConf.size(), 9);
    EXPECT_EQ(l.cmbStartUpConf.at(0), (ListEntry{QStringLiteral("Temporary (no stored configuration)"), 0}));
    EXPECT_EQ(l.cmbStartUpConf.at(8).itemData, 8);
    EXPECT_EQ(l.lstData[0].size(), 10);
    EXPECT_EQ(l.lstData[0].at(0).itemData, 100);
}

TEST(NamedSources, OfferTheNamesInUseThatAreNotBlank)
{
    const EntryList sources = NamedSources(
        [](int part, int index) {
            return part == 1 && index == 1 ? QStringLiteral("   ")
                                           : QStringLiteral(" N%1.%2 ").arg(part).arg(index);
        },
        {3, 0, 1, 0, 2});
    EXPECT_EQ(sources, (EntryList{{QStringLiteral("N1.0"), 1000},
                                  {QStringLiteral("N1.2"), 1002},
                                  {QStringLiteral("N3.0"), 1200},
                                  {QStringLiteral("N5.0"), 1400},
                                  {QStringLiteral("N5.1"), 1401}}));
}

struct RowsCase
{
    int mode;
    int inputs;
    int outputs;
};

class GpioRowsOfMode : public ::testing::TestWithParam<RowsCase>
{
};

TEST_P(GpioRowsOfMode, AreThoseThePageShows)
{
    const GpioRows rows = GpioRowsInUse(GetParam().mode);
    EXPECT_EQ(rows.inputs, GetParam().inputs);
    EXPECT_EQ(rows.outputs, GetParam().outputs);
}

INSTANTIATE_TEST_SUITE_P(Modes, GpioRowsOfMode,
                         ::testing::Values(RowsCase{1, 4, 16}, RowsCase{2, 8, 12}, RowsCase{3, 8, 0},
                                           RowsCase{0, 8, 16}));

struct GroupCase
{
    std::vector<qint16> before;
    int clicked;
    std::vector<qint16> after;
};

class RadioGroup : public ::testing::TestWithParam<GroupCase>
{
};

// The state after a click toggled the clicked member.
TEST_P(RadioGroup, KeepsOneMark)
{
    std::vector<qint16> group = GetParam().before;
    ExclusiveCheck(group, GetParam().clicked, true);
    EXPECT_EQ(group, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Clicks, RadioGroup,
                         ::testing::Values(GroupCase{{1, 0, 1, 0}, 2, {0, 0, 1, 0}},
                                           GroupCase{{0, 0, 0}, 1, {0, 1, 0}},
                                           GroupCase{{2, 1, 0}, 1, {0, 1, 0}},
                                           GroupCase{{0, 1, 0}, 2, {0, 1, 0}}));

TEST(FieldRules, GpioOutputsAreNotUsedInModeThree)
{
    AppSettings s = bundled();
    s.GPIO_Options_Mode = 3;
    MessageTexts messages(s.SettingsFile, s.Language);
    const SelectorLists l = ReadSelectorLists(s, messages);
    DataSet d;
    EXPECT_EQ(edit(d, "GpioOutput(1)", "100", s, l),
              "not in use: GPIO_Options_Mode 3 has 8 inputs and 0 outputs");
    EXPECT_EQ(edit(d, "GpioInput(8)", "109", s, l), "");
    EXPECT_EQ(d.GpioInput[7], 109);
    EXPECT_EQ(edit(d, "FaderBoxOutput(9)", "0", s, l), "");
}

TEST(FieldRules, EmptyListTakesOnlyMinusOne)
{
    AppSettings s = bundled();
    SelectorLists l; // no lists at all
    DataSet d;
    EXPECT_EQ(edit(d, "MonChannel", "0", s, l), "list Monitor_Channel is empty, so the position is -1");
    EXPECT_EQ(edit(d, "MonChannel", "-1", s, l), "");
    EXPECT_EQ(d.MonChannel, -1);
}

struct TextCase
{
    const char* text;
    const char* statusProblem;
    const char* versionProblem;
};

class ShortTexts : public ::testing::TestWithParam<TextCase>
{
};

TEST_P(ShortTexts, StatusTextAndVersion)
{
    const QString text = QString::fromUtf8(GetParam().text);
    EXPECT_EQ(StatusTextProblem(text), QString::fromUtf8(GetParam().statusProblem));
    EXPECT_EQ(AcuVersionProblem(text), QString::fromUtf8(GetParam().versionProblem));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ShortTexts,
    ::testing::Values(
        TextCase{"1234", "", ""}, TextCase{"", "", "no version given"},
        TextCase{"12345", "", "one to 4 digits"},
        TextCase{"Studio \xC3\xA4 \xE2\x82\xAC", "", "one to 4 digits"},
        TextCase{"Tab\there", "the character U+0009 is not allowed in a status text", "one to 4 digits"},
        TextCase{"\xE2\x86\x92", "the character '\xE2\x86\x92' (U+2192) is not allowed in a status text",
                 "one to 4 digits"},
        TextCase{"0123456789012345678901234567890123456789012345678901234567890123456",
                 "at most 64 characters", "one to 4 digits"}));

} // namespace
