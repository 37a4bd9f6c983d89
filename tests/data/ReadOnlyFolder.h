#pragma once

#include <QString>

// Makes a folder read-only for the duration of a test. As root, permission bits
// alone would not stop a write, so the thread's file-system identity is lowered
// to an unprivileged user meanwhile (setfsuid drops the override capabilities);
// the parent folder is opened for reading so that user can still see the files.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(QString path);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

private:
    QString m_path;
    bool m_loweredIdentity = false;
};
