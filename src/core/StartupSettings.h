#pragma once

#include <QDate>
#include <QString>

struct AppSettings;

// The settings half of the start procedure: file names from the program's
// location, name and command line, then every key of section "Main" and the
// count keys, in their order, with their checks. The caller looks up the
// messages "NotDefined" and "Ready" once the message texts are set up.

// Fills BaseName, SettingsFile, LogFileName (with today's date), DefaultDataFile
// and DefaultHexFile. ProgramFolder, ProgramFileName, CommandLine and DeviceModel
// must be set.
//
// Base name: the program file name; with a non-empty command line the model the
// program file name begins with is replaced by DeviceModel, so "ZEL308Tools"
// started for "zel312s" uses "ZEL312sTools" and for "zel308" "ZEL308Tools". A
// program name that begins with no known model keeps the older rule: DeviceModel
// followed by the program file name from 1-based position len(DeviceModel) on.
void DeriveFileNames(AppSettings& settings, const QDate& today);

// Reads "Language" (upper-cased) and, as step 12, "WriteLogFile". 0, or the
// failing step.
int ReadLanguageAndLogFlag(AppSettings& settings);

// Steps 7 to 24: every other key of "Main" and the counts. 0 or the failing step.
// Layer_NumFaders and TextLenInput must be whole numbers, even, 2 to 16;
// GPIO_Options_Mode 1, 2 or 3; each sum of counts at most 64;
// LoadAtStartup_Default "*NONE*" or a file in the files folder (the program folder
// unless the user's files live elsewhere, UserFiles.h).
int ReadMainSettings(AppSettings& settings);

// The count rule: negative gives 0, above max gives max, odd gives 2. A value
// that is not a whole 16-bit number fails (ok = false, result 0).
qint16 ReadCountSetting(const QString& file, const QString& section, const QString& key, int max,
                        int defaultValue, bool* ok = nullptr);

// For a settings file above the reader's bound, the start-up text naming it as
// too large, with its size (German or English by the language); "" otherwise.
QString SettingsFileTooLargeText(const AppSettings& settings);

// The fixed German or English text of a failing start-up step; "" for steps without one.
QString StartupStepText(int step, bool german);
