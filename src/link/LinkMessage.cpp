#include "LinkMessage.h"

#include "AppContext.h"
#include "AppLog.h"
#include "AppSettings.h"

void ShowLinkMessage(AppContext& ctx, const QString& text, unsigned channels, MessageIcon icon)
{
    const QString indented = QStringLiteral("  ") + text;
    if (channels & ToLog)
        ctx.log.WriteLog(indented);
    if (channels & ToLogUnindented)
        ctx.log.WriteLog(text);
    const bool box =
        (channels & ToBoxAlways) || ((channels & (ToBox | ToBoxOrStatus)) && ctx.settings.ShowMsgBox);
    if ((channels & ToStatus) || ((channels & ToBoxOrStatus) && !box))
        ShowStatus(ctx.ui, indented);
    if (box)
        ctx.ui.messageBox(icon, ctx.settings.boxTitle(), text.trimmed());
}
