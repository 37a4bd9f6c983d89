#include "Application.h"
#include "Clock.h"
#include "MainShell.h"
#include "MainWindow.h"
#include "ModelPictures.h"
#include "QtSerialControl.h"
#include "QtUserInterface.h"
#include "SettingsFile.h"
#include "SimulatorProcess.h"
#include "TestFolder.h"
#include "TransferDialog.h"
#include "UiTestEnv.h"

#include "pages/LayerPage.h"
#include "pages/NamesPage.h"
#include "pages/SnapshotPage.h"
#include "pages/StatusPage.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Runs events until `done` holds or `ms` have passed.
template <typename Done>
bool runUntil(Done done, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

// The program as main() puts it together, with the bundled settings file in a
// temporary program folder and the device simulator behind port 2.
class ProgramSession : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QByteArray bundled = UiTestEnv::bundledSettings();
        ASSERT_FALSE(bundled.isEmpty());
        const QString ini = folder.write(QStringLiteral("ZEL308Tools.Ini"), bundled);
        const QString link = folder.file(QStringLiteral("ttySIM"));
        ASSERT_TRUE(sim.start(QStringList{QStringLiteral("--link"), link, QStringLiteral("--settings"), ini} +
                              deviceOptions))
            << sim.error().toStdString();
        const auto set = [&ini](const char* section, const char* key, const QString& value) {
            WriteSetting(ini, QString::fromLatin1(section), QString::fromLatin1(key), value, false);
        };
        set("Main", "Debug", QStringLiteral("yes")); // no splash minimum
        set("Main", "ShowMsgBox", QStringLiteral("no"));
        set("Main", "WriteLogFile", QStringLiteral("no"));
        set("Main", "RequestStatus", QStringLiteral("yes"));
        set("Main", "RequestData", QStringLiteral("yes"));
        set("Comm", "Port", QStringLiteral("2"));
        set("Comm", "TimeOut", QStringLiteral("3"));
        set("Comm", "TimerInterval", QStringLiteral("50"));
        set("PortNames", "COM2", link);

        identity.ProgramFolder = folder.path();
        identity.ProgramFileName = QStringLiteral("ZEL308Tools");
        port = std::make_unique<QtSerialControl>(ini);
        ui.setBoxAnswer([this](QMessageBox& box) {
            boxes.append(box.text());
            return QMessageBox::Yes;
        });
        app = std::make_unique<Application>(identity, ui, clock, *port, [this](int) { ended = true; });
        shell = std::make_unique<MainShell>(*app, ui);
    }

    template <typename Page>
    Page* page(const char* form) const
    {
        return static_cast<Page*>(shell->mainWindow()->page(QString::fromLatin1(form)));
    }

    QStringList deviceOptions;
    TestFolder folder;
    SimulatorProcess sim;
    AppSettings identity;
    SystemClock clock;
    QtUserInterface ui;
    std::unique_ptr<QtSerialControl> port;
    std::unique_ptr<Application> app;
    std::unique_ptr<MainShell> shell;
    QStringList boxes;
    bool ended = false;
};

TEST_F(ProgramSession, StartUpFetchesStatusAndDataSetAndAnswersTheDevicesRequest)
{
    ASSERT_EQ(app->Start(*shell), 0) << boxes.join(QLatin1Char('\n')).toStdString();
    EXPECT_FALSE(ended);
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(sim.logged(QStringLiteral("RX 82")));
    EXPECT_TRUE(sim.logged(QStringLiteral("RX 84")));

    auto* status = page<StatusPage>("frmTabStripData01");
    EXPECT_EQ(status->txtStatus(0)->text(), QStringLiteral("Device status 1"));
    EXPECT_EQ(status->txtStatus(5)->text(), QStringLiteral("Device status 6"));
    // The data set's answer is handed over once the receive interval has passed.
    auto* names = page<NamesPage>("frmTabStripData02");
    EXPECT_TRUE(runUntil([names] { return names->txtInput(5, 7)->text() == QStringLiteral("IN5-8"); }, 2000));
    EXPECT_EQ(names->txtInput(1, 0)->text(), QStringLiteral("IN1-1"));
    auto* layers = page<LayerPage>("frmTabStripData03");
    EXPECT_EQ(layers->txtInput(0, 2)->text(), QStringLiteral("IN1-1"));
    EXPECT_EQ(layers->txtInput(2, 0)->text(), QStringLiteral("IN1-3"));
    // The fields after the layer table sit where the bundled fader count puts them.
    auto* snapshots = page<SnapshotPage>("frmTabStripData07");
    EXPECT_EQ(snapshots->txtConfigName(0)->text(), QStringLiteral("CONF1"));
    EXPECT_EQ(snapshots->txtConfigName(7)->text(), QStringLiteral("CONF8"));
    EXPECT_EQ(app->settings().ReadyText, QStringLiteral("Bereit"));

    // The device asks for the data set: the program sends it after its 100 ms timer.
    sim.command(QStringLiteral("84 20"));
    EXPECT_TRUE(sim.logged(QStringLiteral("RX 85"), 5000));
    EXPECT_TRUE(runUntil([this] { return sim.lines().filter(QStringLiteral("TX 86")).size() == 1; }, 3000));
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join(QLatin1Char('\n')).toStdString();
}

TEST_F(ProgramSession, DebugButtonEncodesThePagesAndDecodesThemAgain)
{
    ASSERT_EQ(app->Start(*shell), 0) << boxes.join(QLatin1Char('\n')).toStdString();
    auto* names = page<NamesPage>("frmTabStripData02");
    ASSERT_TRUE(runUntil([names] { return names->txtInput(5, 7)->text() == QStringLiteral("IN5-8"); }, 2000));
    names->txtInput(1, 0)->setText(QStringLiteral("MIC A"));
    names->txtInput(5, 7)->setText(QStringLiteral("TEL 2"));

    QPushButton* debug = shell->mainWindow()->debugButton();
    ASSERT_FALSE(debug->isHidden());
    debug->click();
    EXPECT_EQ(boxes, QStringList{QStringLiteral("Erstellt")});
    EXPECT_EQ(app->data().Current.InputName[0][0].trimmedRight(), QStringLiteral("MIC A"));
    EXPECT_EQ(names->txtInput(1, 0)->text(), QStringLiteral("MIC A"));
    EXPECT_EQ(names->txtInput(5, 7)->text(), QStringLiteral("TEL 2"));
    EXPECT_EQ(page<LayerPage>("frmTabStripData03")->txtInput(0, 0)->text(), QStringLiteral("MIC A"));
}

// Right after start-up, before the about window was ever opened.
TEST_F(ProgramSession, WindowsCarryTheModelIconAndTheProtocolBelongsToTheMainWindow)
{
    ASSERT_EQ(app->Start(*shell), 0) << boxes.join(QLatin1Char('\n')).toStdString();
    MainWindow* window = shell->mainWindow();
    const QImage zel308 = ModelPictures::icon(1).pixmap(32).toImage();
    EXPECT_EQ(window->windowIcon().pixmap(32).toImage(), zel308);
    auto* protocol = dynamic_cast<QWidget*>(shell->protocolView());
    ASSERT_NE(protocol, nullptr);
    EXPECT_EQ(protocol->parentWidget(), window);
    EXPECT_TRUE(protocol->isWindow());
    EXPECT_EQ(protocol->windowIcon().pixmap(32).toImage(), zel308);
}

// A device that takes its time to answer, so a wait lasts long enough to act in.
class SlowDeviceSession : public ProgramSession
{
protected:
    SlowDeviceSession() { deviceOptions = {QStringLiteral("--delay"), QStringLiteral("600")}; }
    void SetUp() override
    {
        ProgramSession::SetUp();
        // Every link command on the toolbar.
        const QString ini = folder.file(QStringLiteral("ZEL308Tools.Ini"));
        for (const char* key : {"SystemResetEnabled", "VersionInfoEnabled", "OnlineTestEnabled"})
            WriteSetting(ini, QStringLiteral("Main"), QString::fromLatin1(key), QStringLiteral("yes"), false);
    }
};

// The user asks for the data set; while the program waits for it, the link test
// cannot be clicked, and the device's own link test and data request are served:
// the data set is answered with its checksum and the program's is sent after it.
TEST_F(SlowDeviceSession, SecondLinkCommandWhileOneIsWaiting)
{
    ASSERT_EQ(app->Start(*shell), 0) << boxes.join(QLatin1Char('\n')).toStdString();
    MainWindow* window = shell->mainWindow();
    ASSERT_TRUE(runUntil([this] { return sim.lines().filter(QStringLiteral("TX 85")).size() == 1; }, 3000));
    ASSERT_TRUE(runUntil([this] { return sim.lines().filter(QStringLiteral("RX 86")).size() == 1; }, 3000));
    const int requestsBefore = sim.lines().filter(QStringLiteral("RX 84")).size();

    QStringList disabled;
    QTimer::singleShot(200, window, [&] {
        for (int command : {5, 6, 7, 8, 9, 10})
            if (!window->toolButton(command)->isEnabled())
                disabled.append(QString::number(command));
        window->toolButton(9)->trigger();
        sim.command(QStringLiteral("80"));
        sim.command(QStringLiteral("84 20"));
    });
    window->toolButton(6)->trigger();

    EXPECT_EQ(disabled, QStringList({"5", "6", "7", "8", "9", "10"}));
    EXPECT_TRUE(window->toolButton(9)->isEnabled());
    EXPECT_EQ(sim.lines().filter(QStringLiteral("RX 84")).size(), requestsBefore + 1);
    EXPECT_TRUE(sim.logged(QStringLiteral("RX 81"), 2000)) << "the device's link test is answered";
    EXPECT_TRUE(runUntil([this] { return sim.lines().filter(QStringLiteral("RX 86")).size() == 2; }, 3000))
        << "the data set asked for is answered with its checksum";
    EXPECT_TRUE(sim.logged(QStringLiteral("RX 85"), 5000)) << "the device's request is served after the wait";
    EXPECT_TRUE(runUntil([this] { return sim.lines().filter(QStringLiteral("TX 86")).size() == 1; }, 3000));
    EXPECT_TRUE(sim.lines().filter(QStringLiteral("RX 80")).isEmpty()) << "no link test of the program's own";
    EXPECT_EQ(boxes.size(), 1) << "only the query: " << boxes.join(QLatin1Char('\n')).toStdString();
}

// Result boxes with "ShowMsgBox" on, held open by the user for a while.
class ResultBoxSession : public ProgramSession
{
protected:
    void SetUp() override
    {
        ProgramSession::SetUp();
        const QString ini = folder.file(QStringLiteral("ZEL308Tools.Ini"));
        const auto set = [&ini](const char* key, const char* value) {
            WriteSetting(ini, QStringLiteral("Main"), QString::fromLatin1(key), QString::fromLatin1(value), false);
        };
        set("ShowMsgBox", "yes");
        set("RequestStatus", "no");
        set("RequestData", "no");
        for (const char* key : {"SystemResetEnabled", "VersionInfoEnabled", "OnlineTestEnabled"})
            set(key, "yes");
    }

    int answeredLinkTests() { return sim.lines().filter(QStringLiteral("RX 81")).size(); }
};

// While each result box is open, the device runs a link test: it is answered
// before the user closes the box, and no transfer dialog stands behind the box.
TEST_F(ResultBoxSession, DeviceLinkTestsAreAnsweredWhileAResultBoxIsOpen)
{
    ASSERT_EQ(app->Start(*shell), 0) << boxes.join(QLatin1Char('\n')).toStdString();
    struct Opened
    {
        QString text;
        bool dialogBehind;
        bool answered;
    };
    QList<Opened> opened;
    ui.setBoxAnswer([&](QMessageBox& box) {
        if (box.standardButtons() & QMessageBox::Yes)
            return QMessageBox::Yes;
        const bool dialogBehind = ui.transferDialog()->isVisible();
        const int before = answeredLinkTests();
        sim.command(QStringLiteral("80"));
        const bool answered = runUntil([&] { return answeredLinkTests() > before; }, 2000);
        opened.append({box.text(), dialogBehind, answered});
        return QMessageBox::Ok;
    });
    const QStringList results = {
        QStringLiteral("Online-Test erfolgreich: Das System antwortet."),
        QStringLiteral("Versionsinformation vom System empfangen"),
        QStringLiteral("Daten vom System empfangen"),
        QStringLiteral("Daten erfolgreich an das System gesendet"),
        QStringLiteral("System-Reset ausgeführt"),
    };
    const int commands[] = {9, 8, 6, 5, 7};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(commands[i]);
        shell->mainWindow()->toolButton(commands[i])->trigger();
        ASSERT_TRUE(runUntil([&] { return opened.size() > i; }, 3000));
        EXPECT_EQ(opened[i].text, results[i]);
        EXPECT_FALSE(opened[i].dialogBehind);
        EXPECT_TRUE(opened[i].answered);
    }
}

} // namespace
