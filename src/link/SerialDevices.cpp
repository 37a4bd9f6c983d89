#include "SerialDevices.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

QString DeviceBehind(const QString& path)
{
    const QString target = QFileInfo(path).canonicalFilePath();
    return target.isEmpty() ? path : target;
}

QStringList AdapterDevices()
{
#ifdef Q_OS_LINUX
    const QDir dev(qEnvironmentVariable("ZEL_DEV_ROOT", QStringLiteral("/dev")));
    QStringList devices;
    QHash<QString, qsizetype> at; // the device behind each entry
    for (const QString& name : dev.entryList({QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*")},
                                             QDir::System | QDir::Files, QDir::Name)) {
        devices.append(dev.filePath(name));
        at.insert(DeviceBehind(devices.last()), devices.size() - 1);
    }
    const QDir byId(dev.filePath(QStringLiteral("serial/by-id")));
    for (const QString& name : byId.entryList(QDir::System | QDir::Files, QDir::Name)) {
        const auto entry = at.constFind(DeviceBehind(byId.filePath(name)));
        if (entry != at.constEnd())
            devices[entry.value()] = byId.filePath(name);
    }
    return devices;
#else
    return {};
#endif
}
