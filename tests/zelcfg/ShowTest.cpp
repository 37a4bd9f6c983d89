#include "ZelcfgFixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <functional>

namespace {

struct ShowCase
{
    const char* name;
    std::function<void(DataSet&)> change;
    const char* line;
};

void PrintTo(const ShowCase& c, std::ostream* os)
{
    *os << c.name;
}

class ShowLine : public ZelcfgFixture, public ::testing::WithParamInterface<ShowCase>
{
};

// Each field prints as NAME = VALUE, with the entries of the bundled (German) lists.
TEST_P(ShowLine, PrintsTheField)
{
    DataSet d = validDataSet();
    GetParam().change(d);
    const ZelcfgRun r = run(QStringLiteral("show"), {writeDataFile(QStringLiteral("a.DAT"), d)});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.outLines().contains(QString::fromUtf8(GetParam().line))) << r.out.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ShowLine,
    ::testing::Values(
        ShowCase{"Version", [](DataSet&) {}, R"(DataVersion = "2.1")"},
        ShowCase{"NameTrimmed", [](DataSet& d) { d.InputName[0][0].set(QStringLiteral("MIC 1")); },
                 R"(InputName(1,1) = "MIC 1")"},
        ShowCase{"NameWithEscapes", [](DataSet& d) { d.InputName[1][2].setBytes("A\\B\"C\tD"); },
                 R"(InputName(2,3) = "A\\B\"C\x09D")"},
        ShowCase{"NameNeverWritten", [](DataSet& d) { d.InputName[4][63] = FixedText<16>(); },
                 R"(InputName(5,64) = "")"},
        ShowCase{"NameInWindows1252", [](DataSet& d) { d.InputName[0][1].setBytes("\xA7\x80"); },
                 "InputName(1,2) = \"\xC2\xA7\xE2\x82\xAC\""},
        ShowCase{"LayerCode", [](DataSet& d) { d.LayerAssign[1][3] = 1203; }, "LayerAssign(B,4) = 1203"},
        ShowCase{"OutputWithEntry", [](DataSet& d) { d.OutputPickoff[0][1] = 3; },
                 R"(OutputPickoff(1,2) = 3 "Monitor")"},
        ShowCase{"OutputNone", [](DataSet& d) { d.OutputPickoff[0][1] = -1; }, "OutputPickoff(1,2) = -1"},
        ShowCase{"OutputBeyondList", [](DataSet& d) { d.OutputPickoff[0][1] = 40; },
                 "OutputPickoff(1,2) = 40"},
        ShowCase{"MonitorChannel", [](DataSet& d) { d.MonChannel = 9; }, R"(MonChannel = 9 "Studio")"},
        ShowCase{"ExternalKey", [](DataSet& d) { d.ExtMon[3] = 5; }, R"(ExtMon(4) = 5 "Extern")"},
        ShowCase{"GroupMember",
                 [](DataSet& d) {
                     d.MonMode = {0, 0, 1, 0};
                 },
                 "MonMode(3) = 1"},
        ShowCase{"GpioCode", [](DataSet& d) { d.GpioInput[1] = 104; }, "GpioInput(2) = 104"},
        ShowCase{"Channels", [](DataSet& d) { d.EsamChannels = 1; }, "EsamChannels = 1 \"4 Kan\xC3\xA4le\""},
        ShowCase{"StartUp", [](DataSet& d) { d.StartUpConf = 2; }, R"(StartUpConf = 2 "Snapshot 2")"},
        ShowCase{"Path", [](DataSet& d) { d.ConfigFile[2].set(QStringLiteral("C:\\ZEL\\Slot 3.CNS")); },
                 R"(ConfigFile(3) = "C:\\ZEL\\Slot 3.CNS")"},
        ShowCase{"Flag", [](DataSet& d) { d.ConfigFlag2[7] = 1; }, "ConfigFlag2(8) = 1"},
        ShowCase{"FaderBox", [](DataSet& d) { d.FaderBoxOutput[8] = 103; }, "FaderBoxOutput(9) = 103"}),
    [](const ::testing::TestParamInfo<ShowCase>& info) { return std::string(info.param.name); });

class Show : public ZelcfgFixture
{
};

TEST_F(Show, PrintsEveryFieldOfTheDataFileInFileOrder)
{
    const ZelcfgRun r = run(QStringLiteral("show"), {writeDataFile(QStringLiteral("a.DAT"), validDataSet())});
    ASSERT_EQ(r.code, 0);
    const QStringList lines = r.outLines();
    ASSERT_EQ(lines.size(), 818);
    EXPECT_EQ(lines.at(0), QStringLiteral(R"(DataVersion = "2.1")"));
    EXPECT_EQ(lines.at(1), QStringLiteral(R"(InputName(1,1) = "P1N1")"));
    EXPECT_EQ(lines.at(321), QStringLiteral("LayerAssign(A,1) = 1000"));
    EXPECT_EQ(lines.at(329), QStringLiteral("LayerAssign(B,1) = 1000"));
    EXPECT_EQ(lines.last(), QStringLiteral("FaderBoxOutput(9) = 0"));
}

TEST_F(Show, JsonCarriesSchemaVersionAndTypedFields)
{
    DataSet d = validDataSet();
    d.OutputPickoff[0][1] = 3;
    const ZelcfgRun r =
        run(QStringLiteral("show"), {QStringLiteral("--json"), writeDataFile(QStringLiteral("a.DAT"), d)});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QJsonObject doc = QJsonDocument::fromJson(r.out.toUtf8()).object();
    EXPECT_EQ(doc.value("schema").toString(), "zelcfg.show");
    EXPECT_EQ(doc.value("version").toInt(), 1);
    EXPECT_EQ(doc.value("kind").toString(), "DAT");
    const QJsonArray fields = doc.value("fields").toArray();
    ASSERT_EQ(fields.size(), 818);
    const QJsonObject name = fields.at(1).toObject();
    EXPECT_EQ(name.value("name").toString(), "InputName(1,1)");
    EXPECT_EQ(name.value("group").toString(), "Names");
    EXPECT_EQ(name.value("field").toString(), "InputName");
    EXPECT_EQ(name.value("part").toInt(), 1);
    EXPECT_EQ(name.value("position").toInt(), 1);
    EXPECT_EQ(name.value("type").toString(), "name");
    EXPECT_EQ(name.value("value").toString(), "P1N1");
    const QJsonObject output = fields.at(1 + 320 + 64 + 1).toObject();
    EXPECT_EQ(output.value("name").toString(), "OutputPickoff(1,2)");
    EXPECT_EQ(output.value("type").toString(), "list");
    EXPECT_EQ(output.value("value").toInt(), 3);
    EXPECT_EQ(output.value("entry").toString(), "Monitor");
    const QJsonObject channel = fields.at(1 + 320 + 64 + 320 + 4).toObject();
    EXPECT_EQ(channel.value("name").toString(), "MonChannel");
    EXPECT_TRUE(channel.value("part").isNull());
    EXPECT_TRUE(channel.value("position").isNull());
}

TEST_F(Show, ReadsConfigurationAndGroupFiles)
{
    const ZelcfgRun single = run(QStringLiteral("show"),
                                 {folder.write(QStringLiteral("r.CNS"), "SCENE A" + QByteArray(1017, ' '))});
    ASSERT_EQ(single.code, 0) << single.err.toStdString();
    EXPECT_EQ(single.outLines(), QStringList{QStringLiteral(R"(ConfigSingle = "SCENE A")")});

    QByteArray group;
    for (int r = 1; r <= 8; ++r)
        group += QByteArray("REC") + QByteArray::number(r) + QByteArray(1020, ' ');
    const ZelcfgRun all = run(QStringLiteral("show"), {folder.write(QStringLiteral("g.CNG"), group)});
    ASSERT_EQ(all.code, 0) << all.err.toStdString();
    ASSERT_EQ(all.outLines().size(), 8);
    EXPECT_EQ(all.outLines().at(0), QStringLiteral(R"(ConfigGroup(1) = "REC1")"));
    EXPECT_EQ(all.outLines().at(7), QStringLiteral(R"(ConfigGroup(8) = "REC8")"));
}

// A file of another extension is known by its size.
TEST_F(Show, KnowsAFileWithoutItsExtensionBySize)
{
    const ZelcfgRun r =
        run(QStringLiteral("show"), {writeDataFile(QStringLiteral("backup.bin"), validDataSet())});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.outLines().size(), 818);
}

} // namespace
