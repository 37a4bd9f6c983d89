#pragma once

#include "DataSet.h"
#include "ExitCode.h"
#include "FileDialogs.h"

#include <QByteArray>
#include <QString>

#include <optional>

// A data file (.DAT), a configuration file (.CNS) or a group file (.CNG) read
// with the editor's readers: the kind from the extension, or, for any other
// extension, from the size; a data file must carry the version the editor writes
// unless the settings file says "IgnoreDatFileVersion".
class InputFile
{
public:
    // `expected` refuses a file of another kind.
    Failure load(const QString& path, const QString& settingsFile, std::optional<FileKind> expected = {});

    FileKind kind() const { return m_kind; }
    // The whole file image as read (the first 8449, 1024 or 8192 bytes).
    const QByteArray& image() const { return m_image; }
    // For a data file: the data set it holds.
    const DataSet& dataSet() const { return m_data; }

    static QString kindName(FileKind kind);
    static qsizetype sizeOf(FileKind kind);

private:
    FileKind m_kind = FileKind::Data;
    QByteArray m_image;
    DataSet m_data;
};
