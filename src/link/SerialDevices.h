#pragma once

#include <QStringList>

// The serial adapters the system has beside its plain ports, as device paths:
// every ttyUSB* and ttyACM* device, each under its serial/by-id name when it has
// one, since that name stays with the adapter whichever socket it is plugged
// into. In the order of the devices' names. The devices are looked for under
// the folder ZEL_DEV_ROOT names, else "/dev", so tests can offer their own.
// Empty on Windows, where COMn is port n.
QStringList AdapterDevices();

// The device a path leads to once all links are followed; the path itself when
// it leads nowhere.
QString DeviceBehind(const QString& path);
