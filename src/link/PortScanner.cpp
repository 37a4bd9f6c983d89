#include "PortScanner.h"

#include <QThread>

QList<int> PortRange(int first, int last)
{
    QList<int> ports;
    for (int n = first; n <= last; ++n)
        ports.append(n);
    return ports;
}

QList<PortProbe> ProbePorts(const PortFactory& makePort, const QString& lineSettings, const QList<int>& ports)
{
    QList<PortProbe> probes;
    const std::unique_ptr<SerialControl> port = makePort();
    // A text the port refuses leaves its own line parameters: the opening is what counts.
    port->setSettings(lineSettings);
    for (const int n : ports) {
        PortResult result = port->setCommPort(n);
        if (result.ok())
            result = port->setPortOpen(true);
        if (port->PortOpen())
            port->setPortOpen(false);
        probes.append({n, result});
    }
    return probes;
}

PortScanner::PortScanner(PortFactory makePort, QObject* parent)
    : QObject(parent), m_makePort(std::move(makePort))
{
}

PortScanner::~PortScanner()
{
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
}

void PortScanner::start(const QString& lineSettings, const QList<int>& ports)
{
    if (m_thread)
        return;
    m_probes.clear();
    // The thread fills its own list; the scanner takes it over once the thread has ended.
    auto result = std::make_shared<QList<PortProbe>>();
    m_thread = QThread::create([makePort = m_makePort, lineSettings, ports, result] {
        *result = ProbePorts(makePort, lineSettings, ports);
    });
    connect(m_thread, &QThread::finished, this, [this, result] {
        m_thread->wait();
        delete m_thread;
        m_thread = nullptr;
        m_probes = *result;
        Q_EMIT finished();
    });
    m_thread->start();
}
