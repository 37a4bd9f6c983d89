#include "FileDialogs.h"

#include "DataContext.h"
#include "Helpers.h"
#include "MessageTexts.h"
#include "UserInterface.h"

namespace {

FileDialogRequest requestFor(DataContext& ctx, const QString& title, const QString& path, FileKind kind)
{
    QString description;
    QString extension;
    switch (kind) {
    case FileKind::Data:
        description = ctx.app.messages.get(QStringLiteral("DataFile"));
        extension = QStringLiteral("DAT");
        break;
    case FileKind::ConfigSingle:
        description = ctx.app.messages.get(QStringLiteral("ConfigFile"));
        extension = QStringLiteral("CNS");
        break;
    case FileKind::ConfigGroup:
        description = ctx.app.messages.get(QStringLiteral("ConfigFile"));
        extension = QStringLiteral("CNG");
        break;
    }
    // Two blanks before the parenthesis; description and pattern joined by "|".
    const QString pattern = QStringLiteral("*.") + extension;
    FileDialogRequest request;
    request.title = title;
    request.filter = QStringLiteral("ZEL/MOR Rimtal ") + description + QStringLiteral("  (") + pattern +
                     QStringLiteral(")|") + pattern;
    request.defaultExtension = extension;
    request.path = path;
    return request;
}

} // namespace

QString SaveAsDialog(DataContext& ctx, const QString& path, FileKind kind)
{
    UserInterface& ui = ctx.app.ui;
    const QString chosen =
        ui.saveFileDialog(requestFor(ctx, ctx.app.messages.get(QStringLiteral("SaveAs")), path, kind));
    if (chosen.isEmpty())
        return {};
    if (FileExists(chosen)) {
        const QString query = FormatMessage(ctx.app.messages.get(QStringLiteral("QueryOverwrite")), chosen);
        if (!ui.askYesNo(MessageIcon::Stop, ui.mainWindowCaption(), query))
            return {};
    }
    return chosen;
}

QString OpenFileDialog(DataContext& ctx, const QString& path, FileKind kind)
{
    UserInterface& ui = ctx.app.ui;
    const QString chosen =
        ui.openFileDialog(requestFor(ctx, ctx.app.messages.get(QStringLiteral("OpenFile")), path, kind));
    if (chosen.isEmpty())
        return {};
    if (!FileExists(chosen)) {
        const QString text = FormatMessage(ctx.app.messages.get(QStringLiteral("FileNotFound")), chosen);
        ui.messageBox(MessageIcon::Exclamation, ui.mainWindowCaption(), text.trimmed());
        return {};
    }
    return chosen;
}
