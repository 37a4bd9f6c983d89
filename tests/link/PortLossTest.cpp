#include "SimulatorFixture.h"

#include "DataContext.h"
#include "LinkCommands.h"
#include "PseudoTerminal.h"
#include "SelectorLists.h"

#include <QElapsedTimer>
#include <QFile>

#include <functional>
#include <memory>

// The device at the far end of a pseudo-terminal behind port 2's stable name: the
// test pulls it (closes its end) and plugs in a new one under the same name.
class PortLossTest : public SimulatorFixture
{
protected:
    void SetUp() override
    {
        WriteSetting(settings.SettingsFile, QStringLiteral("Messages_GER"), QStringLiteral("Comm_PortLost_Err"),
                     QStringLiteral("COM& verloren: &"), false);
        plugIn();
        WriteSetting(settings.SettingsFile, QStringLiteral("PortNames"), QStringLiteral("COM2"), deviceName(),
                     false);
        ASSERT_EQ(link->ReadCommSettings(), 0) << link->lastError().toStdString();
        ASSERT_TRUE(link->OpenPort());
    }

    QString deviceName() const { return folder.file(QStringLiteral("ttyDEV")); }
    void plugIn()
    {
        device = std::make_unique<PseudoTerminal>();
        QFile::remove(deviceName());
        ASSERT_TRUE(QFile::link(device->slavePath(), deviceName()));
    }

    static void runFor(int ms) { RunEventsFor(ms); }
    void later(int ms, std::function<void()> action) { QTimer::singleShot(ms, &m_timers, std::move(action)); }
    static bool runUntil(const std::function<bool()>& done, int ms)
    {
        QElapsedTimer t;
        t.start();
        while (!done() && t.elapsed() < ms)
            RunEventsFor(10);
        return done();
    }

    ConfigurationData data;
    DataContext dataCtx{*ctx, data};
    SelectorLists lists;
    LinkCommands commands{dataCtx, *link, lists};
    std::unique_ptr<PseudoTerminal> device;
    QObject m_timers;
};

// Pulled while idle, while a frame goes out, while an answer is awaited: one box
// names the port as lost, and once the device is back its link test is answered
// without anything done by the user.
TEST_F(PortLossTest, LostPortIsNamedAndComesBackByItself)
{
    struct Case
    {
        const char* name;
        std::function<void()> activity; // runs until the device is pulled
    };
    const Case cases[] = {
        {"idle", [this] { runFor(200); }},
        {"mid-send",
         [this] {
             // The device reads nothing, so the frame stays in the line's buffer.
             EXPECT_FALSE(link->TransmitData(QByteArray("\x85") + QByteArray(30000, '0') + "\r"));
         }},
        {"mid-wait",
         [this] {
             later(50, [this] { device->read(10); });
             ASSERT_TRUE(link->TransmitData("\x84" "20\r"));
             EXPECT_FALSE(link->WaitForResponse(QStringLiteral("85")));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui.boxes.clear();
        later(150, [this] { device->close(); });
        c.activity();
        ASSERT_TRUE(runUntil([this] { return !ui.boxes.isEmpty(); }, 1000));
        runFor(100);
        ASSERT_EQ(ui.boxes.size(), 1);
        const QString lost = QStringLiteral("COM2 verloren: ") + deviceName() + QStringLiteral(": ");
        EXPECT_TRUE(ui.boxes[0].text.startsWith(lost)) << ui.boxes[0].text.toStdString();
        EXPECT_FALSE(port->PortOpen());

        plugIn();
        ASSERT_TRUE(runUntil([this] { return port->PortOpen(); }, 2500)) << "opened again within two seconds";
        EXPECT_EQ(ui.status, QStringLiteral(" Comm_PortBack_Info"));
        device->write("\x80\r");
        QByteArray answer;
        EXPECT_TRUE(runUntil([&] { return (answer += device->read(1)).size() >= 2; }, 1000));
        EXPECT_EQ(answer, QByteArray("\x81\r"));
        EXPECT_EQ(ui.boxes.size(), 1);
    }
}
