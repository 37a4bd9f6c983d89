#pragma once

#include "SerialControl.h"

#include <QList>
#include <QObject>

#include <functional>
#include <memory>

class QThread;

// The outcome of trying to open port number `port`: ok, PortNotFound, PortInUse
// or another error with the driver's text.
struct PortProbe
{
    int port = 0;
    PortResult result;
};

// Makes a port object of the kind the link uses, with the same device mapping.
using PortFactory = std::function<std::unique_ptr<SerialControl>()>;

// The numbers first ... last.
QList<int> PortRange(int first, int last);

// Tries the port numbers in turn on one port object made by `makePort` with the
// given line parameters, closing each again at once.
QList<PortProbe> ProbePorts(const PortFactory& makePort, const QString& lineSettings,
                            const QList<int>& ports);

// Runs ProbePorts on a thread of its own, since opening a port can block for
// seconds on some drivers (virtual and wireless ports). The port objects are
// made, used and destroyed on that thread; `finished` arrives on the scanner's.
class PortScanner : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(PortScanner)

public:
    explicit PortScanner(PortFactory makePort, QObject* parent = nullptr);
    // Waits for a scan still running, so no probe holds a port afterwards.
    ~PortScanner() override;

    // Ignored while a scan runs.
    void start(const QString& lineSettings, const QList<int>& ports);
    bool running() const { return m_thread != nullptr; }
    const QList<PortProbe>& probes() const { return m_probes; }

Q_SIGNALS:
    void finished();

private:
    PortFactory m_makePort;
    QThread* m_thread = nullptr;
    QList<PortProbe> m_probes;
};
