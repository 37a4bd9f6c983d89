#pragma once

#include <QString>

// Makes a folder refuse new entries, or a file refuse writes, for the lifetime of
// the object. With elevated rights a read-only mode is not enough, so on Linux
// the path is also marked immutable when that is allowed. `active()` says whether
// the path really refuses writes; tests skip otherwise.
class ReadOnlyPath
{
public:
    explicit ReadOnlyPath(QString path);
    ~ReadOnlyPath();
    ReadOnlyPath(const ReadOnlyPath&) = delete;
    ReadOnlyPath& operator=(const ReadOnlyPath&) = delete;

    bool active() const { return m_active; }

private:
    bool refusesWrites() const;
    bool setImmutable(bool on) const;

    QString m_path;
    bool m_folder = false;
    bool m_immutable = false;
    bool m_active = false;
};
