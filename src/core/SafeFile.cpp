#include "SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_WIN
#include <io.h>
#include <qt_windows.h>
#else
#include <cstdio>
#include <unistd.h>
#endif

#include <cerrno>

namespace {

// A file the user made read-only is not to be replaced. Windows refuses the
// rename by itself; POSIX renames need no write access to the old file.
bool isReadOnlyTarget(const QString& path, QString* error, int* errorNumber)
{
#ifdef Q_OS_WIN
    Q_UNUSED(path)
    Q_UNUSED(error)
    Q_UNUSED(errorNumber)
    return false;
#else
    const QFileInfo info(path);
    if (!info.isFile() || info.isWritable())
        return false;
    if (error)
        *error = qt_error_string(EACCES);
    if (errorNumber)
        *errorNumber = EACCES;
    return true;
#endif
}

} // namespace

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    // QSaveFile writes a temporary file beside the target, flushes it to disk and
    // renames it over the target; the target's permissions and symbolic links are kept.
    if (isReadOnlyTarget(path, error, nullptr))
        return false;
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    // commit() does not notice a buffered write that failed (a full disk), so the
    // buffer is flushed and checked first; otherwise a cut-short file would replace the target.
    // A failed flush leaves the file's error text at "Unknown error": the system's
    // own reason is taken from errno right after the step that failed.
    errno = 0;
    bool ok = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
    const int reason = ok ? 0 : errno;
    if (ok)
        ok = file.commit();
    if (!ok) {
        if (error)
            *error = reason != 0 ? qt_error_string(reason) : file.errorString();
        file.cancelWriting();
    }
    return ok;
}

bool SyncToDisk(QFile& file)
{
#ifdef Q_OS_WIN
    const int fd = file.handle();
    return fd < 0 || _commit(fd) == 0;
#else
    return fsync(file.handle()) == 0;
#endif
}

bool WriteFileInPlace(const QString& path, const QByteArray& bytes, QString* error)
{
    if (isReadOnlyTarget(path, error, nullptr))
        return false;
    // Unbuffered, so that the check reads what the system holds, not our buffer.
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered | QIODevice::ExistingOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray old = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const auto put = [&file](const QByteArray& content) {
        return file.seek(0) && file.write(content) == content.size() && file.resize(content.size()) &&
               SyncToDisk(file);
    };
    const auto holds = [&file](const QByteArray& content) { return file.seek(0) && file.readAll() == content; };
    if (put(bytes) && holds(bytes))
        return true;
    const int reason = errno;
    if (error)
        *error = reason != 0 ? qt_error_string(reason) : file.errorString();
    put(old);
    return false;
}

bool ReplaceFile(const QString& from, const QString& to, QString* error, int* errorNumber)
{
    if (isReadOnlyTarget(to, error, errorNumber))
        return false;
#ifdef Q_OS_WIN
    const QString nativeFrom = QDir::toNativeSeparators(from);
    const QString nativeTo = QDir::toNativeSeparators(to);
    const bool ok = MoveFileExW(reinterpret_cast<const wchar_t*>(nativeFrom.utf16()),
                                reinterpret_cast<const wchar_t*>(nativeTo.utf16()),
                                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    const int code = ok ? 0 : static_cast<int>(GetLastError());
#else
    const bool ok = std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
    const int code = ok ? 0 : errno;
#endif
    if (!ok) {
        if (error)
            *error = qt_error_string(code);
        if (errorNumber)
            *errorNumber = code;
    }
    return ok;
}
