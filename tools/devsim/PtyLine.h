#pragma once

#include "SimLine.h"

#include <QSocketNotifier>
#include <QString>

#include <memory>

// A pseudo-terminal the simulator creates: the program opens the slave device
// as its serial port. The simulator keeps a slave descriptor of its own open, so
// the master side stays usable while the program closes and reopens the port.
class PtyLine final : public SimLine
{
    Q_OBJECT
public:
    PtyLine();
    ~PtyLine() override;

    bool ok() const { return m_master >= 0; }
    QString slavePath() const { return m_slavePath; }
    const QString& error() const { return m_error; }

protected:
    qint64 writeRaw(const QByteArray& bytes) override;

private:
    void onReadable();

    int m_master = -1;
    int m_slaveKeepAlive = -1;
    QString m_slavePath;
    QString m_error;
    std::unique_ptr<QSocketNotifier> m_notifier;
};
