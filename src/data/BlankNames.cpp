#include "BlankNames.h"

#include "AppLog.h"
#include "AppSettings.h"
#include "DataContext.h"
#include "Helpers.h"
#include "MessageTexts.h"
#include "NameBoxes.h"
#include "UserInterface.h"

#include <algorithm>

int CheckBlankNames(DataContext& ctx, bool show)
{
    int replaced = 0;
    for (int part = 1; part <= DataSet::Parts; ++part) {
        const int count = std::clamp<int>(ctx.app.settings.CountInput[part - 1], 0, DataSet::SlotsPerPart);
        for (int index = 0; index < count; ++index) {
            FixedText<16>& name = ctx.data.Current.InputName[part - 1][index];
            const std::optional<QString> shown = ctx.names ? ctx.names->nameText(part, index) : std::nullopt;
            // The field pads with blanks, so the box's trailing blanks need no trimming.
            if (shown)
                name.set(*shown);
            const FixedText<16>& initial = ctx.data.Reset.InputName[part - 1][index];
            if (!name.isBlank() || initial.isBlank())
                continue;
            name = initial;
            // The box shows what is saved and sent from now on.
            if (shown)
                ctx.names->setNameText(part, index, name.trimmedRight());
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
