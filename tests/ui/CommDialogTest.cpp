#include "CommDialog.h"

#include "AppContext.h"
#include "AppLog.h"
#include "AppSettings.h"
#include "FakeClock.h"
#include "FakeUserInterface.h"
#include "MessageTexts.h"
#include "PortDeviceName.h"
#include "QtSerialControl.h"
#include "SerialLink.h"
#include "SettingsFile.h"
#include "TestFolder.h"

#include "PseudoTerminal.h"
#include "RunEvents.h"
#include "SimulatorProcess.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSerialPort>

#include <gtest/gtest.h>

#include <unistd.h>

#include <functional>
#include <memory>

namespace {

QByteArray iniWithAllPortsMissing(const QString& folder)
{
    QByteArray ini =
        "[Comm]\r\nPort=2\r\nSettings=19200,n,8,1\r\nTimeOut=10\r\nTimerInterval=500\r\n[PortNames]\r\n";
    for (int n = 1; n <= 16; ++n)
        ini += QStringLiteral("COM%1=%2/none%1\r\n").arg(n).arg(folder).toUtf8();
    return ini;
}

QStringList entries(const QComboBox* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->itemText(i));
    return texts;
}

} // namespace

// Every port number leads to a device the test controls: by default a path
// that does not exist; port 2, the stored one, to a free pseudo-terminal. The
// serial adapters are looked for in a device folder of the test's own, empty
// unless a test plugs one in.
class CommDialogTest : public ::testing::Test
{
protected:
    CommDialogTest()
    {
        devRoot = folder.path() + QStringLiteral("/dev");
        QDir().mkpath(devRoot + QStringLiteral("/serial/by-id"));
        qputenv("ZEL_DEV_ROOT", devRoot.toLocal8Bit());
        settings.ProgramFolder = folder.path();
        settings.ProgramFileName = QStringLiteral("ZEL308Tools");
        settings.SettingsFile =
            folder.write(QStringLiteral("ZEL308Tools.Ini"), iniWithAllPortsMissing(folder.path()));
        mapPort(2, freeLine.slavePath());
        messages = std::make_unique<MessageTexts>(settings.SettingsFile, settings.Language);
        log = std::make_unique<AppLog>(clock, folder.path(), settings.ProgramFileName, true);
        log->setToFileDisabled(true);
        ctx = std::make_unique<AppContext>(AppContext{settings, *messages, *log, ui, clock});
        port = std::make_unique<QtSerialControl>(settings.SettingsFile);
        link = std::make_unique<SerialLink>(*ctx, *port);
    }

    ~CommDialogTest() override { qunsetenv("ZEL_DEV_ROOT"); }

    // A device node in the test's device folder, leading to `target`.
    bool plugIn(const QString& target, const QString& name)
    {
        return ::symlink(target.toLocal8Bit().constData(),
                         (devRoot + QLatin1Char('/') + name).toLocal8Bit().constData()) == 0;
    }
    QString portName(int n) const
    {
        return ReadSetting(settings.SettingsFile, QStringLiteral("PortNames"), QStringLiteral("COM%1").arg(n),
                           QString());
    }

    void mapPort(int n, const QString& device)
    {
        WriteSetting(settings.SettingsFile, QStringLiteral("PortNames"), QStringLiteral("COM%1").arg(n),
                     device, false);
    }
    void writeComm(const QString& key, const QString& value)
    {
        WriteSetting(settings.SettingsFile, QStringLiteral("Comm"), key, value, false);
    }
    QString comm(const QString& key) const
    {
        return ReadSetting(settings.SettingsFile, QStringLiteral("Comm"), key, QString());
    }

    static void waitForScan(const CommDialog& dialog)
    {
        QElapsedTimer t;
        t.start();
        while (dialog.scanning() && t.elapsed() < 5000)
            RunEventsFor(2);
    }

    // A prepared dialog whose port scan has ended.
    std::unique_ptr<CommDialog> openDialog()
    {
        auto dialog = std::make_unique<CommDialog>(*link, *ctx);
        EXPECT_TRUE(dialog->prepare());
        waitForScan(*dialog);
        return dialog;
    }

    QString lastBox() const { return ui.boxes.isEmpty() ? QString() : ui.boxes.last().text; }

    PseudoTerminal freeLine;
    TestFolder folder;
    QString devRoot;
    AppSettings settings;
    FakeClock clock;
    FakeUserInterface ui;
    std::unique_ptr<MessageTexts> messages;
    std::unique_ptr<AppLog> log;
    std::unique_ptr<AppContext> ctx;
    std::unique_ptr<QtSerialControl> port;
    std::unique_ptr<SerialLink> link;
};

TEST_F(CommDialogTest, TextsInTheChosenLanguage)
{
    struct Case
    {
        const char* language;
        QString caption;
        QString cancel;
        QString firstLabel;
        QString lastLabel;
        QStringList parities;
        QString flow;
    };
    const Case cases[] = {
        {"GER",
         QStringLiteral("Parameter Serielle Schnittstelle"),
         QStringLiteral("&Abbrechen"),
         QStringLiteral("Anschluss"),
         QStringLiteral("Timer Intervall (in 1/1000 Sekunden)"),
         {QStringLiteral("Gerade"), QStringLiteral("Ungerade"), QStringLiteral("Keine"),
          QStringLiteral("Markierung"), QStringLiteral("Leerzeichen")},
         QStringLiteral("Keine")},
        {"ENG",
         QStringLiteral("Serial Port Settings"),
         QStringLiteral("&Cancel"),
         QStringLiteral("Port"),
         QStringLiteral("Timer Interval (in 1/1000 seconds)"),
         {QStringLiteral("Even"), QStringLiteral("Odd"), QStringLiteral("None"), QStringLiteral("Mark"),
          QStringLiteral("Space")},
         QStringLiteral("None")},
    };
    for (const Case& c : cases) {
        settings.Language = QLatin1String(c.language);
        CommDialog dialog(*link, *ctx);
        EXPECT_EQ(dialog.windowTitle(), c.caption);
        EXPECT_EQ(dialog.cmdOk()->text(), QStringLiteral("&Ok"));
        EXPECT_EQ(dialog.cmdCancel()->text(), c.cancel);
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("txtLblStatus_0"))->text(), c.firstLabel);
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("txtLblStatus_7"))->text(), c.lastLabel);
        EXPECT_EQ(entries(dialog.cmbParity()), c.parities);
        EXPECT_EQ(dialog.cmbParity()->itemData(0).toInt(), int('E'));
        EXPECT_EQ(dialog.cmbParity()->itemData(4).toInt(), int('S'));
        EXPECT_EQ(entries(dialog.cmbFlowControl()), QStringList{c.flow});
        EXPECT_EQ(dialog.cmbFlowControl()->itemData(0).toInt(), 0);
        EXPECT_EQ(entries(dialog.cmbBPS()).join(QLatin1Char(' ')),
                  QStringLiteral("1200 2400 4800 9600 14400 19200 38400 57600 115200 128000"));
        EXPECT_EQ(entries(dialog.cmbDataBits()).join(QLatin1Char(' ')), QStringLiteral("4 5 6 7 8"));
        EXPECT_EQ(entries(dialog.cmbStopBits()).join(QLatin1Char(' ')), QStringLiteral("1 1.5 2"));
    }
}

TEST_F(CommDialogTest, ScanListsFreePortsAndPortsInUseWithTheirDevices)
{
    PseudoTerminal heldLine;
    QSerialPort otherProgram(heldLine.slavePath());
    ASSERT_TRUE(otherProgram.open(QIODevice::ReadWrite)) << otherProgram.errorString().toStdString();
    mapPort(3, heldLine.slavePath());
    const QString plainFile = folder.write(QStringLiteral("plain.txt"), "no terminal");
    mapPort(4, plainFile);

    struct Case
    {
        const char* language;
        QString inUse;
    };
    for (const Case& c :
         {Case{"GER", QStringLiteral("COM3 (benutzt)")}, Case{"ENG", QStringLiteral("COM3 (in use)")}}) {
        settings.Language = QLatin1String(c.language);
        ui.boxes.clear();
        auto dialog = openDialog();
        EXPECT_EQ(entries(dialog->cmbPort()), (QStringList{QStringLiteral("COM2"), c.inUse}));
        EXPECT_EQ(dialog->cmbPort()->itemData(0).toInt(), 2);
        EXPECT_EQ(dialog->cmbPort()->itemData(1).toInt(), 3);
        EXPECT_EQ(dialog->cmbPort()->itemData(0, Qt::ToolTipRole).toString(), freeLine.slavePath());
        EXPECT_EQ(dialog->cmbPort()->itemData(1, Qt::ToolTipRole).toString(), heldLine.slavePath());
        EXPECT_EQ(dialog->cmbPort()->currentText(), QStringLiteral("COM2")) << "the stored port is selected";
        ASSERT_EQ(ui.boxes.size(), 1) << "the plain file is an unexpected error";
        EXPECT_TRUE(ui.boxes[0].text.contains(plainFile)) << ui.boxes[0].text.toStdString();
        EXPECT_EQ(ui.boxes[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(ui.boxes[0].title, dialog->windowTitle());
        EXPECT_FALSE(dialog->editResult());
        EXPECT_TRUE(dialog->cmbPort()->isEnabled());
        EXPECT_TRUE(dialog->cmdOk()->isEnabled());
        EXPECT_FALSE(port->PortOpen());
    }
}

// Two adapters, one with a by-id name, and a mapping above the plain ports whose
// device is missing: it is not listed but keeps its number.
TEST_F(CommDialogTest, AdaptersTakeTheNextFreeNumbersAndTheChosenOneIsStored)
{
    PseudoTerminal acm;
    PseudoTerminal usb;
    ASSERT_TRUE(plugIn(acm.slavePath(), QStringLiteral("ttyACM0")));
    ASSERT_TRUE(plugIn(usb.slavePath(), QStringLiteral("ttyUSB0")));
    ASSERT_TRUE(plugIn(QStringLiteral("../../ttyACM0"),
                       QStringLiteral("serial/by-id/usb-Rimtal_Adapter_0042-if00-port0")));
    mapPort(17, folder.file(QStringLiteral("gone")));

    auto dialog = openDialog();
    EXPECT_EQ(
        entries(dialog->cmbPort()),
        (QStringList{QStringLiteral("COM2"), QStringLiteral("COM18: usb-Rimtal_Adapter_0042-if00-port0"),
                     QStringLiteral("COM19: ttyUSB0")}));
    EXPECT_EQ(dialog->cmbPort()->itemData(1, Qt::ToolTipRole).toString(),
              devRoot + QStringLiteral("/serial/by-id/usb-Rimtal_Adapter_0042-if00-port0"));
    EXPECT_TRUE(ui.boxes.isEmpty()) << lastBox().toStdString();

    // Plugged in while the dialog is open: listed by the next scan, the choice kept.
    PseudoTerminal late;
    ASSERT_TRUE(plugIn(late.slavePath(), QStringLiteral("ttyUSB1")));
    QElapsedTimer t;
    t.start();
    while (!entries(dialog->cmbPort()).contains(QStringLiteral("COM20: ttyUSB1")) && t.elapsed() < 5000)
        RunEventsFor(20);
    EXPECT_TRUE(entries(dialog->cmbPort()).contains(QStringLiteral("COM20: ttyUSB1")));
    EXPECT_EQ(dialog->cmbPort()->currentText(), QStringLiteral("COM2"));

    waitForScan(*dialog);
    dialog->cmbPort()->setCurrentIndex(dialog->cmbPort()->findData(19));
    dialog->cmdOk()->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted) << lastBox().toStdString();
    EXPECT_TRUE(port->PortOpen());
    EXPECT_EQ(comm(QStringLiteral("Port")), QStringLiteral("19"));
    EXPECT_EQ(portName(19), devRoot + QStringLiteral("/ttyUSB0"));
    EXPECT_TRUE(portName(18).isEmpty()) << "only the chosen adapter is stored";
}

TEST_F(CommDialogTest, AnAdapterThatCannotBeOpenedLeavesNoMapping)
{
    PseudoTerminal usb;
    ASSERT_TRUE(plugIn(usb.slavePath(), QStringLiteral("ttyUSB0")));
    auto dialog = openDialog();
    ASSERT_EQ(dialog->cmbPort()->findData(17), 1);
    usb.close();
    QFile::remove(devRoot + QStringLiteral("/ttyUSB0"));
    dialog->cmbPort()->setCurrentIndex(1);
    dialog->cmdOk()->click();
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(ui.boxes.size(), 1);
    EXPECT_TRUE(portName(17).isEmpty());
}

TEST_F(CommDialogTest, APortInUseCanBeChosenButOkShowsTheOpenErrorAndStays)
{
    PseudoTerminal heldLine;
    QSerialPort otherProgram(heldLine.slavePath());
    ASSERT_TRUE(otherProgram.open(QIODevice::ReadWrite));
    mapPort(3, heldLine.slavePath());
    auto dialog = openDialog();
    dialog->cmbPort()->setCurrentIndex(dialog->cmbPort()->findData(3));
    ASSERT_EQ(dialog->cmbPort()->currentText(), QStringLiteral("COM3 (benutzt)"));
    dialog->cmdOk()->click();
    ASSERT_EQ(ui.boxes.size(), 1);
    EXPECT_TRUE(ui.boxes[0].text.contains(heldLine.slavePath())) << ui.boxes[0].text.toStdString();
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(port->PortOpen());
    EXPECT_EQ(port->CommPort(), 2) << "the port keeps its values for a later Cancel";
    EXPECT_EQ(comm(QStringLiteral("Port")), QStringLiteral("2"));
}

TEST_F(CommDialogTest, StoredParameterTextSelectsItsEntries)
{
    struct Case
    {
        const char* stored;
        const char* language;
        QString bps, parity, dataBits, stopBits;
    };
    const Case cases[] = {
        {"19200,n,8,1", "GER", QStringLiteral("19200"), QStringLiteral("Keine"), QStringLiteral("8"),
         QStringLiteral("1")},
        {"19200,n,8,1", "ENG", QStringLiteral("19200"), QStringLiteral("None"), QStringLiteral("8"),
         QStringLiteral("1")},
        {"2400,E,7,2", "GER", QStringLiteral("2400"), QStringLiteral("Gerade"), QStringLiteral("7"),
         QStringLiteral("2")},
        {"2400,E,7,2", "ENG", QStringLiteral("2400"), QStringLiteral("Even"), QStringLiteral("7"),
         QStringLiteral("2")},
        {"300,o,5,1.5", "ENG", QString(), QStringLiteral("Odd"), QStringLiteral("5"), QStringLiteral("1.5")},
    };
    for (const Case& c : cases) {
        settings.Language = QLatin1String(c.language);
        writeComm(QStringLiteral("Settings"), QLatin1String(c.stored));
        auto dialog = openDialog();
        EXPECT_EQ(dialog->cmbBPS()->currentText(), c.bps) << c.stored;
        EXPECT_EQ(dialog->cmbBPS()->currentIndex() >= 0, !c.bps.isEmpty()) << c.stored;
        EXPECT_EQ(dialog->cmbParity()->currentText(), c.parity) << c.stored;
        EXPECT_EQ(dialog->cmbDataBits()->currentText(), c.dataBits) << c.stored;
        EXPECT_EQ(dialog->cmbStopBits()->currentText(), c.stopBits) << c.stored;
        EXPECT_EQ(dialog->cmbFlowControl()->currentIndex(), 0);
        EXPECT_EQ(dialog->txtTimeout()->text(), QStringLiteral("10"));
        EXPECT_EQ(dialog->txtInterval()->text(), QStringLiteral("500"));
    }
}

TEST_F(CommDialogTest, OkAsksForTheFirstListWithoutSelection)
{
    writeComm(QStringLiteral("Settings"), QStringLiteral("300,N,8,1"));
    {
        auto dialog = openDialog();
        dialog->cmdOk()->click();
        EXPECT_EQ(lastBox(), QStringLiteral("Bitte w\u00E4hlen Sie die Baud-Rate aus"));
        EXPECT_EQ(dialog->focusWidget(), dialog->cmbBPS());
        EXPECT_NE(dialog->result(), QDialog::Accepted);
        EXPECT_FALSE(port->PortOpen());
    }
    writeComm(QStringLiteral("Settings"), QStringLiteral("19200,N,8,1"));
    struct Case
    {
        std::function<QComboBox*(CommDialog&)> list;
        QString german;
        QString english;
    };
    const Case cases[] = {
        {&CommDialog::cmbPort, QStringLiteral("Bitte w\u00E4hlen Sie einen Anschluss aus"),
         QStringLiteral("A port has to be selected")},
        {&CommDialog::cmbBPS, QStringLiteral("Bitte w\u00E4hlen Sie die Baud-Rate aus"),
         QStringLiteral("The baud rate has to be selected")},
        {&CommDialog::cmbDataBits, QStringLiteral("Bitte w\u00E4hlen Sie die Anzahl Datenbits"),
         QStringLiteral("The number of data bits has to be selected")},
        {&CommDialog::cmbParity, QStringLiteral("Bitte w\u00E4hlen Sie die Parit\u00E4t"),
         QStringLiteral("The parity has to be selected")},
        {&CommDialog::cmbStopBits, QStringLiteral("Bitte w\u00E4hlen Sie die Anzahl der Stoppbits"),
         QStringLiteral("The number of stop bits has to be selected")},
        {&CommDialog::cmbFlowControl, QStringLiteral("Bitte w\u00E4hlen Sie die Art der Flusssteuerung"),
         QStringLiteral("The flow control has to be selected")},
    };
    for (const char* language : {"GER", "ENG"}) {
        settings.Language = QLatin1String(language);
        for (size_t i = 0; i < std::size(cases); ++i) {
            auto dialog = openDialog();
            // This list and every later one without selection: the box names this one.
            for (size_t j = i; j < std::size(cases); ++j)
                cases[j].list(*dialog)->setCurrentIndex(-1);
            dialog->cmdOk()->click();
            EXPECT_EQ(lastBox(), settings.isGerman() ? cases[i].german : cases[i].english);
            EXPECT_EQ(ui.boxes.last().title, dialog->windowTitle());
            EXPECT_EQ(dialog->focusWidget(), cases[i].list(*dialog)) << i;
            EXPECT_NE(dialog->result(), QDialog::Accepted);
        }
    }
    EXPECT_FALSE(port->PortOpen());
}

TEST_F(CommDialogTest, TimeOutAndIntervalMustBeAboveZero)
{
    const QString noTimeOut = QStringLiteral("Bitte geben Sie den Timeout-Wert in Sekunden an");
    const QString noInterval = QStringLiteral("Bitte geben Sie das Timer-Intervall in 1/1000 Sekunden an");
    struct Case
    {
        QString timeOut;
        QString interval;
        QString box;
        std::function<QLineEdit*(CommDialog&)> focus;
    };
    const Case cases[] = {
        {QStringLiteral("0"), QStringLiteral("500"), noTimeOut, &CommDialog::txtTimeout},
        {QString(), QStringLiteral("500"), noTimeOut, &CommDialog::txtTimeout},
        {QStringLiteral("  "), QStringLiteral("0"), noTimeOut, &CommDialog::txtTimeout},
        {QStringLiteral("10"), QStringLiteral("000"), noInterval, &CommDialog::txtInterval},
        {QStringLiteral("10"), QString(), noInterval, &CommDialog::txtInterval},
    };
    for (const Case& c : cases) {
        auto dialog = openDialog();
        dialog->txtTimeout()->setText(c.timeOut);
        dialog->txtInterval()->setText(c.interval);
        dialog->cmdOk()->click();
        EXPECT_EQ(lastBox(), c.box) << c.timeOut.toStdString() << "/" << c.interval.toStdString();
        EXPECT_EQ(dialog->focusWidget(), c.focus(*dialog));
        EXPECT_NE(dialog->result(), QDialog::Accepted);
        EXPECT_FALSE(port->PortOpen());
    }
    EXPECT_EQ(link->settings().TimeOut, 10) << "nothing is taken before OK succeeds";

    const qsizetype boxes = ui.boxes.size();
    auto dialog = openDialog();
    dialog->txtTimeout()->setText(QStringLiteral("007"));
    dialog->txtInterval()->setText(QStringLiteral("0050"));
    dialog->cmdOk()->click();
    EXPECT_EQ(ui.boxes.size(), boxes);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(link->settings().TimeOut, 7);
    EXPECT_EQ(link->settings().TimerInterval, 50);
    EXPECT_EQ(comm(QStringLiteral("TimeOut")), QStringLiteral("7"));
    EXPECT_EQ(comm(QStringLiteral("TimerInterval")), QStringLiteral("50"));
    EXPECT_TRUE(port->PortOpen());
    EXPECT_TRUE(link->PortIsOpen());
}

TEST_F(CommDialogTest, DigitFieldsTakeDigitsAndControlKeysOnly)
{
    auto dialog = openDialog();
    for (QLineEdit* field : {dialog->txtTimeout(), dialog->txtInterval()}) {
        field->setText(QStringLiteral("1"));
        const struct
        {
            Qt::Key key;
            const char* text;
        } keys[] = {{Qt::Key_A, "a"},      {Qt::Key_2, "2"}, {Qt::Key_Minus, "-"},      {Qt::Key_Space, " "},
                    {Qt::Key_Period, "."}, {Qt::Key_3, "3"}, {Qt::Key_Backspace, "\b"}, {Qt::Key_0, "0"}};
        for (const auto& k : keys) {
            QKeyEvent press(QEvent::KeyPress, k.key, Qt::NoModifier, QLatin1String(k.text));
            QApplication::sendEvent(field, &press);
        }
        EXPECT_EQ(field->text(), QStringLiteral("120")) << field->objectName().toStdString();
    }
}

TEST_F(CommDialogTest, AnOpenPortIsClosedOnlyWhenTheUserAgrees)
{
    const QString german =
        QStringLiteral("Die COM-Schnittstelle ist ge\u00F6ffnet.\r\n"
                       "W\u00E4hrend der Konfiguration wird die Schnittstelle geschlossen.\r\n"
                       "Wollen Sie fortfahren?");
    const QString english = QStringLiteral(
        "The COM port is already open.\r\nThe port will be closed during configuration. Proceed?");
    ASSERT_EQ(link->ReadCommSettings(), 0);
    ASSERT_TRUE(link->OpenPort());
    for (const char* language : {"GER", "ENG"}) {
        settings.Language = QLatin1String(language);
        ui.answers = {false};
        CommDialog dialog(*link, *ctx);
        EXPECT_FALSE(dialog.prepare());
        EXPECT_FALSE(dialog.editResult());
        ASSERT_FALSE(ui.queries.isEmpty());
        EXPECT_EQ(ui.queries.last().text, settings.isGerman() ? german : english);
        EXPECT_EQ(ui.queries.last().icon, MessageIcon::Exclamation);
        EXPECT_EQ(ui.queries.last().title, dialog.windowTitle());
        EXPECT_TRUE(port->PortOpen()) << "No keeps the port open";
    }
    ui.answers = {true};
    CommDialog dialog(*link, *ctx);
    EXPECT_TRUE(dialog.prepare());
    EXPECT_FALSE(port->PortOpen());
    EXPECT_FALSE(link->PortIsOpen());
    waitForScan(dialog);
    EXPECT_TRUE(dialog.editResult());
}

TEST_F(CommDialogTest, StoredSettingsThatCannotBeAppliedEndBeforeTheDialog)
{
    writeComm(QStringLiteral("Port"), QStringLiteral("abc"));
    CommDialog dialog(*link, *ctx);
    EXPECT_FALSE(dialog.prepare());
    EXPECT_FALSE(dialog.editResult());
    ASSERT_EQ(ui.boxes.size(), 1);
    EXPECT_TRUE(ui.boxes[0].text.contains(QStringLiteral("abc")));
    EXPECT_FALSE(dialog.scanning());
}

// Comm_Edit_Settings shows the dialog modally; `act` runs on it once its scan has ended.
class CommEditSettingsTest : public CommDialogTest
{
protected:
    bool runModal(std::function<void(CommDialog&)> act)
    {
        bool acted = false;
        std::function<void()> poll = [&] {
            auto* dialog = qobject_cast<CommDialog*>(QApplication::activeModalWidget());
            if (!dialog || dialog->scanning()) {
                QTimer::singleShot(5, &m_context, poll);
                return;
            }
            acted = true;
            act(*dialog);
        };
        QTimer::singleShot(0, &m_context, poll);
        const bool result = Comm_Edit_Settings(nullptr, *link, *ctx);
        EXPECT_TRUE(acted);
        return result;
    }

    QObject m_context;
};

TEST_F(CommEditSettingsTest, OkOpensTheChosenPortToTheDeviceAndStoresTheValues)
{
    SimulatorProcess sim;
    const QString device = folder.file(QStringLiteral("ttySIM"));
    ASSERT_TRUE(sim.start({QStringLiteral("--link"), device})) << sim.error().toStdString();
    mapPort(5, device);

    const bool result = runModal([](CommDialog& dialog) {
        dialog.cmbPort()->setCurrentIndex(dialog.cmbPort()->findData(5));
        dialog.txtTimeout()->setText(QStringLiteral("3"));
        dialog.txtInterval()->setText(QStringLiteral("40"));
        dialog.cmdOk()->click();
    });
    EXPECT_TRUE(result);
    EXPECT_TRUE(ui.boxes.isEmpty()) << lastBox().toStdString();
    EXPECT_TRUE(port->PortOpen());
    EXPECT_EQ(comm(QStringLiteral("Port")), QStringLiteral("5"));
    EXPECT_EQ(comm(QStringLiteral("Settings")), QStringLiteral("19200,N,8,1")) << "stored upper-cased";
    EXPECT_EQ(comm(QStringLiteral("TimeOut")), QStringLiteral("3"));
    EXPECT_EQ(comm(QStringLiteral("TimerInterval")), QStringLiteral("40"));

    // The device answers the link test over the port the dialog opened.
    ASSERT_TRUE(link->TransmitData("\x80\r"));
    EXPECT_TRUE(link->WaitForResponse(QStringLiteral("81")));
}

TEST_F(CommEditSettingsTest, CancelLeavesThePortClosedAndTheFileAsItWas)
{
    ASSERT_EQ(link->ReadCommSettings(), 0);
    ASSERT_TRUE(link->OpenPort());
    const QByteArray before = TestFolder::read(settings.SettingsFile);
    ui.answers = {true};
    const bool result = runModal([](CommDialog& dialog) {
        dialog.txtTimeout()->setText(QStringLiteral("99"));
        dialog.cmdCancel()->click();
    });
    EXPECT_TRUE(result);
    EXPECT_FALSE(port->PortOpen());
    EXPECT_FALSE(link->PortIsOpen());
    EXPECT_EQ(link->settings().TimeOut, 10);
    EXPECT_EQ(TestFolder::read(settings.SettingsFile), before);
}
