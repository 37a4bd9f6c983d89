#include "SimulatorProcess.h"
#include "ZelcfgFixture.h"

#include <QDir>
#include <QElapsedTimer>

namespace {

// zelcfg against the device simulator on a pseudo-terminal, reached as port 2
// through "PortNames" of the settings copy. The device's data set has 16 faders;
// a short time-out keeps the silent cases short.
class Link : public ZelcfgFixture
{
protected:
    void start(const QStringList& faults = {})
    {
        device = path(QStringLiteral("ttySIM"));
        ASSERT_TRUE(sim.start(QStringList{QStringLiteral("--link"), device} + faults))
            << sim.error().toStdString();
        setSetting(QStringLiteral("PortNames"), QStringLiteral("COM2"), device);
        setSetting(QStringLiteral("Main"), QStringLiteral("Layer_NumFaders"), QStringLiteral("16"));
        setSetting(QStringLiteral("Comm"), QStringLiteral("TimeOut"), QStringLiteral("1"));
        setSetting(QStringLiteral("Comm"), QStringLiteral("TimerInterval"), QStringLiteral("50"));
    }

    // The device's state, as the simulator saves it.
    QByteArray deviceFile(const QString& name)
    {
        const QString dir = path(QStringLiteral("state%1").arg(++saves));
        sim.command(QStringLiteral("save ") + dir);
        QElapsedTimer waited;
        waited.start();
        while (sim.lines(10).filter(QStringLiteral("] saved")).size() < saves && waited.elapsed() < 3000) {
        }
        return TestFolder::read(QDir(dir).filePath(name));
    }

    QString portLine() const { return QStringLiteral("port 2 (%1)").arg(device); }

    SimulatorProcess sim;
    QString device;
    int saves = 0;
};

// Sent, fetched back and sent again, the data set reaches the device as the
// same payload, the one "zelcfg payload" prints.
TEST_F(Link, DataSetFetchedAndSentBackGivesTheSamePayload)
{
    start();
    const QString a = writeDataFile(QStringLiteral("a.DAT"), validDataSet());
    const ZelcfgRun sent = run(QStringLiteral("send"), {QStringLiteral("dataset"), a});
    ASSERT_EQ(sent.code, 0) << sent.err.toStdString();
    const QByteArray first = deviceFile(QStringLiteral("dataset.hex")).trimmed();
    ASSERT_EQ(first.size(), 1956);
    EXPECT_EQ(run(QStringLiteral("payload"), {a}).out.trimmed().toLatin1(), first);

    const QString b = path(QStringLiteral("b.DAT"));
    const ZelcfgRun fetched = run(QStringLiteral("fetch"), {QStringLiteral("dataset"), b});
    ASSERT_EQ(fetched.code, 0) << fetched.err.toStdString();
    EXPECT_EQ(TestFolder::read(b).size(), 8449);
    EXPECT_TRUE(run(QStringLiteral("show"), {b}).outLines().contains(R"(InputName(5,8) = "P5N8")"));
    ASSERT_EQ(run(QStringLiteral("send"), {QStringLiteral("dataset"), b}).code, 0);
    EXPECT_EQ(deviceFile(QStringLiteral("dataset.hex")).trimmed(), first);
}

TEST_F(Link, StatusTextsAndVersion)
{
    start();
    const ZelcfgRun fetched = run(QStringLiteral("fetch"), {QStringLiteral("status")});
    ASSERT_EQ(fetched.code, 0) << fetched.err.toStdString();
    EXPECT_EQ(fetched.outLines(), (QStringList{"Device status 1", "Device status 2", "Device status 3",
                                               "Device status 4", "Device status 5", "Device status 6"}));

    const QString texts = folder.write(QStringLiteral("status.txt"), "Studio A\r\nOn air\n");
    ASSERT_EQ(run(QStringLiteral("send"), {QStringLiteral("status"), texts}).code, 0);
    const QString out = path(QStringLiteral("back.txt"));
    ASSERT_EQ(run(QStringLiteral("fetch"), {QStringLiteral("status"), out}).code, 0);
    EXPECT_EQ(TestFolder::read(out),
              "Studio A\nOn air\nTextStatus(3)\nTextStatus(4)\nTextStatus(5)\nTextStatus(6)\n");

    ASSERT_EQ(run(QStringLiteral("send"), {QStringLiteral("version"), QStringLiteral("1234")}).code, 0);
    EXPECT_EQ(deviceFile(QStringLiteral("acu.txt")), "1234");
}

TEST_F(Link, OneRecordAndTheGroup)
{
    start();
    const QString record = path(QStringLiteral("r3.CNS"));
    ASSERT_EQ(run(QStringLiteral("fetch"), {QStringLiteral("record"), QStringLiteral("3"), record}).code, 0);
    const QByteArray three = TestFolder::read(record);
    ASSERT_EQ(three.size(), 1024);
    EXPECT_TRUE(three.startsWith("Record 3 Record 3 "));

    ASSERT_EQ(run(QStringLiteral("send"), {QStringLiteral("record"), QStringLiteral("5"), record}).code, 0);
    EXPECT_EQ(deviceFile(QStringLiteral("record5.cns")), three);

    const QString group = path(QStringLiteral("all.CNG"));
    const ZelcfgRun fetched = run(QStringLiteral("fetch"), {QStringLiteral("group"), group});
    ASSERT_EQ(fetched.code, 0) << fetched.err.toStdString();
    const QByteArray all = TestFolder::read(group);
    ASSERT_EQ(all.size(), 8192);
    EXPECT_TRUE(all.mid(1024).startsWith("Record 2 Record 2 "));
    EXPECT_EQ(all.mid(4 * 1024, 1024), three);

    const ZelcfgRun sent = run(QStringLiteral("send"), {QStringLiteral("group"), group});
    ASSERT_EQ(sent.code, 0) << sent.err.toStdString();
    EXPECT_EQ(deviceFile(QStringLiteral("record8.cns")), all.right(1024));
}

// The device may answer a request for all eight with one "30" payload.
TEST_F(Link, GroupInOnePayload)
{
    start({QStringLiteral("--group-30")});
    const QString group = path(QStringLiteral("all.CNG"));
    const ZelcfgRun fetched = run(QStringLiteral("fetch"), {QStringLiteral("group"), group});
    ASSERT_EQ(fetched.code, 0) << fetched.err.toStdString();
    EXPECT_TRUE(TestFolder::read(group).mid(7 * 1024).startsWith("Record 8 Record 8 "));
}

// A port number is resolved through "PortNames"; a path is opened as it is.
TEST_F(Link, PortByNumberOrPath)
{
    start();
    setSetting(QStringLiteral("PortNames"), QStringLiteral("COM7"), device);
    setSetting(QStringLiteral("PortNames"), QStringLiteral("COM2"), path(QStringLiteral("nothing")));
    EXPECT_EQ(run(QStringLiteral("fetch"), {"--port", "7", "status"}).code, 0);
    EXPECT_EQ(run(QStringLiteral("fetch"), {"--port", device, "status"}).code, 0);
    const ZelcfgRun missing = run(QStringLiteral("fetch"), {"status"});
    EXPECT_EQ(missing.code, 5);
    ASSERT_EQ(missing.errorLines().size(), 1);
    EXPECT_TRUE(missing.errorLines().first().startsWith(
        QStringLiteral("zelcfg: port 2 (%1): cannot be opened: ").arg(path(QStringLiteral("nothing")))))
        << missing.err.toStdString();
}

struct Silence
{
    const char* name;
    QStringList args;
    QStringList faults;
    int code;
    const char* message; // after "zelcfg: port 2 (...): "
};

void PrintTo(const Silence& c, std::ostream* os)
{
    *os << c.name;
}

class LinkFailure : public Link, public ::testing::WithParamInterface<Silence>
{
};

// A device that says nothing, or the wrong thing, gives one line naming port
// and frame, and no file.
TEST_P(LinkFailure, NamesPortAndFrame)
{
    start(GetParam().faults);
    writeDataFile(QStringLiteral("in.DAT"), validDataSet());
    QStringList args;
    for (const QString& a : GetParam().args)
        args.append(a.startsWith(QLatin1String("@")) ? path(a.mid(1)) : a);
    const ZelcfgRun r = run(args.takeFirst(), args);
    EXPECT_EQ(r.code, GetParam().code);
    EXPECT_EQ(r.errorLines(), QStringList{QStringLiteral("zelcfg: ") + portLine() + QStringLiteral(": ") +
                                          GetParam().message});
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("out.DAT"))));
}

INSTANTIATE_TEST_SUITE_P(Device, LinkFailure,
                         ::testing::Values(Silence{"SilentOnFetch",
                                                   {"fetch", "dataset", "@out.DAT"},
                                                   {"--silent"},
                                                   3,
                                                   "no answer 85 to frame 84 20 within 1 s"},
                                           Silence{"SilentOnSend",
                                                   {"send", "dataset", "@in.DAT"},
                                                   {"--silent"},
                                                   3,
                                                   "no answer 86 to frame 85 20 within 1 s"},
                                           Silence{"SilentOnStatus",
                                                   {"fetch", "status"},
                                                   {"--silent"},
                                                   3,
                                                   "no answer 83 to frame 82 within 1 s"},
                                           Silence{"WrongChecksum",
                                                   {"send", "dataset", "@in.DAT"},
                                                   {"--wrong-checksum"},
                                                   4,
                                                   "the device answered frame 85 20 with another checksum"},
                                           Silence{"NoEndByte",
                                                   {"fetch", "dataset", "@out.DAT"},
                                                   {"--no-end"},
                                                   3,
                                                   "no answer 85 to frame 84 20 within 1 s"}),
                         [](const ::testing::TestParamInfo<Silence>& info) {
                             return std::string(info.param.name);
                         });

// Not on a terminal, the progress comes as plain lines with the editor's captions.
TEST_F(Link, ProgressAsPlainLines)
{
    start();
    const ZelcfgRun r = run(QStringLiteral("fetch"), {QStringLiteral("status")});
    ASSERT_EQ(r.code, 0);
    EXPECT_TRUE(r.err.split('\n').contains(QStringLiteral("Version abfragen ..."))) << r.err.toStdString();
    EXPECT_TRUE(
        run(QStringLiteral("fetch"), {QStringLiteral("--quiet"), QStringLiteral("status")}).err.isEmpty());
}

} // namespace
