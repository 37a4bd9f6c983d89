#pragma once

#include <QString>

// The lock files serial programs leave in the system's lock folder: Qt's own
// (the holder's process number, program and host, one a line), the usual text
// form (the process number alone, padded to ten places) and the old binary one
// (the number as four bytes).
struct PortLockHolder
{
    qint64 pid = 0; // 0: nobody holds the port
    QString program;
};

// The lock folder Qt uses on this system ("/var/lock", which is "/run/lock" on
// most systems).
QString PortLockFolder();

// Looks at the lock files of `device` in `folder`: the one under the name Qt
// locks it by (below "/dev" without that prefix, "/" as "_") and the one under
// the name of the device behind it, as other programs lock it. A file whose
// process has ended is removed, so that it cannot make the port look in use;
// when that is not allowed, `problem` says so. The live holder comes back when
// there is one; Qt would take the text forms of other programs' lock files for
// stale and open the port beside them.
PortLockHolder ClearStaleLocks(const QString& device, const QString& folder, QString* problem);
