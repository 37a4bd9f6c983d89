#include "BlankNames.h"

#include "AppLog.h"
#include "AppSettings.h"
#include "DataContext.h"
#include "Helpers.h"
#include "MessageTexts.h"
#include "NameBoxes.h"
#include "UserInterface.h"

#include <algorithm>

namespace {

// Parts 2 to 4 are edited on the page and not copied into the data set before
// every check; parts 1 and 5 are checked as the data set holds them.
bool takenFromPage(int part)
{
    return part >= 2 && part <= 4;
}

} // namespace

int CheckBlankNames(DataContext& ctx, bool show)
{
    int replaced = 0;
    for (int part = 1; part <= DataSet::Parts; ++part) {
        const int count = std::clamp<int>(ctx.app.settings.CountInput[part - 1], 0, DataSet::SlotsPerPart);
        for (int index = 0; index < count; ++index) {
            FixedText<16>& name = ctx.data.Current.InputName[part - 1][index];
            // The field pads with blanks, so the box's trailing blanks need no trimming.
            if (ctx.names && takenFromPage(part))
                name.set(ctx.names->nameText(part, index));
            if (!name.isBlank())
                continue;
            name = ctx.data.Reset.InputName[part - 1][index];
            const QString field = ctx.names ? ctx.names->toolTip(part, index) : QString();
            const QString text =
                FormatMessage(ctx.app.messages.get(QStringLiteral("BlankNames_Replaced")), field);
            if (show)
                ShowStatus(ctx.app.ui, text);
            ctx.app.log.WriteLog(QStringLiteral("  ") + text);
            ++replaced;
        }
    }
    if (replaced == 0 && show)
        ShowStatus(ctx.app.ui, QString());
    return replaced;
}
