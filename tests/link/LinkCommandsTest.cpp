#include "CommandsFixture.h"

#include "StatusTexts.h"

#include <QFile>

using LinkCommandsTest = CommandsFixture;

TEST_F(LinkCommandsTest, DataFrameIsAnsweredWithItsChecksumBeforeItIsStored)
{
    const QString path = folder.file(QStringLiteral("record.CNS"));
    ui.dialogAnswers = {path};
    bool writtenWhenAnswered = true;
    port.onOutput = [&, previous = port.onOutput](const QByteArray& bytes) {
        writtenWhenAnswered = QFile::exists(path);
        previous(bytes);
    };
    const QByteArray record = "\x85" "31" + QByteArray("Snapshot").toHex().toUpper() + "\r";
    interpret(record);
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent[0], checksumAnswer(record));
    EXPECT_FALSE(writtenWhenAnswered);
    const QByteArray written = TestFolder::read(path);
    EXPECT_EQ(written.size(), 1024);
    EXPECT_TRUE(written.startsWith("Snapshot  "));
    EXPECT_TRUE(sink.has(QStringLiteral("Comm_Data_Received")));
    EXPECT_EQ(ui.status, QStringLiteral(" Comm_Data_Received"));
}

TEST_F(LinkCommandsTest, ChecksumAnswerDigits)
{
    interpret(QByteArray("\x85" "200201\r"));
    interpret(QByteArray("\x85\r"));
    ASSERT_GE(sent.size(), 2);
    EXPECT_EQ(sent[0], QByteArray("\x86" "3335\r"));
    EXPECT_EQ(sent[1], QByteArray("\x86" "30\r"));
}

TEST_F(LinkCommandsTest, DataIsNotStoredWhenTheAnswerDidNotGoOut)
{
    port.setPortOpen(false);
    interpret(QByteArray("\x85" "31414243\r"));
    EXPECT_TRUE(ui.dialogs.isEmpty());
    EXPECT_FALSE(sink.has(QStringLiteral("Comm_Data_Received")));
    EXPECT_TRUE(boxWith(QStringLiteral("Comm_TransmitData_Err")));
}

// A frame cut short: the device gets its receipt, the user learns that nothing
// was taken over.
TEST_F(LinkCommandsTest, UndecodableDataIsAnsweredButToldAsAFailureNotAsReceived)
{
    for (const bool showMsgBox : {false, true}) {
        SCOPED_TRACE(showMsgBox);
        ui.boxes.clear();
        settings.ShowMsgBox = showMsgBox;
        interpret(QByteArray("\x85"
                             "200201\r"));
        EXPECT_EQ(sent.last(), QByteArray("\x86"
                                          "3335\r"));
        EXPECT_EQ(ui.status, QStringLiteral(" Interpret_HexData_Err"));
        EXPECT_EQ(ui.boxes.size(), showMsgBox ? 1 : 0);
    }
    EXPECT_EQ(sink.count(QStringLiteral("Interpret_HexData_Err")), 2);
    EXPECT_FALSE(sink.has(QStringLiteral("Comm_Data_Received")));
}

TEST_F(LinkCommandsTest, ChecksumAnswerIsComparedWithTheSentChecksum)
{
    commands.setSentChecksum(35);
    interpret(QByteArray("\x86" "3335\r"));
    EXPECT_TRUE(sink.has(QStringLiteral("Comm_Data_Sent")));
    EXPECT_EQ(ui.status, QStringLiteral(" Comm_Data_Sent"));
    EXPECT_TRUE(ui.boxes.isEmpty());

    commands.setSentChecksum(35);
    interpret(QByteArray("\x86"
                         "3336\r"));
    ASSERT_EQ(ui.boxes.size(), 1) << "shown even with ShowMsgBox off";
    EXPECT_EQ(ui.boxes[0].text, QStringLiteral("Comm_Checksum_Err"));
    EXPECT_EQ(ui.boxes[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(sink.has(QStringLiteral("Comm_Checksum_Err")));

    settings.ShowMsgBox = true;
    commands.setSentChecksum(35);
    interpret(QByteArray("\x86"
                         "3335\r"));
    ASSERT_EQ(ui.boxes.size(), 2);
    EXPECT_EQ(ui.boxes[1].text, QStringLiteral("Comm_Data_Sent"));
}

// An answer with no data set sent before it, or a second answer to one
// transfer, is no receipt of anything.
TEST_F(LinkCommandsTest, ChecksumAnswerWithoutDataSentIsOnlyLogged)
{
    settings.ShowMsgBox = true;
    interpret(QByteArray("\x86"
                         "30\r")); // 0, the checksum nothing was sent with
    commands.setSentChecksum(35);
    interpret(QByteArray("\x86"
                         "3335\r"));
    interpret(QByteArray("\x86"
                         "3335\r"));
    EXPECT_EQ(sink.count(QStringLiteral("Comm_Data_Sent")), 1);
    EXPECT_EQ(sink.count(QStringLiteral("Comm_InterpretCommand_Err")), 2);
    EXPECT_EQ(ui.boxes.size(), 1);
    EXPECT_FALSE(sink.has(QStringLiteral("Comm_Checksum_Err")));
}

TEST_F(LinkCommandsTest, DataRequestStartsTheSendTimerForKnownKindsOnly)
{
    QList<int> delays;
    QObject::connect(&commands, &LinkCommands::sendRequested, [&](int ms) { delays.append(ms); });
    // A request without a kind asks for the data set, as the send command reads it.
    for (const char* kind : {"20", "30", "31", "38", ""}) {
        interpret(QByteArray("\x84") + kind + "\r");
        EXPECT_EQ(commands.PendingTransferKind(), QLatin1String(kind));
    }
    EXPECT_EQ(delays, (QList<int>{100, 100, 100, 100, 100}));

    commands.setPendingTransferKind(QString());
    for (const char* kind : {"39", "21", "2", "3"}) {
        interpret(QByteArray("\x84") + kind + "\r");
        EXPECT_TRUE(commands.PendingTransferKind().isEmpty()) << kind;
    }
    EXPECT_EQ(delays.size(), 5);
    EXPECT_EQ(sink.count(QStringLiteral("Comm_InterpretCommand_Err")), 4);
    EXPECT_TRUE(sent.isEmpty()) << "nothing is answered";
}

TEST_F(LinkCommandsTest, ResetOrderResetsWithoutAskingAndConfirms)
{
    data.Current.InputName[0][0].set(QStringLiteral("EDITED"));
    interpret(QByteArray("\x87\r"));
    EXPECT_TRUE(ui.queries.isEmpty());
    EXPECT_EQ(data.Current.InputName[0][0].trimmedRight(), QStringLiteral("RESET"));
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent[0], QByteArray("\x88\r"));
    EXPECT_EQ(ui.status, QStringLiteral(" Comm_Reset_ByRequest"));
}

TEST_F(LinkCommandsTest, LinkTestAndItsAnswer)
{
    interpret(QByteArray("\x80\r"));
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent[0], QByteArray("\x81\r"));
    EXPECT_EQ(ui.status, QStringLiteral(" Comm_OnlineTest_Request_Info"));

    settings.ShowMsgBox = true;
    interpret(QByteArray("\x81\r"));
    EXPECT_EQ(ui.status, QStringLiteral(" Comm_OnlineTest_Info"));
    ASSERT_EQ(ui.boxes.size(), 1);
    EXPECT_EQ(ui.boxes[0].icon, MessageIcon::Information);
    EXPECT_FALSE(sink.has(QStringLiteral("Comm_OnlineTest_Info")));

    interpret(QByteArray("\x88\r"));
    EXPECT_EQ(ui.status, QStringLiteral(" Comm_Reset_Done"));
    EXPECT_EQ(ui.boxes.size(), 2);
}

TEST_F(LinkCommandsTest, StatusTextsBothWays)
{
    data.StatusText[0].set(QStringLiteral("Studio A"));
    interpret(QByteArray("\x82\r"));
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent[0].size(), 1 + 780 + 1);
    EXPECT_EQ(quint8(sent[0].at(0)), 0x83);
    EXPECT_EQ(ui.status, QStringLiteral(" Comm_VersionInfo_Sent"));

    const QByteArray three = "03" + QByteArray("One").toHex().toUpper() + "03" + QByteArray("Two").toHex().toUpper() +
                             "00";
    interpret("\x83" + three + "\r");
    EXPECT_EQ(data.StatusText[0].trimmedRight(), QStringLiteral("One"));
    EXPECT_EQ(data.StatusText[1].trimmedRight(), QStringLiteral("Two"));
    EXPECT_TRUE(data.StatusText[3].trimmedRight().isEmpty());
    EXPECT_EQ(ui.status, QStringLiteral(" Comm_VersionInfo_Received")) << "ShowMsgBox off: status line";

    settings.ShowMsgBox = true;
    interpret("\x83" + three + "\r");
    EXPECT_TRUE(ui.status.isEmpty()) << "cleared, the text is in the box";
    ASSERT_EQ(ui.boxes.size(), 1);
    EXPECT_EQ(ui.boxes[0].text, QStringLiteral("Comm_VersionInfo_Received"));
}

TEST_F(LinkCommandsTest, StatusTextListWithMoreThanSixEntriesFails)
{
    QByteArray seven;
    for (int i = 1; i <= 7; ++i)
        seven += "01" + QByteArray::number(30 + i);
    interpret("\x83" + seven + "\r");
    EXPECT_EQ(data.StatusText[5].trimmedRight(), QStringLiteral("6"));
    EXPECT_TRUE(sink.has(QStringLiteral("Comm_InterpretCommand_Err")));
    EXPECT_FALSE(sink.has(QStringLiteral("Comm_VersionInfo_Received")));
    EXPECT_NE(ui.status, QStringLiteral(" Comm_VersionInfo_Received"));
    EXPECT_TRUE(ui.boxes.isEmpty());
}

TEST_F(LinkCommandsTest, ControlUnitVersionIsStored)
{
    interpret("\x89" + QByteArray("2.05").toHex().toUpper() + "\r");
    EXPECT_EQ(data.ACUVersion.text(), QStringLiteral("2.05"));
    EXPECT_EQ(ui.status, QStringLiteral(" ACU Versionsnummer empfangen"));
    interpret("\x89" + QByteArray("7").toHex().toUpper() + "\r");
    EXPECT_EQ(data.ACUVersion.text(), QStringLiteral("7   "));
    EXPECT_GE(ui.dataSetToPagesCount, 2);
}

// Line noise inside a status text or version frame: what the editor holds stays.
TEST_F(LinkCommandsTest, NoiseInStatusTextOrVersionFrameStoresNothing)
{
    const QByteArray cases[] = {
        "\x83" "03" + QByteArray("One").toHex().toUpper().replace(2, 1, "\x13") + "\r",
        "\x83" "03" + QByteArray("One").toHex().toUpper() + "0G41\r",
        "\x89" "32\x7F" "3035\r",
    };
    data.StatusText[0].set(QStringLiteral("Studio A"));
    data.ACUVersion.set(QStringLiteral("1.00"));
    for (const QByteArray& frame : cases) {
        SCOPED_TRACE(frame.toHex().toStdString());
        sink.lines.clear();
        interpret(frame);
        EXPECT_EQ(data.StatusText[0].trimmedRight(), QStringLiteral("Studio A"));
        EXPECT_EQ(data.ACUVersion.text(), QStringLiteral("1.00"));
        EXPECT_TRUE(sink.has(QStringLiteral("Comm_InterpretCommand_Err")));
        EXPECT_FALSE(sink.has(QStringLiteral("Comm_VersionInfo_Received")));
        EXPECT_NE(ui.status, QStringLiteral(" ACU Versionsnummer empfangen"));
    }
}

TEST_F(LinkCommandsTest, UnknownCodeIsLogged)
{
    setMessage(QStringLiteral("Comm_InterpretCommand_Err"), QStringLiteral("Fehler: &"));
    setMessage(QStringLiteral("Comm_Command_Unknown"), QStringLiteral("Befehl & unbekannt"));
    commands.InterpretCommand(QStringLiteral("8F"), QByteArray("\x8F\r"));
    EXPECT_TRUE(sink.has(QStringLiteral("  Fehler: Befehl 8F unbekannt")));
    EXPECT_TRUE(ui.boxes.isEmpty());
    EXPECT_FALSE(ui.busy);
}

TEST_F(LinkCommandsTest, ReceivedFramesGoToTheDebugMonitorAtLevelsOneAndThree)
{
    QList<QByteArray> shown;
    QObject::connect(link.get(), &SerialLink::debugOutput, [&](const QByteArray& b, bool isFrame) {
        if (isFrame)
            shown.append(b);
    });
    for (int level : {0, 1, 2, 3}) {
        link->setDebugLevel(level);
        interpret(QByteArray("\x88\r"));
    }
    EXPECT_EQ(shown.size(), 2);
}

TEST_F(LinkCommandsTest, FramesFromTheTimerReachTheCommands)
{
    port.receive(QByteArray("\x80\r"));
    runFor(60);
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent[0], QByteArray("\x81\r"));
}
