#pragma once

#include <QDate>
#include <QString>

struct AppSettings;

// The settings half of the start procedure: file names from the program's
// location, name and command line, then every key of section "Main" and the
// count keys, in their order, with their checks.

// Fills ProgramFolder-derived names: BaseName, SettingsFile, LogFileName (with
// today's date), DefaultDataFile, DefaultHexFile. ProgramFolder, ProgramFileName,
// CommandLine and DeviceModel must be set.
void DeriveFileNames(AppSettings& settings, const QDate& today);

// Reads "Language" (upper-cased) and "WriteLogFile"; step 12 on failure, else 0.
int ReadLanguageAndLogFlag(AppSettings& settings);

// Steps 7 to 24: every other key of "Main" and the counts. 0 or the failing step.
int ReadMainSettings(AppSettings& settings);

// The count rule: negative gives 0, above max gives max, odd gives 2. A value
// that is not a number fails (ok = false).
qint16 ReadCountSetting(const QString& file, const QString& section, const QString& key, int max,
                        int defaultValue, bool* ok = nullptr);

// The fixed German or English text of a failing start-up step; "" for steps without one.
QString StartupStepText(int step, bool german);
