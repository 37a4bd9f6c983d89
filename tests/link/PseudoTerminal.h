#pragma once

#include <QByteArray>
#include <QString>

// The far end of a pseudo-terminal: the test plays the device on the master
// side while the link opens the slave device like a serial port.
class PseudoTerminal
{
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool isOpen() const { return m_master >= 0; }
    QString slavePath() const { return m_slave; }
    void write(const QByteArray& bytes);
    // Whatever arrived within `ms`.
    QByteArray read(int ms = 100);
    void close();

private:
    int m_master = -1;
    QString m_slave;
};
