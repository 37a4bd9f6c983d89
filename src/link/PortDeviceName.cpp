#include "PortDeviceName.h"

#include "SettingsFile.h"

QString PortDeviceName(const QString& settingsFile, int port)
{
    const QString named =
        ReadSetting(settingsFile, QStringLiteral("PortNames"), QStringLiteral("COM%1").arg(port), QString());
    if (!named.isEmpty())
        return named;
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(port);
#else
    return QStringLiteral("/dev/ttyS%1").arg(port - 1);
#endif
}
