#include "ConfigFiles.h"

#include "AppLog.h"
#include "DataContext.h"
#include "FileDialogs.h"
#include "FixedSizeFile.h"
#include "Helpers.h"
#include "MessageTexts.h"
#include "Report.h"
#include "SafeFile.h"
#include "UserInterface.h"

namespace {

const QString kLogIndent = QStringLiteral("  ");

FileKind kindOf(bool single)
{
    return single ? FileKind::ConfigSingle : FileKind::ConfigGroup;
}

QByteArray recordImage(const ConfigurationData& data, bool single)
{
    if (single)
        return data.ConfigSingle.raw();
    QByteArray image;
    image.reserve(kConfigGroupSize);
    for (const auto& record : data.ConfigGroup)
        image.append(record.raw());
    return image;
}

void takeRecordImage(ConfigurationData& data, bool single, const QByteArray& image)
{
    if (single) {
        data.ConfigSingle.setBytes(image);
        return;
    }
    for (int slot = 0; slot < 8; ++slot)
        data.ConfigGroup[slot].setBytes(image.mid(slot * kConfigRecordSize, kConfigRecordSize));
}

} // namespace

QString SelectConfigFile(DataContext& ctx, const QString& path, ConfigDialogMode mode, bool single)
{
    if (mode == ConfigDialogMode::Save)
        return SaveAsDialog(ctx, path, kindOf(single));

    const QString chosen = OpenFileDialog(ctx, path, kindOf(single));
    if (!chosen.isEmpty() && !FileExists(chosen)) {
        ctx.app.ui.setBusy(false);
        ReportError(ctx.app,
                    kLogIndent +
                        FormatMessage(ctx.app.messages.get(QStringLiteral("ReadingConfig_Err")), chosen));
        return {};
    }
    return chosen;
}

bool ReadConfigFile(DataContext& ctx, QString& path, bool single)
{
    UserInterface& ui = ctx.app.ui;
    const QString chosen = SelectConfigFile(ctx, path, ConfigDialogMode::Open, single);
    if (chosen.isEmpty())
        return false;
    path = chosen;

    ui.setBusy(true);
    ShowStatus(ui, ctx.app.messages.get(QStringLiteral("ReadingConfig")));
    ctx.app.log.WriteLog(kLogIndent +
                         FormatMessage(ctx.app.messages.get(QStringLiteral("ReadingFile")), path));

    QByteArray image;
    QString error;
    if (!ReadFixedSizeFile(path, single ? kConfigRecordSize : kConfigGroupSize, image, error)) {
        ReportError(ctx.app,
                    kLogIndent +
                        FormatMessage(ctx.app.messages.get(QStringLiteral("ReadFromDisk_Err")), error, path));
        ui.setBusy(false);
        return false;
    }
    takeRecordImage(ctx.data, single, image);

    const QString done = ctx.app.messages.get(QStringLiteral("ReadingConfig_Ok"));
    ctx.app.log.WriteLog(kLogIndent + done);
    ShowStatus(ui, done);
    ui.focusTabStrip();
    ui.setBusy(false);
    return true;
}

bool WriteConfigFile(DataContext& ctx, QString& path, bool single, bool ask)
{
    UserInterface& ui = ctx.app.ui;
    const QString target = ask ? SelectConfigFile(ctx, path, ConfigDialogMode::Save, single) : path;
    if (target.isEmpty())
        return false;
    path = target;

    ShowStatus(ui, ctx.app.messages.get(QStringLiteral("WritingConfig")));
    ctx.app.log.WriteLog(kLogIndent +
                         FormatMessage(ctx.app.messages.get(QStringLiteral("WritingFile")), path));

    QString error;
    if (!WriteFileAtomically(path, recordImage(ctx.data, single), &error)) {
        ReportError(ctx.app,
                    kLogIndent +
                        FormatMessage(ctx.app.messages.get(QStringLiteral("WriteToDisk_Err")), error, path));
        ui.setBusy(false);
        return false;
    }
    const QString done = ctx.app.messages.get(QStringLiteral("WritingConfig_Ok"));
    ctx.app.log.WriteLog(kLogIndent + done);
    ShowStatus(ui, done);
    return true;
}
