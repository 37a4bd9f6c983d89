#include "Report.h"

#include "AppContext.h"
#include "AppLog.h"
#include "AppSettings.h"
#include "UserInterface.h"

void ReportError(AppContext& ctx, const QString& text)
{
    ctx.log.WriteLog(text);
    ShowStatus(ctx.ui, text);
    ctx.ui.messageBox(MessageIcon::Exclamation, ctx.settings.boxTitle(), text.trimmed());
}
