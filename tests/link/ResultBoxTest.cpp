#include "CommandsFixture.h"

// Result boxes of device frames: each comes after the frame's handling, with the
// transfer dialog gone, and the link goes on serving the device while it is open.
class ResultBoxTest : public CommandsFixture
{
protected:
    ResultBoxTest()
    {
        settings.ShowMsgBox = true;
        ui.dialogAnswers = {folder.file(QStringLiteral("record.CNS"))};
        // The user takes a while to answer; meanwhile the device runs a link test.
        ui.whileBoxOpen = [this](const FakeUserInterface::Box&) {
            ++m_open;
            maxOpen = std::max(maxOpen, m_open);
            opened.append({ui.transferDialogVisible, link->WaitBusy()});
            const qsizetype before = sent.size();
            port.receive("\x80\r");
            runFor(4 * link->settings().TimerInterval);
            answeredWhileOpen.append(sent.mid(before).contains("\x81\r"));
            --m_open;
        };
    }

    struct Opened
    {
        bool transferDialogVisible;
        bool frameBeingHandled;
    };
    QList<Opened> opened;
    QList<bool> answeredWhileOpen;
    int maxOpen = 0;

private:
    int m_open = 0;
};

TEST_F(ResultBoxTest, LinkTestsAreAnsweredWhileEachKindOfResultBoxIsOpen)
{
    struct Case
    {
        const char* name;
        QByteArray frame;
        bool showMsgBox;
        const char* box;
    };
    const Case cases[] = {
        {"81", "\x81\r", true, "Comm_OnlineTest_Info"},
        {"83", "\x83" "03" + QByteArray("One").toHex().toUpper() + "\r", true, "Comm_VersionInfo_Received"},
        {"85", "\x85" "31" + QByteArray("Snapshot").toHex().toUpper() + "\r", true, "Comm_Data_Received"},
        {"86", "\x86" "3335\r", true, "Comm_Data_Sent"},
        {"wrong 86", "\x86" "3336\r", false, "Comm_Checksum_Err"},
        {"88", "\x88\r", true, "Comm_Reset_Done"},
        {"89", "\x89" + QByteArray("2.05").toHex().toUpper() + "\r", true, "ACU Versionsnummer empfangen"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        settings.ShowMsgBox = c.showMsgBox;
        commands.setSentChecksum(35);
        ui.boxes.clear();
        opened.clear();
        answeredWhileOpen.clear();
        port.receive(c.frame);
        runFor(6 * link->settings().TimerInterval);
        ASSERT_EQ(ui.boxes.size(), 1);
        EXPECT_EQ(ui.boxes[0].text, QString::fromLatin1(c.box));
        EXPECT_FALSE(opened[0].transferDialogVisible);
        EXPECT_FALSE(opened[0].frameBeingHandled);
        EXPECT_EQ(answeredWhileOpen, QList<bool>{true});
    }
}

// A result that comes while a box is open waits behind it, not on top of it.
TEST_F(ResultBoxTest, BoxOfAFrameArrivingWhileABoxIsOpenFollowsIt)
{
    auto first = ui.whileBoxOpen;
    ui.whileBoxOpen = [this, first](const FakeUserInterface::Box& box) {
        if (ui.boxes.size() == 1)
            port.receive("\x88\r");
        first(box);
    };
    port.receive("\x81\r");
    runFor(12 * link->settings().TimerInterval);
    ASSERT_EQ(ui.boxes.size(), 2);
    EXPECT_EQ(ui.boxes[0].text, QStringLiteral("Comm_OnlineTest_Info"));
    EXPECT_EQ(ui.boxes[1].text, QStringLiteral("Comm_Reset_Done"));
    EXPECT_EQ(maxOpen, 1);
    EXPECT_EQ(answeredWhileOpen, (QList<bool>{true, true}));
}
