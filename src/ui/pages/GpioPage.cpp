#include "GpioPage.h"

#include "AppSettings.h"
#include "ChannelDefinitions.h"
#include "DataSet.h"
#include "PageContext.h"
#include "SourceCodes.h"

GpioPage::GpioPage(PageContext& context)
    : GpioAssignPage(context, QStringLiteral("frmTabStripData05"), QStringLiteral("gpio"),
                     QStringLiteral("TabStrip_GPIO_"), Inputs, Outputs)
{
}

void GpioPage::loadPageTexts()
{
    // The page starts its lists afresh and reads them at once, so the
    // transfer never finds them empty while boxes hold codes.
    for (EntryList& list : context().lists.lstData)
        list.clear();
    FillGpioLists(settings(), context().lists.lstData);
    GpioAssignPage::loadPageTexts();
}

void GpioPage::layOut()
{
    const GpioRows rows = GpioRowsInUse(settings().GPIO_Options_Mode);
    switch (settings().GPIO_Options_Mode) {
    case 1: {
        // Inputs 1-4 only: the outputs panel moves up under the shorter inputs panel.
        const int lost = inputs().showRows(rows.inputs);
        outputs().moveTo(inputs().top() + inputs().height() + PanelGap);
        setFraTabHeight(fraTabHeight() - lost);
        break;
    }
    case 2:
    case 3:
        setFraTabHeight(fraTabHeight() - outputs().showRows(rows.outputs));
        break;
    default:
        break;
    }
}

void GpioPage::toDataSet(ConfigurationData& data)
{
    inputs().toCodes(data.Current.GpioInput);
    outputs().toCodes(data.Current.GpioOutput);
}

bool GpioPage::fromDataSet(const ConfigurationData& data)
{
    inputs().fromCodes(data.Current.GpioInput);
    outputs().fromCodes(data.Current.GpioOutput);
    return true;
}
