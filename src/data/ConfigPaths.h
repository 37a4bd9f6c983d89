#pragma once

#include "FixedText.h"

#include <QString>

struct AppSettings;

// Paths of the configuration files as the snapshot page shows them and as the
// data set keeps them. Files in the files folder are shown by their bare
// names; the data set always holds a full path so the files are found however
// the program was started.

// The path kept for the text of a file box: trailing blanks removed, and a
// relative path (no drive letter, not absolute) placed in the files folder.
// At most 255 characters, the size of the data set's path fields.
QString StoredConfigPath(const AppSettings& settings, const QString& shown);

// The text a file box shows for a kept path: the rest after the files folder
// and its separator (compared without regard to case), otherwise the whole path.
// A field never written holds NUL bytes; the path ends at the first of them.
QString ShownConfigPath(const AppSettings& settings, const QString& stored);

// The path a data set field holds: up to the first NUL byte (a field never
// written holds NUL bytes), blanks removed. Empty when no file was named.
QString ConfigFieldPath(const FixedText<255>& field);
