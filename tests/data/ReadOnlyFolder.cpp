#include "ReadOnlyFolder.h"

#include <QFile>
#include <QFileInfo>

#include <sys/fsuid.h>
#include <unistd.h>

namespace {
constexpr uid_t kNobody = 65534;
}

ReadOnlyFolder::ReadOnlyFolder(QString path) : m_path(std::move(path))
{
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::ExeOther);
    if (geteuid() == 0) {
        const QString parent = QFileInfo(m_path).absolutePath();
        QFile::setPermissions(parent, QFile::permissions(parent) | QFile::ReadOther | QFile::ExeOther);
        // The group too: root's group would otherwise meet the folder's group bits.
        setfsgid(kNobody);
        setfsuid(kNobody);
        m_loweredIdentity = true;
    }
}

ReadOnlyFolder::~ReadOnlyFolder()
{
    if (m_loweredIdentity) {
        setfsuid(0);
        setfsgid(0);
    }
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
