#pragma once

#include "ProfileFile.h"

#include <QList>
#include <QMutex>
#include <QString>

#include <functional>

// Parsed settings files, so that the many reads at start-up parse the file once.
// An entry stays valid while the file's modification time and size are unchanged.
// File times are coarse (a few milliseconds, seconds on some file systems), so a
// file changed shortly before it was looked at may have changed again under the
// same time and size: such an entry is checked against the file's bytes instead.
// Edits made here write the file and the entry together.
class ProfileCache
{
public:
    enum class State
    {
        Missing,
        Unreadable,
        Loaded
    };
    struct Loaded
    {
        State state = State::Missing;
        ProfileFile file; // empty unless Loaded
    };

    ProfileCache() = default;
    Q_DISABLE_COPY(ProfileCache)

    Loaded load(const QString& path);
    // Applies the edit to the file as it is now (an empty one when it does not
    // exist) and writes the result. True when the file holds the edit: written, or
    // already so. False when the file could not be read or written, or the edit
    // was refused.
    bool update(const QString& path, const std::function<ProfileFile::Change(ProfileFile&)>& edit);
    // For writers that replace the file by other means.
    void forget(const QString& path);

private:
    struct Stamp
    {
        bool exists = false;
        bool isFile = false;
        qint64 modifiedMs = 0;
        qint64 size = 0;
        bool operator==(const Stamp&) const = default;
    };
    struct Entry
    {
        QString path;
        Stamp stamp;
        QByteArray bytes;
        ProfileFile file;
    };
    static constexpr qsizetype kEntries = 4;
    static constexpr qint64 kRacyMs = 3000;

    static QString key(const QString& path);
    static Stamp stampOf(const QString& path);
    Loaded loadLocked(const QString& absolutePath);
    void remember(const QString& absolutePath, const Stamp& stamp, const QByteArray& bytes,
                  const ProfileFile& file);

    QMutex m_mutex;
    QList<Entry> m_entries; // most recently used first
};

// The cache every settings file operation shares.
ProfileCache& SharedProfileCache();
