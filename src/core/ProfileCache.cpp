#include "ProfileCache.h"

#include "SafeFile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace {

std::optional<QByteArray> readAll(const QString& path)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

} // namespace

QString ProfileCache::key(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

ProfileCache::Stamp ProfileCache::stampOf(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return {true, info.isFile(), info.lastModified().toMSecsSinceEpoch(), info.size()};
}

ProfileCache::Loaded ProfileCache::load(const QString& path)
{
    QMutexLocker lock(&m_mutex);
    return loadLocked(key(path));
}

ProfileCache::Loaded ProfileCache::loadLocked(const QString& absolutePath)
{
    const Stamp stamp = stampOf(absolutePath);
    if (!stamp.exists)
        return {State::Missing, {}};
    if (!stamp.isFile || stamp.size > ProfileFile::kMaxBytes)
        return {State::Unreadable, {}};

    const auto entry = std::find_if(m_entries.begin(), m_entries.end(),
                                    [&](const Entry& e) { return e.path == absolutePath; });
    const bool sameStamp = entry != m_entries.end() && entry->stamp == stamp;
    if (sameStamp && QDateTime::currentMSecsSinceEpoch() - stamp.modifiedMs >= kRacyMs) {
        m_entries.move(entry - m_entries.begin(), 0);
        return {State::Loaded, m_entries.first().file};
    }
    const std::optional<QByteArray> bytes = readAll(absolutePath);
    if (!bytes)
        return {State::Unreadable, {}};
    if (sameStamp && *bytes == entry->bytes) {
        m_entries.move(entry - m_entries.begin(), 0);
        return {State::Loaded, m_entries.first().file};
    }
    const ProfileFile file = ProfileFile::parse(*bytes);
    remember(absolutePath, stamp, *bytes, file);
    return {State::Loaded, file};
}

bool ProfileCache::update(const QString& path, const std::function<ProfileFile::Change(ProfileFile&)>& edit)
{
    QMutexLocker lock(&m_mutex);
    const QString absolutePath = key(path);
    Loaded loaded = loadLocked(absolutePath);
    if (loaded.state == State::Unreadable)
        return false;
    switch (edit(loaded.file)) {
    case ProfileFile::Change::None:
        return true;
    case ProfileFile::Change::Refused:
        return false;
    case ProfileFile::Change::Done:
        break;
    }
    const QByteArray bytes = loaded.file.bytes();
    // A folder that refuses the temporary file need not stop a file that may be written.
    if (!WriteFileAtomically(absolutePath, bytes) &&
        !(loaded.state == State::Loaded && WriteFileInPlace(absolutePath, bytes)))
        return false;
    remember(absolutePath, stampOf(absolutePath), bytes, loaded.file);
    return true;
}

void ProfileCache::forget(const QString& path)
{
    QMutexLocker lock(&m_mutex);
    const QString absolutePath = key(path);
    m_entries.removeIf([&](const Entry& e) { return e.path == absolutePath; });
}

void ProfileCache::remember(const QString& absolutePath, const Stamp& stamp, const QByteArray& bytes,
                            const ProfileFile& file)
{
    m_entries.removeIf([&](const Entry& e) { return e.path == absolutePath; });
    m_entries.prepend(Entry{absolutePath, stamp, bytes, file});
    if (m_entries.size() > kEntries)
        m_entries.resize(kEntries);
}

ProfileCache& SharedProfileCache()
{
    static ProfileCache cache;
    return cache;
}
