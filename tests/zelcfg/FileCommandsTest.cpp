#include "ZelcfgFixture.h"

namespace {

class Diff : public ZelcfgFixture
{
};

TEST_F(Diff, EqualFilesPrintNothingAndExitZero)
{
    const QString a = writeDataFile(QStringLiteral("a.DAT"), validDataSet());
    const QString b = writeDataFile(QStringLiteral("b.DAT"), validDataSet());
    const ZelcfgRun r = run(QStringLiteral("diff"), {a, b});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.isEmpty());
}

// Padding is no difference: a name field of NUL bytes shows as the blank one does.
TEST_F(Diff, PaddingIsNoDifference)
{
    DataSet blanks = validDataSet();
    blanks.InputName[4][63].set(QString());
    DataSet nuls = validDataSet();
    nuls.InputName[4][63] = FixedText<16>();
    const ZelcfgRun r = run(QStringLiteral("diff"), {writeDataFile(QStringLiteral("a.DAT"), blanks),
                                                     writeDataFile(QStringLiteral("b.DAT"), nuls)});
    EXPECT_EQ(r.code, 0);
}

TEST_F(Diff, ConfigurationRecordsAreComparedToo)
{
    const QString a = folder.write(QStringLiteral("a.CNS"), "ONE" + QByteArray(1021, ' '));
    const QString b = folder.write(QStringLiteral("b.CNS"), "TWO" + QByteArray(1021, ' '));
    const ZelcfgRun r = run(QStringLiteral("diff"), {a, b});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.outLines(), (QStringList{R"(- ConfigSingle = "ONE")", R"(+ ConfigSingle = "TWO")"}));
}

TEST_F(Diff, FilesOfTwoKindsAreBadInput)
{
    const QString a = writeDataFile(QStringLiteral("a.DAT"), validDataSet());
    const QString b = folder.write(QStringLiteral("b.CNS"), QByteArray(1024, ' '));
    const ZelcfgRun r = run(QStringLiteral("diff"), {a, b});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.errorLines(), QStringList{"zelcfg: " + a + " is a DAT file and " + b + " a CNS file"});
}

class Payload : public ZelcfgFixture
{
};

// With 8 characters per name and 8 faders the payload has 338 + 64 * 8 + 8 * 8 bytes.
TEST_F(Payload, IsTheDataFrameTheEditorSends)
{
    DataSet d = validDataSet();
    d.InputName[0][0].set(QStringLiteral("MIC 1"));
    d.OutputPickoff[0][0] = 3;
    const ZelcfgRun r = run(QStringLiteral("payload"), {writeDataFile(QStringLiteral("a.DAT"), d)});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    ASSERT_EQ(r.outLines().size(), 1);
    const QString payload = r.outLines().first();
    EXPECT_EQ(payload.size(), 2 * 914);
    EXPECT_TRUE(payload.startsWith("200201"
                                   "4D49432031202020"
                                   "50314E3220202020"))
        << payload.toStdString();
    // Layer rows 1 ... 4 of layers A ... H, then output pick-off 1 of part 1: item code 10003 sent as 3.
    EXPECT_EQ(payload.mid(6 + 2 * 512, 4), "03E8");
    EXPECT_EQ(payload.mid(6 + 2 * 512 + 2 * 64, 4), "0003");
}

// Blank names in use are replaced from the reset image before sending, as the editor does.
TEST_F(Payload, BlankNamesGoOutAsTheResetImageHasThem)
{
    DataSet startup = validDataSet();
    startup.InputName[0][1].set(QStringLiteral("SPARE"));
    writeDataFile(QStringLiteral("Start.DAT"), startup);
    setSetting(QStringLiteral("Main"), QStringLiteral("LoadAtStartup_Default"), QStringLiteral("Start.DAT"));
    DataSet d = validDataSet();
    d.InputName[0][1].set(QString());
    const ZelcfgRun r = run(QStringLiteral("payload"), {writeDataFile(QStringLiteral("a.DAT"), d)});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.mid(6 + 16, 16), "5350415245202020");
}

struct BadInput
{
    const char* name;
    QStringList args; // {FILE} stands for the path of a file made by the case
    QByteArray file;
    int code;
    const char* message; // {FILE} as above
    const char* fileName = "in.DAT";
};

void PrintTo(const BadInput& c, std::ostream* os)
{
    *os << c.name;
}

class BadInputs : public ZelcfgFixture, public ::testing::WithParamInterface<BadInput>
{
};

// Each gives one line on standard error naming what is wrong, and its status.
TEST_P(BadInputs, GiveOneLineAndTheirStatus)
{
    const QString file = GetParam().file.isNull()
                             ? path(QStringLiteral("missing.DAT"))
                             : folder.write(QString::fromLatin1(GetParam().fileName), GetParam().file);
    QStringList args;
    for (const QString& a : GetParam().args)
        args.append(QString(a).replace(QLatin1String("{FILE}"), file));
    const ZelcfgRun r = runRaw(args);
    EXPECT_EQ(r.code, GetParam().code);
    EXPECT_EQ(r.errorLines(),
              QStringList{QString::fromUtf8(GetParam().message).replace(QLatin1String("{FILE}"), file)});
    EXPECT_TRUE(r.out.isEmpty());
}

const QByteArray kShort(100, ' ');

INSTANTIATE_TEST_SUITE_P(
    Files, BadInputs,
    ::testing::Values(
        BadInput{"MissingFile", {"show", "{FILE}"}, {}, 2, "zelcfg: {FILE}: no such file"},
        BadInput{"ShortFile",
                 {"show", "{FILE}"},
                 kShort,
                 2,
                 "zelcfg: {FILE}: File too short: 100 bytes, 8449 expected"},
        BadInput{"ShortFileForEdit",
                 {"edit", "{FILE}", "MonChannel=1"},
                 kShort,
                 2,
                 "zelcfg: {FILE}: File too short: 100 bytes, 8449 expected"},
        BadInput{"OtherVersion",
                 {"show", "{FILE}"},
                 "2.0" + QByteArray(8446, ' '),
                 2,
                 "zelcfg: {FILE}: data format version 2.0, not 2.1 (see IgnoreDatFileVersion)"},
        BadInput{"NoVersionNumber",
                 {"payload", "{FILE}"},
                 "abc" + QByteArray(8446, ' '),
                 2,
                 "zelcfg: {FILE}: data format version 0.0, not 2.1 (see IgnoreDatFileVersion)"},
        BadInput{"MissingSettings",
                 {"show", "--settings", "{FILE}.Ini", "{FILE}"},
                 kShort,
                 2,
                 "zelcfg: {FILE}.Ini: no such settings file"},
        BadInput{"UnknownCommand",
                 {"shwo", "{FILE}"},
                 {},
                 2,
                 "zelcfg: no command \"shwo\"; \"zelcfg --help\" lists them"},
        BadInput{"UnknownOption",
                 {"show", "--jsn", "{FILE}"},
                 {},
                 2,
                 "zelcfg: show: unknown option --jsn; \"zelcfg show --help\" tells more"},
        BadInput{"MissingValue",
                 {"edit", "{FILE}", "--output"},
                 {},
                 2,
                 "zelcfg: edit: option --output needs a value; \"zelcfg edit --help\" tells more"},
        BadInput{
            "NoFile", {"show"}, {}, 2, "zelcfg: show: a file is missing; \"zelcfg show --help\" tells more"},
        BadInput{"RecordOutOfRange",
                 {"fetch", "record", "9", "{FILE}"},
                 {},
                 2,
                 "zelcfg: fetch: record \"9\": the records are 1 to 8; \"zelcfg fetch --help\" tells more"},
        BadInput{"FetchIntoMissingFolder",
                 {"fetch", "dataset", "/zelcfg-none/x.DAT"},
                 {},
                 2,
                 "zelcfg: /zelcfg-none/x.DAT: no such folder"},
        BadInput{
            "VersionCannotBeFetched",
            {"fetch", "version"},
            {},
            2,
            "zelcfg: fetch: the device has no request for its control unit version; \"zelcfg fetch --help\" "
            "tells more"},
        BadInput{"VersionNotDigits",
                 {"send", "version", "1.2"},
                 {},
                 2,
                 "zelcfg: version \"1.2\": one to 4 digits"},
        BadInput{"RecordIsNoDataFile",
                 {"send", "dataset", "{FILE}"},
                 QByteArray(1024, ' '),
                 2,
                 "zelcfg: {FILE}: a DAT file is needed here, not a CNS file",
                 "in.CNS"},
        BadInput{"PortMissing",
                 {"send", "--port", "/dev/zelcfg-none", "version", "12"},
                 {},
                 5,
                 "zelcfg: /dev/zelcfg-none: cannot be opened: /dev/zelcfg-none: No such file or directory"}),
    [](const ::testing::TestParamInfo<BadInput>& info) { return std::string(info.param.name); });

class Help : public ::testing::TestWithParam<const char*>
{
};

TEST_P(Help, EveryCommandHasItsUsage)
{
    const ZelcfgRun r = RunZelcfg(QStringList{GetParam(), "--help"});
    EXPECT_EQ(RunZelcfg(QStringList{GetParam(), "-h"}).out, r.out);
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("usage: zelcfg %1 ").arg(GetParam()))) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("--settings FILE.Ini"));
}

INSTANTIATE_TEST_SUITE_P(Commands, Help,
                         ::testing::Values("show", "diff", "edit", "payload", "fetch", "send"));

TEST(ProgramHelp, ListsTheCommands)
{
    const ZelcfgRun r = RunZelcfg(QStringList{"--help"});
    EXPECT_EQ(r.code, 0);
    for (const char* command : {"show", "diff", "edit", "payload", "fetch", "send"})
        EXPECT_TRUE(r.out.contains(QStringLiteral("\n  %1 ").arg(command))) << command;
}

} // namespace
