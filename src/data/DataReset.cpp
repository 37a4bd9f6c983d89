#include "DataReset.h"

#include "AppSettings.h"
#include "BlankNames.h"
#include "DataContext.h"
#include "DataFile.h"
#include "MessageTexts.h"
#include "UserInterface.h"

ResetOutcome ResetDataSet(DataContext& ctx, bool ask, bool reload)
{
    UserInterface& ui = ctx.app.ui;
    if (ask && !ui.askYesNo(MessageIcon::Stop, ui.mainWindowCaption(),
                            ctx.app.messages.get(QStringLiteral("QueryDataReset"))))
        return ResetOutcome::Declined;

    if (!reload) {
        ctx.data.Current = ctx.data.Reset;
    } else {
        QString startupFile = ctx.app.settings.LoadAtStartup_Default;
        if (!startupFile.trimmed().isEmpty()) {
            // Read over the current data set: the start-up file is the new reset image.
            if (!ReadDataFile(ctx, startupFile, true, true))
                return ResetOutcome::EndProgram;
            ui.dataSetToPages();
            CheckBlankNames(ctx, true);
            if (ask)
                ShowStatus(ui, ctx.app.messages.get(QStringLiteral("ReadingData_Ok")));
            ctx.data.Reset = ctx.data.Current;
        }
    }
    ui.dataSetToPages();
    ShowStatus(ui, ctx.app.messages.get(QStringLiteral("ResetDone")));
    return ResetOutcome::Done;
}
