#include "FileDialogs.h"

#include "Cp1252.h"
#include "DataContext.h"
#include "Helpers.h"
#include "MessageTexts.h"
#include "Report.h"
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

// The first character of `path` that Windows-1252 lacks, quoted with its code
// point, or "".
QString unstorableCharacter(const QString& path)
{
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (Cp1252::canEncode(path.at(i)))
            continue;
        const bool pair =
            path.at(i).isHighSurrogate() && i + 1 < path.size() && path.at(i + 1).isLowSurrogate();
        const char32_t code =
            pair ? QChar::surrogateToUcs4(path.at(i), path.at(i + 1)) : path.at(i).unicode();
        return QStringLiteral("'%1' (U+%2)")
            .arg(path.mid(i, pair ? 2 : 1),
                 QString::number(code, 16).toUpper().rightJustified(4, QLatin1Char('0')));
    }
    return {};
}

// A configuration file's path is kept in the data file, whose characters are
// Windows-1252: a path it cannot hold would come back as another path.
bool storablePath(DataContext& ctx, const QString& chosen, FileKind kind)
{
    if (kind == FileKind::Data)
        return true;
    const QString character = unstorableCharacter(chosen);
    if (character.isEmpty())
        return true;
    ctx.app.ui.setBusy(false);
    ReportError(ctx.app, QStringLiteral("  ") +
                             FormatMessage(ctx.app.messages.get(QStringLiteral("ConfigPath_Char_Err")),
                                           character, chosen));
    return false;
}

} // namespace

QString SaveAsDialog(DataContext& ctx, const QString& path, FileKind kind)
{
    UserInterface& ui = ctx.app.ui;
    const QString chosen =
        ui.saveFileDialog(requestFor(ctx, ctx.app.messages.get(QStringLiteral("SaveAs")), path, kind));
    if (chosen.isEmpty() || !storablePath(ctx, chosen, kind))
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
    if (chosen.isEmpty() || !storablePath(ctx, chosen, kind))
        return {};
    if (!FileExists(chosen)) {
        const QString text = FormatMessage(ctx.app.messages.get(QStringLiteral("FileNotFound")), chosen);
        ui.messageBox(MessageIcon::Exclamation, ui.mainWindowCaption(), text.trimmed());
        return {};
    }
    return chosen;
}
