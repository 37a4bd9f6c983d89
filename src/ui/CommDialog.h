#pragma once

#include <QDialog>
#include <QMap>
#include <QStringList>
#include <QTimer>

class PortScanner;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SerialLink;
struct AppContext;

// `frmCommDialog`: the serial port, its line parameters, the link's time-out
// and receive interval. The ports 1 ... 16 and those beyond (mapped in
// "PortNames" or serial adapters found, named in the list) are tried on a thread
// of their own while the dialog is up, so a slow driver cannot freeze the
// window; the port list and OK wait for the scan, which runs again when an
// adapter comes or goes. OK opens the port with the new values and stores them
// (a found adapter's number in "PortNames"); Cancel leaves the port closed.
class CommDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(CommDialog)

public:
    static constexpr int FirstPort = 1;
    static constexpr int LastPort = 16;
    static constexpr int AdapterWatchMs = 1000;

    CommDialog(SerialLink& link, AppContext& ctx, QWidget* parent = nullptr);
    ~CommDialog() override;

    // Everything before the dialog is shown: asks before closing an open port,
    // applies the stored settings, starts the port scan and selects the stored
    // values. False when the dialog is not to be shown (the user kept the port
    // open, or the stored settings could not be applied).
    bool prepare();
    // False also when trying a port failed in an unexpected way.
    bool editResult() const { return m_result; }
    bool scanning() const;

    QComboBox* cmbPort() const { return m_cmbPort; }
    QComboBox* cmbBPS() const { return m_cmbBPS; }
    QComboBox* cmbDataBits() const { return m_cmbDataBits; }
    QComboBox* cmbParity() const { return m_cmbParity; }
    QComboBox* cmbStopBits() const { return m_cmbStopBits; }
    QComboBox* cmbFlowControl() const { return m_cmbFlowControl; }
    QLineEdit* txtTimeout() const { return m_txtTimeout; }
    QLineEdit* txtInterval() const { return m_txtInterval; }
    QPushButton* cmdOk() const { return m_cmdOk; }
    QPushButton* cmdCancel() const { return m_cmdCancel; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString say(const QString& german, const QString& english) const;
    void warn(const QString& text);
    void buildLayout();
    void fillLists();
    void selectLineSettings(const QString& text);
    void startScan();
    void onScanFinished();
    void onOk();
    // The first list without a selection gets the box and the focus.
    bool listsChosen();
    // "0" followed by the trimmed field read as a whole number; 0 gets the box and the focus.
    int enteredNumber(QLineEdit* field, const QString& missingText);
    bool openWithChosenValues();

    SerialLink& m_link;
    AppContext& m_ctx;
    PortScanner* m_scanner;
    QTimer m_adapterWatch;
    QStringList m_adaptersScanned;
    QMap<int, QString> m_extraPorts; // of the last scan
    bool m_result = true;

    QComboBox* m_cmbPort;
    QComboBox* m_cmbBPS;
    QComboBox* m_cmbDataBits;
    QComboBox* m_cmbParity;
    QComboBox* m_cmbStopBits;
    QComboBox* m_cmbFlowControl;
    QLineEdit* m_txtTimeout;
    QLineEdit* m_txtInterval;
    QPushButton* m_cmdOk;
    QPushButton* m_cmdCancel;
    QList<QLabel*> m_txtLblStatus;
};

// Shows the dialog modally for the link's port. False when the user kept an
// open port, the stored settings could not be applied or trying a port failed
// unexpectedly; true otherwise (also after Cancel).
bool Comm_Edit_Settings(QWidget* parent, SerialLink& link, AppContext& ctx);
