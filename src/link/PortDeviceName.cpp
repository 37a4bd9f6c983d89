#include "PortDeviceName.h"

#include "SerialDevices.h"
#include "SettingsFile.h"

#include <QSet>

namespace {

const QString kSection = QStringLiteral("PortNames");

QString mapped(const QString& settingsFile, int port)
{
    return ReadSetting(settingsFile, kSection, QStringLiteral("COM%1").arg(port), QString());
}

} // namespace

QString PortDeviceName(const QString& settingsFile, int port)
{
    const QString named = mapped(settingsFile, port);
    if (!named.isEmpty())
        return named;
    if (port > PlainPorts) {
        const QString adapter = ExtraPorts(settingsFile).value(port);
        if (!adapter.isEmpty())
            return adapter;
    }
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(port);
#else
    return QStringLiteral("/dev/ttyS%1").arg(port - 1);
#endif
}

bool PortIsMapped(const QString& settingsFile, int port)
{
    return !mapped(settingsFile, port).isEmpty();
}

QMap<int, QString> ExtraPorts(const QString& settingsFile)
{
    QMap<int, QString> ports;
    QSet<int> used;
    QSet<QString> reached;
    QStringList keys;
    QStringList values;
    ReadSectionKeys(settingsFile, kSection, keys, &values);
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QString key = keys.at(i).toUpper();
        bool isNumber = false;
        const int port = key.startsWith(QLatin1String("COM")) ? key.mid(3).toInt(&isNumber) : 0;
        if (!isNumber || port < 1 || values.at(i).isEmpty())
            continue;
        used.insert(port);
        reached.insert(DeviceBehind(values.at(i)));
        if (port > PlainPorts)
            ports.insert(port, values.at(i));
    }
    int next = PlainPorts + 1;
    for (const QString& adapter : AdapterDevices()) {
        if (reached.contains(DeviceBehind(adapter)))
            continue;
        while (used.contains(next))
            ++next;
        ports.insert(next, adapter);
        used.insert(next);
    }
    return ports;
}
