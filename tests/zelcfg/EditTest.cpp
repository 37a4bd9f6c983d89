#include "ZelcfgFixture.h"

namespace {

struct EditCase
{
    const char* name;
    QStringList assignments;
    QStringList changedLines; // what diff then prints: "- old" / "+ new"
};

void PrintTo(const EditCase& c, std::ostream* os)
{
    *os << c.name;
}

class EditAccepted : public ZelcfgFixture, public ::testing::WithParamInterface<EditCase>
{
};

// An accepted edit changes exactly the fields the pages would change.
TEST_P(EditAccepted, ChangesExactlyThoseFields)
{
    const QString original = writeDataFile(QStringLiteral("a.DAT"), validDataSet());
    const QString edited = writeDataFile(QStringLiteral("b.DAT"), validDataSet());
    const ZelcfgRun edit = run(QStringLiteral("edit"), QStringList{edited} + GetParam().assignments);
    ASSERT_EQ(edit.code, 0) << edit.err.toStdString();
    EXPECT_TRUE(edit.out.isEmpty());
    const ZelcfgRun diff = run(QStringLiteral("diff"), {original, edited});
    EXPECT_EQ(diff.code, GetParam().changedLines.isEmpty() ? 0 : 1) << diff.err.toStdString();
    EXPECT_EQ(diff.outLines(), GetParam().changedLines);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, EditAccepted,
    ::testing::Values(
        EditCase{"Name",
                 {"InputName(1,1)=MIC 1"},
                 {R"(- InputName(1,1) = "P1N1")", R"(+ InputName(1,1) = "MIC 1")"}},
        EditCase{"QuotedNameWithEscape",
                 {R"(InputName(2,1)="A\\B")"},
                 {R"(- InputName(2,1) = "P2N1")", R"(+ InputName(2,1) = "A\\B")"}},
        EditCase{"NameAnyCaseAndBlanks",
                 {"inputname( 5 , 8 )=~@|"},
                 {R"(- InputName(5,8) = "P5N8")", R"(+ InputName(5,8) = "~@|")"}},
        EditCase{"ListEntryByText",
                 {"OutputPickoff(2,1)=Monitor"},
                 {R"(- OutputPickoff(2,1) = 0 "Summe PGM")", R"(+ OutputPickoff(2,1) = 3 "Monitor")"}},
        EditCase{"ListPosition",
                 {"MonChannel=9"},
                 {R"(- MonChannel = 0 "Summe PGM")", R"(+ MonChannel = 9 "Studio")"}},
        EditCase{"GroupMemberMovesTheMark",
                 {"MonMode(3)=1"},
                 {"- MonMode(1) = 1", "+ MonMode(1) = 0", "- MonMode(3) = 0", "+ MonMode(3) = 1"}},
        EditCase{"UncheckedMemberStaysUnchecked",
                 {"ControlMode(2)=0", "ConfigFlag1(1)=1"},
                 {"- ConfigFlag1(1) = 0", "+ ConfigFlag1(1) = 1"}},
        EditCase{"SignalByName",
                 {"LayerAssign(B,2)=P1N3"},
                 {"- LayerAssign(B,2) = 1000", "+ LayerAssign(B,2) = 1002"}},
        EditCase{"SignalByCode",
                 {"LayerAssign(H,4)=1407"},
                 {"- LayerAssign(H,4) = 1000", "+ LayerAssign(H,4) = 1407"}},
        EditCase{"LayerBMayBeEmpty",
                 {"LayerAssign(B,1)=0"},
                 {"- LayerAssign(B,1) = 1000", "+ LayerAssign(B,1) = 0"}},
        EditCase{"VtrPair",
                 {"VTRSource1(1)=1001", "VTRSource2(1)=1002"},
                 {"- VTRSource1(1) = 0", "+ VTRSource1(1) = 1001", "- VTRSource2(1) = 0",
                  "+ VTRSource2(1) = 1002"}},
        EditCase{"ClearingTheFirstVtrSourceClearsTheSecond",
                 {"VTRSource1(4)=1001", "VTRSource2(4)=1002", "VTRSource1(4)=0"},
                 {}},
        EditCase{"GpioCode", {"GpioOutput(16)=105"}, {"- GpioOutput(16) = 0", "+ GpioOutput(16) = 105"}},
        EditCase{"ConfigName",
                 {"ConfigName(8)=LIVE"},
                 {R"(- ConfigName(8) = "CONF8")", R"(+ ConfigName(8) = "LIVE")"}},
        EditCase{"StartUpByLabel",
                 {"StartUpConf=Snapshot 4"},
                 {"- StartUpConf = 0 \"Tempor\xC3\xA4r (ohne gespeicherte Konfiguration)\"",
                  R"(+ StartUpConf = 4 "Snapshot 4")"}}),
    [](const ::testing::TestParamInfo<EditCase>& info) { return std::string(info.param.name); });

struct RefusedCase
{
    const char* name;
    const char* assignment;
    const char* rule; // after "b.DAT: "
};

void PrintTo(const RefusedCase& c, std::ostream* os)
{
    *os << c.name;
}

class EditRefused : public ZelcfgFixture, public ::testing::WithParamInterface<RefusedCase>
{
};

// A refused value names the field and the rule, and the file keeps every byte,
// also the changes asked for before the refused one.
TEST_P(EditRefused, NamesFieldAndRuleAndWritesNothing)
{
    const QString file = writeDataFile(QStringLiteral("b.DAT"), validDataSet());
    const QByteArray before = TestFolder::read(file);
    const ZelcfgRun r = run(QStringLiteral("edit"), {file, QStringLiteral("InputName(1,1)=FIRST"),
                                                     QString::fromUtf8(GetParam().assignment)});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.errorLines(), QStringList{QStringLiteral("zelcfg: ") + file + QStringLiteral(": ") +
                                          QString::fromUtf8(GetParam().rule)});
    EXPECT_EQ(TestFolder::read(file), before);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, EditRefused,
    ::testing::Values(
        RefusedCase{"UnknownField", "Volume(1)=3", R"x(no field "Volume(1)" ("zelcfg show" names them))x"},
        RefusedCase{"NoAssignment", "InputName(1,1)", R"x("InputName(1,1)" is no FIELD=VALUE)x"},
        RefusedCase{
            "Umlaut", "InputName(1,2)=M\xC3\x84X",
            "InputName(1,2)=M\xC3\x84X refused: the character '\xC3\x84' (U+00C4) is not allowed in a name"},
        RefusedCase{"Apostrophe", "ConfigName(1)=O'K",
                    "ConfigName(1)=O'K refused: the character ''' (U+0027) is not allowed in a name"},
        RefusedCase{"NameTooLong", "InputName(1,2)=ABCDEFGHI",
                    "InputName(1,2)=ABCDEFGHI refused: at most 8 characters (TextLenInput)"},
        RefusedCase{"NameBlank",
                    "InputName(1,2)=   ", "InputName(1,2)=    refused: a signal name must not be blank"},
        RefusedCase{"NameNotInUse", "InputName(2,5)=X",
                    "InputName(2,5)=X refused: not in use: names part 2 has 4 names (CountInput)"},
        RefusedCase{
            "ConfigNameTooLong", "ConfigName(3)=ABCDEFGHI",
            "ConfigName(3)=ABCDEFGHI refused: at most 8 characters (the length of a configuration name)"},
        RefusedCase{"LastCheckMark", "MonPickoff(1)=0",
                    "MonPickoff(1)=0 refused: one member of MonPickoff stays checked: set another member to "
                    "1 instead"},
        RefusedCase{"CheckStateTwo", "ControlMode(2)=2", "ControlMode(2)=2 refused: a check state is 0 or 1"},
        RefusedCase{"PositionBeyondList", "OutputPickoff(1,1)=8",
                    "OutputPickoff(1,1)=8 refused: list PickOff_Output_Dig has the positions 0 to 7"},
        RefusedCase{"NoSuchEntry", "ExtMon(1)=Saal",
                    "ExtMon(1)=Saal refused: list Monitor_Key has no entry \"Saal\""},
        RefusedCase{"OutputNotInUse", "OutputPickoff(1,5)=1",
                    "OutputPickoff(1,5)=1 refused: not in use: output part 1 has 4 outputs (CountOutput)"},
        RefusedCase{"LayerRowNotInUse", "LayerAssign(A,5)=1000",
                    "LayerAssign(A,5)=1000 refused: not in use: 8 faders give 4 rows (Layer_NumFaders)"},
        RefusedCase{"LayerAWithoutSignal", "LayerAssign(A,1)=0",
                    "LayerAssign(A,1)=0 refused: a cell of layer A always has a signal"},
        RefusedCase{"NotANamedSignal", "LayerAssign(C,1)=1012",
                    "LayerAssign(C,1)=1012 refused: code 1012 is no named signal"},
        RefusedCase{"NoSignalOfThatName", "LayerAssign(C,1)=Mikro",
                    "LayerAssign(C,1)=Mikro refused: no signal is named \"Mikro\""},
        RefusedCase{"GpioRowNotInUse", "GpioInput(5)=100",
                    "GpioInput(5)=100 refused: not in use: GPIO_Options_Mode 1 has 4 inputs and 16 outputs"},
        RefusedCase{"GpioCodeUndefined", "GpioInput(1)=110",
                    "GpioInput(1)=110 refused: code 110 is no GPIO input definition (0 or 100 to 109)"},
        RefusedCase{"SecondVtrWithoutFirst", "VTRSource2(2)=1000",
                    "VTRSource2(2)=1000 refused: VTRSource2(2) needs VTRSource1(2) first"},
        RefusedCase{"FlagTwo", "ConfigFlag2(1)=2", "ConfigFlag2(1)=2 refused: a flag is 0 or 1"},
        RefusedCase{"Version", "DataVersion=2.2",
                    "DataVersion=2.2 refused: DataVersion is written as 2.1 on every save"},
        RefusedCase{"OpenQuote", R"(InputName(1,2)="ABC)",
                    R"(InputName(1,2)="ABC refused: the quoted text is not closed, or has a broken escape)"}),
    [](const ::testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.name); });

class Edit : public ZelcfgFixture
{
};

// Signal 1406 may stand in one layer cell only; a source feeds one VTR box only.
TEST_F(Edit, ExclusiveSignalsAreRefusedInASecondPlace)
{
    const QString file = writeDataFile(QStringLiteral("b.DAT"), validDataSet());
    ASSERT_EQ(run(QStringLiteral("edit"), {file, "LayerAssign(B,1)=1406", "VTRSource1(1)=1001"}).code, 0);
    const ZelcfgRun layer = run(QStringLiteral("edit"), {file, "LayerAssign(C,3)=1406"});
    EXPECT_EQ(layer.code, 2);
    EXPECT_EQ(layer.errorLines(),
              QStringList{QStringLiteral("zelcfg: ") + file +
                          ": LayerAssign(C,3)=1406 refused: signal 1406 may be in one layer "
                          "cell only, and LayerAssign(B,1) has it"});
    const ZelcfgRun vtr = run(QStringLiteral("edit"), {file, "VTRSource1(9)=P1N2"});
    EXPECT_EQ(vtr.code, 2);
    EXPECT_EQ(vtr.errorLines(),
              QStringList{QStringLiteral("zelcfg: ") + file +
                          ": VTRSource1(9)=P1N2 refused: a signal feeds one VTR source only, and "
                          "VTRSource1(1) has it"});
}

// The show line of a name can be pasted back as the value.
TEST_F(Edit, ThenShowShowsTheChange)
{
    const QString file = writeDataFile(QStringLiteral("b.DAT"), validDataSet());
    const QString out = path(QStringLiteral("out.DAT"));
    const ZelcfgRun r =
        run(QStringLiteral("edit"), {QStringLiteral("--output"), out, file, R"(InputName(3,4)="a\\b")"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(run(QStringLiteral("show"), {out}).outLines().contains(R"(InputName(3,4) = "a\\b")"));
    EXPECT_TRUE(run(QStringLiteral("show"), {file}).outLines().contains(R"(InputName(3,4) = "P3N4")"));
}

// A path without a folder is kept in the program folder, as the snapshot page keeps it.
TEST_F(Edit, BarePathIsStoredInTheProgramFolder)
{
    const QString file = writeDataFile(QStringLiteral("b.DAT"), validDataSet());
    ASSERT_EQ(run(QStringLiteral("edit"), {file, "ConfigFile(2)=slot2.CNS"}).code, 0);
    EXPECT_TRUE(run(QStringLiteral("show"), {file})
                    .outLines()
                    .contains(QStringLiteral("ConfigFile(2) = \"%1/slot2.CNS\"").arg(folder.path())));
}

// The editor writes every saved data file with version 2.1.
TEST_F(Edit, SavesWithTheVersionTheEditorWrites)
{
    setSetting(QStringLiteral("Main"), QStringLiteral("IgnoreDatFileVersion"), QStringLiteral("yes"));
    DataSet old = validDataSet();
    old.DataVersion.set(QStringLiteral("2.0"));
    const QString file = writeDataFile(QStringLiteral("old.DAT"), old);
    ASSERT_EQ(run(QStringLiteral("edit"), {file, "ConfigFlag1(2)=1"}).code, 0);
    const QByteArray bytes = TestFolder::read(file);
    EXPECT_EQ(bytes.size(), 8449);
    EXPECT_EQ(bytes.left(10), QByteArray("2.1       "));
}

} // namespace
