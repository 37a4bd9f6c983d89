#include "CommandsFixture.h"

#include <QFile>

#include <QDir>
#include <QElapsedTimer>

class ConfigTransferTest : public CommandsFixture
{
protected:
    ConfigTransferTest()
    {
        device = [](const QByteArray& frame) {
            return quint8(frame.at(0)) == 0x85 ? checksumAnswer(frame) : QByteArray();
        };
    }
    QString recordFile(const QString& name, const QByteArray& record) const
    {
        return folder.write(name, record + QByteArray(1024 - record.size(), ' '));
    }
};

TEST(ConfigKindTest, KindTextsAndIndices)
{
    EXPECT_EQ(ConfigKindCode(0), QStringLiteral("30"));
    EXPECT_EQ(ConfigKindCode(1), QStringLiteral("31"));
    EXPECT_EQ(ConfigKindCode(8), QStringLiteral("38"));
    EXPECT_TRUE(ConfigKindCode(9).isEmpty());
    EXPECT_TRUE(ConfigKindCode(-1).isEmpty());
    for (int i = 0; i <= 8; ++i)
        EXPECT_EQ(ConfigIndexFromCode(ConfigKindCode(i)), i);
    for (const char* other : {"39", "20", "3", "", "300", "x0"})
        EXPECT_EQ(ConfigIndexFromCode(QLatin1String(other)), 255) << other;
}

TEST_F(ConfigTransferTest, OneRecordWithoutAFileProposesTheNumberedName)
{
    EXPECT_TRUE(transfer.SendConfig(3).isEmpty());
    ASSERT_EQ(ui.dialogs.size(), 1);
    EXPECT_EQ(ui.dialogs[0].path,
              QDir::toNativeSeparators(folder.path() + QStringLiteral("/ZEL308Tools 03.CNS")));
    EXPECT_TRUE(sent.isEmpty()) << "dialog cancelled";
}

TEST_F(ConfigTransferTest, DeviceRequestForRecordOneSendsThatRecord)
{
    interpret(QByteArray("\x84"
                         "31\r"));
    const QString path = recordFile(QStringLiteral("one.CNS"), "Row one");
    ui.dialogAnswers.append(path);
    ASSERT_TRUE(transfer.SendConfig(ConfigIndexFromCode(commands.PendingTransferKind())).isEmpty());
    ASSERT_EQ(sent.size(), 1);
    const QByteArray expected = "\x85"
                                "31" +
                                (QByteArray("Row one") + QByteArray(1017, ' ')).toHex().toUpper() + "\r";
    EXPECT_EQ(sent[0], expected);
    EXPECT_EQ(commands.SentChecksum(), LinkChecksum(expected.mid(1, expected.size() - 2)));
    EXPECT_EQ(data.Current.ConfigFile[0].trimmedRight(), path);
    runFor(60);
    EXPECT_TRUE(sink.has(QStringLiteral("Comm_Data_Sent")));
    EXPECT_FALSE(sink.has(QStringLiteral("Comm_Checksum_Err")));
}

TEST_F(ConfigTransferTest, BlankRecordIsSentAsItsKindAlone)
{
    ui.dialogAnswers.append(recordFile(QStringLiteral("blank.CNS"), QByteArray()));
    transfer.SendConfig(2);
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent[0], QByteArray("\x85"
                                  "32\r"));
}

TEST_F(ConfigTransferTest, AllEightRecordsEachWithItsAnswerAndAPause)
{
    QByteArray group;
    for (int r = 1; r <= 8; ++r)
        group += QByteArray("Record ") + QByteArray::number(r) + QByteArray(1024 - 8, ' ');
    ui.dialogAnswers.append(folder.write(QStringLiteral("all.CNG"), group));
    QList<qint64> sentAt;
    QElapsedTimer t;
    t.start();
    port.onOutput = [&, previous = port.onOutput](const QByteArray& bytes) {
        if (quint8(bytes.at(0)) == 0x85)
            sentAt.append(t.elapsed());
        previous(bytes);
    };
    // The receive timer outlasts the pause: each answer must still be matched to its own record.
    link->settings().TimerInterval = 700;
    EXPECT_TRUE(transfer.SendConfig(0).isEmpty());

    ASSERT_EQ(sent.size(), 8);
    for (int r = 1; r <= 8; ++r) {
        EXPECT_TRUE(sent[r - 1].startsWith("\x85" + QByteArray::number(30 + r))) << r;
        EXPECT_TRUE(sent[r - 1].contains(QByteArray("Record ").append(char('0' + r)).toHex().toUpper())) << r;
    }
    for (int i = 1; i < sentAt.size(); ++i)
        EXPECT_GE(sentAt[i] - sentAt[i - 1], 500) << i;
    EXPECT_EQ(sink.count(QStringLiteral("Comm_Waiting_For_Answer")), 8);
    EXPECT_EQ(sink.count(QStringLiteral("Comm_Data_Sent")), 8);
    EXPECT_FALSE(sink.has(QStringLiteral("Comm_Checksum_Err")));
    EXPECT_FALSE(sink.has(QStringLiteral("Comm_Timeout")));
}

TEST_F(ConfigTransferTest, FailedRecordDoesNotStopTheOthers)
{
    QByteArray group(8 * 1024, 'x');
    ui.dialogAnswers.append(folder.write(QStringLiteral("all.CNG"), group));
    int answered = 0;
    device = [&](const QByteArray& frame) { return ++answered == 2 ? QByteArray() : checksumAnswer(frame); };
    link->settings().TimeOut = 1;
    transfer.SendConfig(0);
    EXPECT_EQ(sent.size(), 8);
    EXPECT_EQ(sink.count(QStringLiteral("Comm_Timeout_Short")), 1);
}

TEST_F(ConfigTransferTest, RequestForAllEightWithTheDialogCancelledSendsNothing)
{
    commands.collection().CollectingConfigs = true;
    transfer.RequestConfig(0);
    EXPECT_TRUE(sent.isEmpty());
    EXPECT_FALSE(commands.collection().CollectingConfigs);
}

TEST_F(ConfigTransferTest, RequestForAllEightCollectsIntoTheChosenFile)
{
    const QString path = folder.file(QStringLiteral("fetched.CNG"));
    ui.dialogAnswers.append(path);
    int next = 1;
    device = [&](const QByteArray& frame) {
        if (frame == QByteArray("\x84"
                                "30\r") ||
            quint8(frame.at(0)) == 0x86)
            return next <= 8
                       ? "\x85" + QByteArray::number(30 + next++) + QByteArray("Got").toHex().toUpper() + "\r"
                       : QByteArray();
        return QByteArray();
    };
    transfer.RequestConfig(0);
    ASSERT_GE(sent.size(), 1);
    EXPECT_EQ(sent[0], QByteArray("\x84"
                                  "30\r"));
    EXPECT_TRUE(commands.collection().CollectingConfigs);
    EXPECT_EQ(commands.collection().CollectPath, path);
    // The field takes the path once the file is written there.
    EXPECT_EQ(data.Current.ConfigGroupFile.trimmedRight(), QString());
    for (int i = 0; i < 40 && !QFile::exists(path); ++i)
        runFor(25);
    EXPECT_EQ(data.Current.ConfigGroupFile.trimmedRight(), path);
    // Written without a second dialog: the group file is the one chosen for the request.
    EXPECT_EQ(TestFolder::read(path).size(), 8192);
    EXPECT_EQ(ui.dialogs.size(), 1);
    EXPECT_EQ(data.ConfigGroup[7].trimmedRight(), QStringLiteral("Got"));
    EXPECT_FALSE(commands.collection().CollectingConfigs);
}

TEST_F(ConfigTransferTest, RequestForOneRecordAsksForItAndWaitsForData)
{
    device = [](const QByteArray&) {
        return QByteArray("\x85"
                          "35\r");
    };
    transfer.RequestConfig(5);
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent[0], QByteArray("\x84"
                                  "35\r"));
    EXPECT_TRUE(sink.has(QStringLiteral("Comm_Waiting_For_Answer")));
    EXPECT_EQ(ui.transferCaptions.first(), QStringLiteral("TransmitConfig_Request"));
    EXPECT_FALSE(sink.has(QStringLiteral("Comm_Timeout")));
}
