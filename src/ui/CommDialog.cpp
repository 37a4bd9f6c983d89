#include "CommDialog.h"

#include "AppContext.h"
#include "AppSettings.h"
#include "Helpers.h"
#include "KeyFilters.h"
#include "PortDeviceName.h"
#include "PortScanner.h"
#include "QtSerialControl.h"
#include "SerialDevices.h"
#include "SerialLink.h"
#include "SettingsFile.h"
#include "UserInterface.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Parity entries with the letter the parameter text carries.
struct ParityEntry
{
    const char16_t* german;
    const char16_t* english;
    char letter;
};

constexpr ParityEntry kParities[] = {
    {u"Gerade", u"Even", 'E'},     {u"Ungerade", u"Odd", 'O'},      {u"Keine", u"None", 'N'},
    {u"Markierung", u"Mark", 'M'}, {u"Leerzeichen", u"Space", 'S'},
};

const QStringList kBaudRates = {QStringLiteral("1200"),  QStringLiteral("2400"),  QStringLiteral("4800"),
                                QStringLiteral("9600"),  QStringLiteral("14400"), QStringLiteral("19200"),
                                QStringLiteral("38400"), QStringLiteral("57600"), QStringLiteral("115200"),
                                QStringLiteral("128000")};
const QStringList kDataBits = {QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"),
                               QStringLiteral("7"), QStringLiteral("8")};
const QStringList kStopBits = {QStringLiteral("1"), QStringLiteral("1.5"), QStringLiteral("2")};

QComboBox* makeList(const QString& name, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    return list;
}

QLineEdit* makeField(const QString& name, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    return field;
}

void selectText(QComboBox* list, const QString& text)
{
    list->setCurrentIndex(list->findText(text));
}

} // namespace

CommDialog::CommDialog(SerialLink& link, AppContext& ctx, QWidget* parent)
    : QDialog(parent), m_link(link), m_ctx(ctx),
      m_scanner(new PortScanner(
          [file = ctx.settings.SettingsFile] { return std::make_unique<QtSerialControl>(file); }, this)),
      m_cmbPort(makeList(QStringLiteral("cmbPort"), this)),
      m_cmbBPS(makeList(QStringLiteral("cmbBPS"), this)),
      m_cmbDataBits(makeList(QStringLiteral("cmbDataBits"), this)),
      m_cmbParity(makeList(QStringLiteral("cmbParity"), this)),
      m_cmbStopBits(makeList(QStringLiteral("cmbStopBits"), this)),
      m_cmbFlowControl(makeList(QStringLiteral("cmbFlowControl"), this)),
      m_txtTimeout(makeField(QStringLiteral("txtTimeout"), this)),
      m_txtInterval(makeField(QStringLiteral("txtInterval"), this)),
      m_cmdOk(new QPushButton(QStringLiteral("&Ok"), this)), m_cmdCancel(new QPushButton(this))
{
    setObjectName(QStringLiteral("frmCommDialog"));
    setWindowTitle(
        say(QStringLiteral("Parameter Serielle Schnittstelle"), QStringLiteral("Serial Port Settings")));
    m_cmdOk->setObjectName(QStringLiteral("cmdOk"));
    m_cmdOk->setDefault(true);
    m_cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    m_cmdCancel->setText(say(QStringLiteral("&Abbrechen"), QStringLiteral("&Cancel")));
    m_cmbPort->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_txtTimeout->installEventFilter(this);
    m_txtInterval->installEventFilter(this);
    buildLayout();
    fillLists();

    connect(m_scanner, &PortScanner::finished, this, &CommDialog::onScanFinished);
    // An adapter plugged in or pulled while the dialog is up shows on the next scan.
    m_adapterWatch.setInterval(AdapterWatchMs);
    connect(&m_adapterWatch, &QTimer::timeout, this, [this] {
        if (!scanning() && AdapterDevices() != m_adaptersScanned)
            startScan();
    });
    connect(m_cmdOk, &QPushButton::clicked, this, &CommDialog::onOk);
    connect(m_cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

CommDialog::~CommDialog() = default;

QString CommDialog::say(const QString& german, const QString& english) const
{
    return m_ctx.settings.isGerman() ? german : english;
}

void CommDialog::warn(const QString& text)
{
    m_ctx.ui.messageBox(MessageIcon::Exclamation, windowTitle(), text);
}

void CommDialog::buildLayout()
{
    const QString labels[][2] = {
        {QStringLiteral("Anschluss"), QStringLiteral("Port")},
        {QStringLiteral("Baud-Rate (BPS)"), QStringLiteral("Baud Rate (BPS)")},
        {QStringLiteral("Datenbits"), QStringLiteral("Data Bits")},
        {QStringLiteral("Parit\u00E4t"), QStringLiteral("Parity")},
        {QStringLiteral("Stoppbits"), QStringLiteral("Stop Bits")},
        {QStringLiteral("Flusssteuerung"), QStringLiteral("Flow Control")},
        {QStringLiteral("Timeout Senden (in Sekunden)"), QStringLiteral("Timeout Send (in seconds)")},
        {QStringLiteral("Timer Intervall (in 1/1000 Sekunden)"),
         QStringLiteral("Timer Interval (in 1/1000 seconds)")},
    };
    QWidget* const fields[] = {m_cmbPort,     m_cmbBPS,         m_cmbDataBits, m_cmbParity,
                               m_cmbStopBits, m_cmbFlowControl, m_txtTimeout,  m_txtInterval};
    auto* grid = new QGridLayout;
    for (int row = 0; row < 8; ++row) {
        auto* label = new QLabel(say(labels[row][0], labels[row][1]), this);
        label->setObjectName(QStringLiteral("txtLblStatus_%1").arg(row));
        label->setBuddy(fields[row]);
        m_txtLblStatus.append(label);
        grid->addWidget(label, row, 0);
        grid->addWidget(fields[row], row, 1);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdOk);
    buttons->addWidget(m_cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    // The size follows the contents, also when the port list fills after the scan.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CommDialog::fillLists()
{
    m_cmbBPS->addItems(kBaudRates);
    m_cmbDataBits->addItems(kDataBits);
    for (const ParityEntry& entry : kParities)
        m_cmbParity->addItem(say(QString::fromUtf16(entry.german), QString::fromUtf16(entry.english)),
                             int(entry.letter));
    m_cmbStopBits->addItems(kStopBits);
    m_cmbFlowControl->addItem(say(QStringLiteral("Keine"), QStringLiteral("None")), 0);
    // A list starts without a selection; only the stored values select an entry.
    for (QComboBox* list : {m_cmbBPS, m_cmbDataBits, m_cmbParity, m_cmbStopBits, m_cmbFlowControl})
        list->setCurrentIndex(-1);
}

bool CommDialog::prepare()
{
    SerialControl& port = m_link.port();
    if (port.PortOpen()) {
        const QString question =
            say(QStringLiteral("Die COM-Schnittstelle ist ge\u00F6ffnet.\r\n"
                               "W\u00E4hrend der Konfiguration wird die Schnittstelle geschlossen.\r\n"
                               "Wollen Sie fortfahren?"),
                QStringLiteral("The COM port is already open.\r\n"
                               "The port will be closed during configuration. Proceed?"));
        if (!m_ctx.ui.askYesNo(MessageIcon::Exclamation, windowTitle(), question)) {
            m_result = false;
            return false;
        }
        m_link.ClosePort();
    }
    if (m_link.ReadCommSettings() != 0) {
        // Without a word the user would not know why the dialog never came.
        warn(m_link.lastError());
        m_result = false;
        return false;
    }

    startScan();
    m_adapterWatch.start();

    selectLineSettings(port.Settings());
    m_cmbFlowControl->setCurrentIndex(0);
    m_txtInterval->setText(QString::number(m_link.settings().TimerInterval));
    m_txtTimeout->setText(QString::number(m_link.settings().TimeOut));
    return true;
}

bool CommDialog::scanning() const
{
    return m_scanner->running();
}

void CommDialog::selectLineSettings(const QString& text)
{
    const QStringList items = text.toUpper().split(QLatin1Char(','));
    auto item = [&](int i) { return items.value(i).trimmed(); };
    selectText(m_cmbBPS, item(0));
    const QString parity = item(1);
    m_cmbParity->setCurrentIndex(parity.isEmpty() ? -1 : m_cmbParity->findData(int(parity.at(0).unicode())));
    selectText(m_cmbDataBits, item(2));
    selectText(m_cmbStopBits, item(3));
}

void CommDialog::startScan()
{
    m_cmbPort->setEnabled(false);
    m_cmdOk->setEnabled(false);
    m_adaptersScanned = AdapterDevices();
    m_extraPorts = ExtraPorts(m_ctx.settings.SettingsFile);
    QList<int> ports = PortRange(FirstPort, LastPort);
    ports.append(m_extraPorts.keys());
    m_scanner->start(m_link.port().Settings(), ports);
}

void CommDialog::onScanFinished()
{
    const QString inUse = say(QStringLiteral(" (benutzt)"), QStringLiteral(" (in use)"));
    // A later scan keeps the user's choice.
    const QVariant chosen =
        m_cmbPort->count() > 0 ? m_cmbPort->currentData() : QVariant(m_link.port().CommPort());
    m_cmbPort->clear();
    for (const PortProbe& probe : m_scanner->probes()) {
        QString name = QStringLiteral("COM%1").arg(probe.port);
        // Beyond the plain ports the number alone says nothing: the device is named.
        if (m_extraPorts.contains(probe.port))
            name += QStringLiteral(": ") + QFileInfo(m_extraPorts.value(probe.port)).fileName();
        switch (probe.result.error) {
        case PortOk:
            m_cmbPort->addItem(name, probe.port);
            break;
        case PortInUse:
            m_cmbPort->addItem(name + inUse, probe.port);
            break;
        case PortNotFound:
            continue;
        default:
            warn(probe.result.description);
            m_result = false;
            continue;
        }
        m_cmbPort->setItemData(m_cmbPort->count() - 1,
                               PortDeviceName(m_ctx.settings.SettingsFile, probe.port), Qt::ToolTipRole);
    }
    m_cmbPort->setCurrentIndex(m_cmbPort->findData(chosen));
    m_cmbPort->setEnabled(true);
    m_cmdOk->setEnabled(true);
}

bool CommDialog::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == m_txtTimeout || watched == m_txtInterval) && event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (!typed.isEmpty() && FilterDigitKey(typed.at(0).unicode()) == 0)
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CommDialog::onOk()
{
    if (scanning() || !listsChosen())
        return;
    const int timeOut =
        enteredNumber(m_txtTimeout, say(QStringLiteral("Bitte geben Sie den Timeout-Wert in Sekunden an"),
                                        QStringLiteral("Please enter the timeout value")));
    if (timeOut == 0)
        return;
    const int interval = enteredNumber(
        m_txtInterval, say(QStringLiteral("Bitte geben Sie das Timer-Intervall in 1/1000 Sekunden an"),
                           QStringLiteral("Please enter the timer interval value")));
    if (interval == 0)
        return;
    if (!openWithChosenValues())
        return;

    m_link.settings().TimeOut = timeOut;
    m_link.settings().TimerInterval = interval;
    m_link.OpenPort(); // the port is open: this only brings the link's state up to date
    if (m_link.WriteCommSettings() != 0)
        warn(m_link.lastError());
    accept();
}

bool CommDialog::listsChosen()
{
    const struct
    {
        QComboBox* list;
        QString german;
        QString english;
    } checks[] = {
        {m_cmbPort, QStringLiteral("Bitte w\u00E4hlen Sie einen Anschluss aus"),
         QStringLiteral("A port has to be selected")},
        {m_cmbBPS, QStringLiteral("Bitte w\u00E4hlen Sie die Baud-Rate aus"),
         QStringLiteral("The baud rate has to be selected")},
        {m_cmbDataBits, QStringLiteral("Bitte w\u00E4hlen Sie die Anzahl Datenbits"),
         QStringLiteral("The number of data bits has to be selected")},
        {m_cmbParity, QStringLiteral("Bitte w\u00E4hlen Sie die Parit\u00E4t"),
         QStringLiteral("The parity has to be selected")},
        {m_cmbStopBits, QStringLiteral("Bitte w\u00E4hlen Sie die Anzahl der Stoppbits"),
         QStringLiteral("The number of stop bits has to be selected")},
        {m_cmbFlowControl, QStringLiteral("Bitte w\u00E4hlen Sie die Art der Flusssteuerung"),
         QStringLiteral("The flow control has to be selected")},
    };
    for (const auto& check : checks) {
        if (check.list->currentIndex() < 0) {
            warn(say(check.german, check.english));
            check.list->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    return true;
}

int CommDialog::enteredNumber(QLineEdit* field, const QString& missingText)
{
    const int value = LeadingNumber(QLatin1Char('0') + field->text().trimmed());
    if (value == 0) {
        warn(missingText);
        field->setFocus(Qt::OtherFocusReason);
    }
    return value;
}

bool CommDialog::openWithChosenValues()
{
    SerialControl& port = m_link.port();
    const int oldPort = port.CommPort();
    const QString oldSettings = port.Settings();
    const QString settings = m_cmbBPS->currentText() + QLatin1Char(',') +
                             QChar(char16_t(m_cmbParity->currentData().toInt())) + QLatin1Char(',') +
                             m_cmbDataBits->currentText() + QLatin1Char(',') + m_cmbStopBits->currentText();

    const int chosen = m_cmbPort->currentData().toInt();
    // An adapter found by the scan is stored under its number, so that the number
    // leads to the device shown, now and at the next start.
    const QString& file = m_ctx.settings.SettingsFile;
    const bool newMapping = m_extraPorts.contains(chosen) && !PortIsMapped(file, chosen);
    const QString key = QStringLiteral("COM%1").arg(chosen);
    if (newMapping)
        WriteSetting(file, QStringLiteral("PortNames"), key, m_extraPorts.value(chosen), false);

    PortResult result = port.setCommPort(chosen);
    if (result.ok())
        result = port.setSettings(settings);
    if (result.ok())
        result = port.setPortOpen(true);
    if (result.ok())
        return true;
    // The port keeps the values it had, so Cancel afterwards leaves everything as it was.
    if (newMapping)
        WriteSetting(file, QStringLiteral("PortNames"), key, QString(), true);
    port.setCommPort(oldPort);
    port.setSettings(oldSettings);
    warn(result.description);
    return false;
}

bool Comm_Edit_Settings(QWidget* parent, SerialLink& link, AppContext& ctx)
{
    CommDialog dialog(link, ctx, parent);
    if (!dialog.prepare())
        return false;
    dialog.exec();
    return dialog.editResult();
}
