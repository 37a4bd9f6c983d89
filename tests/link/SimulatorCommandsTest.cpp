#include "SimulatorFixture.h"

#include "ConfigTransfer.h"
#include "DataContext.h"
#include "LinkChecksum.h"
#include "LinkCommands.h"
#include "SelectorLists.h"
#include "TransferEncoding.h"

#include <QFile>

// The link commands and the configuration transfer against the simulator, with
// the real data operations writing real files.
class SimulatorCommandsTest : public SimulatorFixture
{
protected:
    SimulatorCommandsTest()
    {
        auto one = [](int code) { return EntryList{ListEntry{QStringLiteral("entry"), code}}; };
        for (auto& part : lists.cmbAbgriffOutput)
            for (auto& list : part)
                list = one(10001);
        lists.cmbKanal = one(11001);
        lists.cmbAbgriffPeak = {one(12001), one(12001)};
        lists.cmbExtMon = {one(13001), one(13001), one(13001), one(13001)};
        lists.cmbFrames = one(25);
        lists.cmbChannels = one(1);
        lists.cmbStartUpConf = one(0);
        data.Current.MonMode[0] = 1;
        data.Current.MonPickoff[0] = 1;
        data.Current.ControlMode[0] = 1;
        data.Current.InputName[0][0].set(QStringLiteral("STUDIO"));
        data.Reset = data.Current;
        // What the send timer's command does with a request of the device.
        QObject::connect(&commands, &LinkCommands::sendRequested, [this](int ms) {
            QTimer::singleShot(ms, [this] {
                const QString kind = commands.PendingTransferKind();
                commands.setPendingTransferKind(QString());
                if (kind == QLatin1String("20"))
                    sendDataSet();
                else
                    transfer.SendConfig(ConfigIndexFromCode(kind));
            });
        });
    }

    void sendDataSet()
    {
        const DataExchangeFrame frame = PrepareDataExchange(dataCtx, lists, QStringLiteral("20"));
        ASSERT_TRUE(frame.ok()) << frame.error.toStdString();
        commands.setSentChecksum(LinkChecksum(frame.payload()));
        if (link->TransmitData(frame.frame))
            link->WaitForResponse(QStringLiteral("86"));
    }

    bool logged(const QString& part, int ms = 2000)
    {
        QElapsedTimer t;
        t.start();
        while (!sink.has(part) && t.elapsed() < ms)
            RunEventsFor(10);
        return sink.has(part);
    }

    QString groupFile(const QString& name)
    {
        QByteArray group;
        for (int r = 1; r <= 8; ++r)
            group += QByteArray("Mine ") + QByteArray::number(r) + QByteArray(1024 - 6, '.');
        return folder.write(name, group);
    }

    ConfigurationData data;
    DataContext dataCtx{*ctx, data};
    SelectorLists lists;
    LinkCommands commands{dataCtx, *link, lists};
    ConfigTransfer transfer{dataCtx, *link, commands, lists};
};

TEST_F(SimulatorCommandsTest, DataSetSentAndConfirmedByItsChecksum)
{
    startDevice();
    sendDataSet();
    EXPECT_TRUE(logged(QStringLiteral("Comm_Data_Sent")));
    EXPECT_TRUE(sim.logged(QStringLiteral("RX 85 len=1956"), 1000));
    EXPECT_FALSE(sink.has(QStringLiteral("Comm_Checksum_Err")));
}

TEST_F(SimulatorCommandsTest, WrongChecksumIsShownInABox)
{
    startDevice({QStringLiteral("--wrong-checksum")});
    sendDataSet();
    EXPECT_TRUE(logged(QStringLiteral("Comm_Checksum_Err")));
    RunEventsFor(50); // the box opens once the answer has been handled
    ASSERT_EQ(ui.boxes.size(), 1);
    EXPECT_EQ(ui.boxes[0].text, QStringLiteral("Comm_Checksum_Err"));
}

TEST_F(SimulatorCommandsTest, DataSetRequestedIsAnsweredAndStored)
{
    startDevice();
    ASSERT_TRUE(link->TransmitData("\x84"
                                   "20\r"));
    ASSERT_TRUE(link->WaitForResponse(QStringLiteral("85")));
    EXPECT_TRUE(logged(QStringLiteral("Comm_Data_Received")));
    EXPECT_EQ(data.Current.InputName[0][0].trimmedRight(), QStringLiteral("IN1-1"));
    EXPECT_EQ(data.Current.InputName[4][7].trimmedRight(), QStringLiteral("IN5-8"));
    EXPECT_TRUE(sim.logged(QStringLiteral("confirmed"), 1000)) << "the device got the right checksum";
}

TEST_F(SimulatorCommandsTest, OneRecordSentAndOneRequested)
{
    startDevice();
    ui.dialogAnswers.append(
        folder.write(QStringLiteral("row.CNS"), QByteArray("Row four") + QByteArray(1016, ' ')));
    EXPECT_TRUE(transfer.SendConfig(4).isEmpty());
    EXPECT_TRUE(logged(QStringLiteral("Comm_Data_Sent")));
    EXPECT_TRUE(sim.logged(QStringLiteral("record 4 stored"), 1000));

    const QString target = folder.file(QStringLiteral("fetched.CNS"));
    ui.dialogAnswers.append(target);
    transfer.RequestConfig(4);
    EXPECT_TRUE(logged(QStringLiteral("Comm_Data_Received")));
    EXPECT_EQ(TestFolder::read(target), QByteArray("Row four") + QByteArray(1016, ' '));
    EXPECT_EQ(data.Current.ConfigFile[3].trimmedRight(), target);
}

TEST_F(SimulatorCommandsTest, AllEightRecordsSent)
{
    startDevice();
    ui.dialogAnswers.append(groupFile(QStringLiteral("mine.CNG")));
    EXPECT_TRUE(transfer.SendConfig(0).isEmpty());
    for (int r = 1; r <= 8; ++r)
        EXPECT_TRUE(sim.logged(QStringLiteral("record %1 stored").arg(r), 500)) << r;
    RunEventsFor(100);
    EXPECT_EQ(sink.count(QStringLiteral("Comm_Data_Sent")), 8);
    EXPECT_FALSE(sink.has(QStringLiteral("Comm_Checksum_Err")));
}

TEST_F(SimulatorCommandsTest, AllEightRecordsRequestedOneByOne)
{
    startDevice();
    const QString target = folder.file(QStringLiteral("device.CNG"));
    ui.dialogAnswers.append(target);
    transfer.RequestConfig(0);
    QElapsedTimer t;
    t.start();
    while (!QFile::exists(target) && t.elapsed() < 4000)
        RunEventsFor(20);
    const QByteArray written = TestFolder::read(target);
    ASSERT_EQ(written.size(), 8 * 1024);
    EXPECT_TRUE(written.startsWith("Record 1 Record 1"));
    EXPECT_TRUE(written.mid(7 * 1024).startsWith("Record 8 "));
    EXPECT_FALSE(commands.collection().CollectingConfigs);
    EXPECT_EQ(ui.dialogs.size(), 1) << "one dialog before the request, none per record";
}

TEST_F(SimulatorCommandsTest, AllEightRecordsRequestedAsOnePayload)
{
    startDevice({QStringLiteral("--group-30")});
    const QString target = folder.file(QStringLiteral("device.CNG"));
    ui.dialogAnswers << target << target;
    transfer.RequestConfig(0);
    EXPECT_TRUE(logged(QStringLiteral("Comm_Data_Received")));
    const QByteArray written = TestFolder::read(target);
    ASSERT_EQ(written.size(), 8 * 1024);
    EXPECT_TRUE(written.mid(3 * 1024).startsWith("Record 4 "));
}

TEST_F(SimulatorCommandsTest, RequestsStartedByTheDevice)
{
    startDevice();
    sim.command(QStringLiteral("80"));
    EXPECT_TRUE(sim.logged(QStringLiteral("RX 81"), 1000));
    EXPECT_TRUE(logged(QStringLiteral("Comm_Receiving_Data")));

    data.StatusText[2].set(QStringLiteral("Regie"));
    sim.command(QStringLiteral("82"));
    EXPECT_TRUE(sim.logged(QStringLiteral("status texts stored"), 1000));
    EXPECT_TRUE(sim.logged(QStringLiteral("RX 83 len=780"), 0));

    data.Current.InputName[0][0].set(QStringLiteral("EDITED"));
    sim.command(QStringLiteral("87"));
    EXPECT_TRUE(sim.logged(QStringLiteral("RX 88"), 1000));
    EXPECT_EQ(data.Current.InputName[0][0].trimmedRight(), QStringLiteral("STUDIO"));
    EXPECT_TRUE(ui.queries.isEmpty());

    sim.command(QStringLiteral("84 20"));
    EXPECT_TRUE(sim.logged(QStringLiteral("data set stored"), 2000));
    EXPECT_TRUE(logged(QStringLiteral("Comm_Data_Sent")));

    ui.dialogAnswers.append(
        folder.write(QStringLiteral("r7.CNS"), QByteArray("Seven") + QByteArray(1019, ' ')));
    sim.command(QStringLiteral("84 37"));
    EXPECT_TRUE(sim.logged(QStringLiteral("record 7 stored"), 2000));

    sim.command(QStringLiteral("84 99"));
    EXPECT_TRUE(logged(QStringLiteral("Comm_InterpretCommand_Err")));
}
