#pragma once

#include <QString>

// Makes a folder refuse new entries for the lifetime of the object. With elevated
// rights a mode of 0555 is not enough, so on Linux the folder is also marked
// immutable when that is allowed. `active()` says whether the folder really
// refuses writes; tests skip otherwise.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(QString path);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    bool active() const { return m_active; }

private:
    bool refusesWrites() const;
    bool setImmutable(bool on) const;

    QString m_path;
    bool m_immutable = false;
    bool m_active = false;
};
