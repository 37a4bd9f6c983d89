#include "GpioChannelPicker.h"

#include "BoxTag.h"
#include "ChannelDefinitions.h"
#include "ChooseDialog.h"
#include "Helpers.h"
#include "MessageTexts.h"
#include "PageContext.h"
#include "Twips.h"

#include <QLineEdit>
#include <QVariant>

#include <algorithm>

GpioChannelPicker::GpioChannelPicker(PageContext& context) : m_context(context) {}

void GpioChannelPicker::pickGpioChannel(QLineEdit* box, QLineEdit* infoBox, int listIndex)
{
    ChooseDialog& dialog = m_context.chooser();
    dialog.clearEntries();
    for (const ListEntry& entry : m_context.lists.lstData.at(listIndex)) {
        const GpioEntryFields fields = SplitGpioEntry(entry.text);
        dialog.addEntry(fields.name + QLatin1Char('\t') + fields.info, entry.itemData);
    }
    centreOverMainWindow();
    dialog.setActItem(BoxTag::get(box));
    dialog.exec();
    const int chosen = std::clamp(LeadingNumber(QStringLiteral("0") + dialog.actItem()), -32768, 32767);
    showGpioChannel(box, infoBox, chosen, listIndex);
}

void GpioChannelPicker::showGpioChannel(QLineEdit* box, QLineEdit* infoBox, int code, int listIndex)
{
    if (code == 0) {
        box->setText(QStringLiteral("0"));
        infoBox->setText(m_context.messages.get(QStringLiteral("NotDefined")));
        BoxTag::set(box, QString());
        return;
    }
    // A code no definition carries (an older data file) shows as such, never the
    // definition shown before: the box keeps and saves that code.
    box->setText(UnknownCodeText(code));
    infoBox->setText(UnknownCodeText(code));
    for (const ListEntry& entry : m_context.lists.lstData.at(listIndex)) {
        if (entry.itemData != code)
            continue;
        const GpioEntryFields fields = SplitGpioEntry(entry.text);
        box->setText(fields.name);
        infoBox->setText(fields.info);
        break;
    }
    BoxTag::set(box, QString::number(code).trimmed());
}

void GpioChannelPicker::centreOverMainWindow()
{
    if (!m_context.mainPlacement)
        return;
    ChooseDialog& dialog = m_context.chooser();
    const TwipRect main = m_context.mainPlacement();
    const int width = Twips::fromPixelsX(dialog.width());
    const int height = Twips::fromPixelsY(dialog.height());
    dialog.move(Twips::toPixelsX((main.width - width) / 2 + main.left),
                Twips::toPixelsY((main.height - height) / 2 + main.top));
}
