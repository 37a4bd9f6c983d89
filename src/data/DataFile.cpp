#include "DataFile.h"

#include "AppLog.h"
#include "AppSettings.h"
#include "DataContext.h"
#include "DataReset.h"
#include "FileDialogs.h"
#include "FixedSizeFile.h"
#include "Helpers.h"
#include "MessageTexts.h"
#include "Report.h"
#include "SafeFile.h"
#include "SettingsFile.h"
#include "UserInterface.h"

namespace {

const QString kLogIndent = QStringLiteral("  ");

void logLine(DataContext& ctx, const QString& text)
{
    ctx.app.log.WriteLog(kLogIndent + text);
}

// Logs the German line and shows both languages; with the ignore key set the
// box is an information, otherwise a warning.
void reportVersionConflict(DataContext& ctx, const QString& path, const QString& fileVersion, bool ignored)
{
    const QString program = QLatin1String(kDataFileVersion);
    const QString german = QStringLiteral("Versionskonflikt: Die Datei '") + path +
                           QStringLiteral("' kann nicht gelesen werden (Datei = '") + fileVersion +
                           QStringLiteral("' <> Programm = '") + program + QStringLiteral("').");
    const QString english = QStringLiteral("Version conflict: The file '") + path +
                            QStringLiteral("' cannot be read (file = '") + fileVersion +
                            QStringLiteral("' <> program = '") + program + QStringLiteral("').");
    ctx.app.log.WriteLog(german);
    QString shown = german + QStringLiteral("\n\n") + english + QStringLiteral("\n\n");
    if (ignored)
        shown = QStringLiteral("*** INFORMATION ***  \n\n") + shown;
    ctx.app.ui.messageBox(ignored ? MessageIcon::Information : MessageIcon::Exclamation,
                          ctx.app.settings.boxTitle(), shown.trimmed());
}

} // namespace

bool HasDataFileVersion(const DataSet& data)
{
    return data.DataVersion.text().trimmed() == QLatin1String(kDataFileVersion);
}

QString ConflictingDataVersion(const DataSet& data)
{
    const QString version = data.DataVersion.text().trimmed();
    return IsNumeric(version) ? version : QStringLiteral("0.0");
}

bool IgnoreDatFileVersion(const QString& settingsFile)
{
    return IsYes(ReadSetting(settingsFile, QStringLiteral("Main"), QStringLiteral("IgnoreDatFileVersion"),
                             QStringLiteral("No")));
}

bool WriteDataFile(DataContext& ctx, QString& path)
{
    UserInterface& ui = ctx.app.ui;
    ctx.data.Current.DataVersion.set(QLatin1String(kDataFileVersion));

    const QString chosen = SaveAsDialog(ctx, path, FileKind::Data);
    if (chosen.isEmpty())
        return false;
    path = chosen;

    ShowStatus(ui, ctx.app.messages.get(QStringLiteral("WritingData")));
    logLine(ctx, FormatMessage(ctx.app.messages.get(QStringLiteral("WritingFile")), path));

    // The old file stays whole until the new one is complete.
    QString error;
    if (!WriteFileAtomically(path, ctx.data.Current.toBytes(), &error)) {
        ReportError(ctx.app,
                    kLogIndent +
                        FormatMessage(ctx.app.messages.get(QStringLiteral("WriteToDisk_Err")), error, path));
        return false;
    }
    const QString done = ctx.app.messages.get(QStringLiteral("WritingData_Ok"));
    logLine(ctx, done);
    ShowStatus(ui, done);
    return true;
}

bool ReadDataFile(DataContext& ctx, QString& path, bool silent, bool keepCurrent)
{
    UserInterface& ui = ctx.app.ui;
    if (!silent) {
        const QString chosen = OpenFileDialog(ctx, path, FileKind::Data);
        if (chosen.isEmpty())
            return false;
        path = chosen;
    }

    if (!FileExists(path)) {
        ui.setBusy(false);
        ReportError(ctx.app, kLogIndent + FormatMessage(
                                              ctx.app.messages.get(QStringLiteral("ReadingData_Err")), path));
        return false;
    }

    if (!silent) {
        const QString query = FormatMessage(ctx.app.messages.get(QStringLiteral("QueryReadData")), path);
        if (!ui.askYesNo(MessageIcon::Stop, ui.mainWindowCaption(), query))
            return false;
    }

    ui.setBusy(true);
    ShowStatus(ui, ctx.app.messages.get(QStringLiteral("ReadingData")));
    logLine(ctx, FormatMessage(ctx.app.messages.get(QStringLiteral("ReadingFile")), path));
    ui.focusTabStrip();

    QByteArray image;
    QString error;
    if (!ReadFixedSizeFile(path, DataSet::FileSize, image, error)) {
        ReportError(ctx.app,
                    kLogIndent +
                        FormatMessage(ctx.app.messages.get(QStringLiteral("ReadFromDisk_Err")), error, path));
        ui.setBusy(false);
        return false;
    }
    // Read into a copy and taken over only when the file is accepted: a file that
    // cannot be read, or is refused for its version, costs the user no edits.
    DataSet read = keepCurrent ? ctx.data.Current : ctx.data.Reset;
    read.fromBytes(image);

    const bool ignore = IgnoreDatFileVersion(ctx.app.settings.SettingsFile);
    const bool conflict = !HasDataFileVersion(read);
    if (conflict && !ignore) {
        reportVersionConflict(ctx, path, ConflictingDataVersion(read), ignore);
        ui.setBusy(false);
        return false;
    }
    if (!keepCurrent)
        ResetDataSet(ctx, false, false);
    ctx.data.Current = read;

    if (silent) {
        ShowStatus(ui, QString());
    } else {
        const QString done = ctx.app.messages.get(QStringLiteral("ReadingData_Ok"));
        logLine(ctx, done);
        ShowStatus(ui, done);
    }
    if (conflict)
        reportVersionConflict(ctx, path, ConflictingDataVersion(read), ignore);
    ui.focusTabStrip();
    ui.setBusy(false);
    return true;
}
