#include "CommSettings.h"
#include "LineSettings.h"
#include "LinkFixture.h"
#include "PortDeviceName.h"

class CommSettingsTest : public LinkFixture
{
protected:
    CommSettingsTest() { port.setPortOpen(false); }
    QString comm(const QString& key) const
    {
        return ReadSetting(settings.SettingsFile, QStringLiteral("Comm"), key, QStringLiteral("<none>"));
    }
};

TEST_F(CommSettingsTest, DefaultsWithoutASection)
{
    ASSERT_EQ(link->ReadCommSettings(), 0);
    EXPECT_EQ(port.CommPort(), 2);
    EXPECT_EQ(port.Settings(), QStringLiteral("19200,N,8,1"));
    EXPECT_EQ(port.InBufferSize(), 1024);
    EXPECT_EQ(port.OutBufferSize(), 512);
    EXPECT_TRUE(port.DTREnable());
    EXPECT_TRUE(port.RTSEnable());
    EXPECT_EQ(port.Handshaking(), 0);
    EXPECT_EQ(port.InputLen(), 0);
    EXPECT_EQ(port.inputMode(), InputMode::Binary);
    EXPECT_TRUE(port.NullDiscard());
    EXPECT_EQ(port.RThreshold(), 1);
    EXPECT_EQ(port.SThreshold(), 1);
    EXPECT_EQ(link->settings().TimeOut, 10);
    EXPECT_TRUE(link->settings().ShowCancelDialog);
    EXPECT_EQ(link->settings().TimerInterval, 500);
}

TEST_F(CommSettingsTest, LowerCaseSettingsAreAppliedAndWrittenBackUpperCased)
{
    writeComm(QStringLiteral("Settings"), QStringLiteral("9600,e,7,2"));
    ASSERT_EQ(link->ReadCommSettings(), 0);
    EXPECT_EQ(port.Settings(), QStringLiteral("9600,E,7,2"));
    EXPECT_EQ(port.lineSettings().parity, 'E');
    ASSERT_EQ(link->WriteCommSettings(), 0);
    EXPECT_EQ(comm(QStringLiteral("Settings")), QStringLiteral("9600,E,7,2"));
}

TEST_F(CommSettingsTest, YesNoRuleForTheLineFlags)
{
    struct Case
    {
        const char* text;
        bool on;
    };
    for (const Case& c : {Case{"Ja", true}, Case{"yes", true}, Case{"YES", true}, Case{"1", false},
                          Case{"true", false}, Case{"", false}, Case{"nein", false}}) {
        writeComm(QStringLiteral("DTREnable"), QLatin1String(c.text));
        writeComm(QStringLiteral("ShowCancelDialog"), QLatin1String(c.text));
        ASSERT_EQ(link->ReadCommSettings(), 0) << c.text;
        EXPECT_EQ(port.DTREnable(), c.on) << c.text;
        EXPECT_EQ(link->settings().ShowCancelDialog, c.on) << c.text;
    }
}

TEST_F(CommSettingsTest, EveryValueIsWrittenBackInItsForm)
{
    writeComm(QStringLiteral("Port"), QStringLiteral("3"));
    writeComm(QStringLiteral("DTREnable"), QStringLiteral("Ja"));
    writeComm(QStringLiteral("RTSEnable"), QStringLiteral("nein"));
    writeComm(QStringLiteral("TimeOut"), QStringLiteral("0"));
    ASSERT_EQ(link->ReadCommSettings(), 0);
    ASSERT_EQ(link->WriteCommSettings(), 0);
    EXPECT_EQ(comm(QStringLiteral("Port")), QStringLiteral("3"));
    EXPECT_EQ(comm(QStringLiteral("DTREnable")), QStringLiteral("yes"));
    EXPECT_EQ(comm(QStringLiteral("RTSEnable")), QStringLiteral("no"));
    EXPECT_EQ(comm(QStringLiteral("InBufferSize")), QStringLiteral("1024"));
    EXPECT_EQ(comm(QStringLiteral("OutBufferSize")), QStringLiteral("512"));
    EXPECT_EQ(comm(QStringLiteral("HandShaking")), QStringLiteral("0"));
    EXPECT_EQ(comm(QStringLiteral("TimeOut")), QStringLiteral("0"));
    EXPECT_EQ(comm(QStringLiteral("ShowCancelDialog")), QStringLiteral("yes"));
    EXPECT_EQ(comm(QStringLiteral("TimerInterval")), QStringLiteral("500"));
}

TEST_F(CommSettingsTest, FailingSubStepIsReturnedAndTheRestIsNotDone)
{
    struct Case
    {
        const char* key;
        const char* value;
        int step;
    };
    for (const Case& c :
         {Case{"Port", "abc", 1}, Case{"Port", "0", 1}, Case{"Settings", "19200,N,4,1", 2},
          Case{"Settings", "19200,X,8,1", 2}, Case{"Settings", "fast", 2}, Case{"InBufferSize", "big", 3},
          Case{"OutBufferSize", "-5", 4}, Case{"HandShaking", "7", 7}, Case{"TimeOut", "soon", 9},
          Case{"TimerInterval", "", 11}}) {
        TestFolder other;
        settings.SettingsFile = other.write(QStringLiteral("t.Ini"), "[Comm]\r\n");
        writeComm(QLatin1String(c.key), QLatin1String(c.value));
        writeComm(QStringLiteral("TimeOut"), c.step == 9 ? QLatin1String(c.value) : QStringLiteral("7"));
        link->settings().TimeOut = 99;
        EXPECT_EQ(link->ReadCommSettings(), c.step) << c.key << "=" << c.value;
        EXPECT_FALSE(link->lastError().isEmpty()) << c.key;
        EXPECT_EQ(link->settings().TimeOut, c.step <= 9 ? 99 : 7) << c.key;
    }
}

TEST_F(CommSettingsTest, RefusedFixedPropertiesAreStepEight)
{
    port.refuse.insert(QStringLiteral("Fixed"));
    EXPECT_EQ(link->ReadCommSettings(), 8);
    EXPECT_EQ(link->WriteCommSettings(), 8);
}

TEST_F(CommSettingsTest, ReadingClosesAnOpenPort)
{
    port.setPortOpen(true);
    ASSERT_EQ(link->ReadCommSettings(), 0);
    EXPECT_FALSE(port.PortOpen());
}

TEST_F(CommSettingsTest, DebugLevelIsTheIntegerPartOfTheNumber)
{
    struct Case
    {
        const char* text;
        int level;
    };
    for (const Case& c : {Case{"2.7", 2}, Case{"", 0}, Case{" 3 ", 3}, Case{"x", 0}, Case{"1abc", 1}}) {
        writeComm(QStringLiteral("Debug"), QLatin1String(c.text));
        EXPECT_EQ(ReadDebugLevel(settings.SettingsFile), c.level) << c.text;
    }
}

TEST_F(CommSettingsTest, InitLinkReadsTestsThePortAndAsksForTheMonitor)
{
    writeComm(QStringLiteral("Debug"), QStringLiteral("2.7"));
    int wanted = 0;
    QObject::connect(link.get(), &SerialLink::debugMonitorWanted, [&] { ++wanted; });
    const int opens = port.opens;
    EXPECT_EQ(link->InitLink(), 0);
    EXPECT_EQ(link->DebugLevel(), 2);
    EXPECT_EQ(port.opens, opens + 1);
    EXPECT_FALSE(port.PortOpen()) << "opened and closed again";
    EXPECT_EQ(wanted, 1);
}

TEST_F(CommSettingsTest, InitLinkReportsTheFailedTestOpeningAsStep13)
{
    port.openResults.append(PortResult::failure(QStringLiteral("/dev/ttyS1: busy"), PortInUse));
    EXPECT_EQ(link->InitLink(), 13);
    EXPECT_EQ(link->lastError(), QStringLiteral("/dev/ttyS1: busy"));
    writeComm(QStringLiteral("Settings"), QStringLiteral("19200,N,4,1"));
    EXPECT_EQ(link->InitLink(), 2);
}

TEST_F(CommSettingsTest, OpenPortOnAnOpenPortChangesNothing)
{
    port.setPortOpen(true);
    const int opens = port.opens;
    EXPECT_TRUE(link->OpenPort());
    EXPECT_EQ(port.opens, opens);
    EXPECT_TRUE(link->PortIsOpen());
    EXPECT_TRUE(link->ClosePort());
    EXPECT_FALSE(port.PortOpen());
    EXPECT_TRUE(link->ClosePort());
}

TEST_F(CommSettingsTest, FailedOpeningIsReportedWithDescriptionAndPortNumber)
{
    setMessage(QStringLiteral("Comm_OpenPort_Err"), QStringLiteral("Fehler & an COM&"));
    settings.ShowMsgBox = false;
    port.openResults.append(PortResult::failure(QStringLiteral("no such device"), PortNotFound));
    EXPECT_FALSE(link->OpenPort());
    ASSERT_EQ(ui.boxes.size(), 1);
    EXPECT_EQ(ui.boxes[0].text, QStringLiteral("Fehler no such device an COM1"));
    EXPECT_EQ(ui.status, QStringLiteral(" Fehler no such device an COM1"));
    EXPECT_TRUE(sink.has(QStringLiteral("  Fehler no such device an COM1")));
}

TEST(LineSettingsTest, ReadsTheFourItems)
{
    struct Case
    {
        const char* text;
        bool ok;
        int baud;
        char parity;
        int data;
        int stopTimesTwo;
    };
    for (const Case& c :
         {Case{"19200,N,8,1", true, 19200, 'N', 8, 2}, Case{"2400,e,7,2", true, 2400, 'E', 7, 4},
          Case{"9600,M,5,1.5", true, 9600, 'M', 5, 3}, Case{"115200,s,6,1", true, 115200, 'S', 6, 2},
          Case{"19200,N,4,1", false, 0, 0, 0, 0}, Case{"19200,N,9,1", false, 0, 0, 0, 0},
          Case{"19200,X,8,1", false, 0, 0, 0, 0}, Case{"0,N,8,1", false, 0, 0, 0, 0},
          Case{"19200,N,8,3", false, 0, 0, 0, 0}, Case{"19200,N,8", false, 0, 0, 0, 0},
          Case{"", false, 0, 0, 0, 0}}) {
        QString why;
        const auto s = LineSettings::parse(QLatin1String(c.text), &why);
        ASSERT_EQ(s.has_value(), c.ok) << c.text;
        if (!c.ok) {
            EXPECT_FALSE(why.isEmpty()) << c.text;
            continue;
        }
        EXPECT_EQ(s->baudRate, c.baud);
        EXPECT_EQ(s->parity, c.parity);
        EXPECT_EQ(s->dataBits, c.data);
        EXPECT_EQ(s->stopBitsTimesTwo, c.stopTimesTwo);
    }
    EXPECT_EQ(LineSettings::parse(QStringLiteral("2400,e,7,1.5"))->text(), QStringLiteral("2400,E,7,1.5"));
    EXPECT_EQ(LineSettings::parse(QStringLiteral("19200,N,8,1"))->bitsPerCharacter(), 10);
    EXPECT_EQ(LineSettings::parse(QStringLiteral("19200,E,8,2"))->bitsPerCharacter(), 12);
}

TEST(PortDeviceNameTest, NamedInTheSettingsFileElseTheSystemsNaming)
{
    TestFolder folder;
    const QString file = folder.write(QStringLiteral("t.Ini"), "[PortNames]\r\nCOM3=/tmp/ttySIM\r\n");
    EXPECT_EQ(PortDeviceName(file, 3), QStringLiteral("/tmp/ttySIM"));
#ifdef Q_OS_WIN
    EXPECT_EQ(PortDeviceName(file, 2), QStringLiteral("COM2"));
#else
    EXPECT_EQ(PortDeviceName(file, 2), QStringLiteral("/dev/ttyS1"));
    EXPECT_EQ(PortDeviceName(file, 1), QStringLiteral("/dev/ttyS0"));
#endif
}
