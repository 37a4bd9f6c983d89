#include "FaderBoxPage.h"

#include "DataSet.h"

FaderBoxPage::FaderBoxPage(PageContext& context)
    : GpioAssignPage(context, QStringLiteral("frmTabStripData08"), QStringLiteral("fbox"),
                     QStringLiteral("TabStrip_FBox_"), Inputs, Outputs)
{
}

void FaderBoxPage::toDataSet(ConfigurationData& data)
{
    inputs().toCodes(data.Current.FaderBoxInput);
    outputs().toCodes(data.Current.FaderBoxOutput);
}

bool FaderBoxPage::fromDataSet(const ConfigurationData& data)
{
    inputs().fromCodes(data.Current.FaderBoxInput);
    outputs().fromCodes(data.Current.FaderBoxOutput);
    return true;
}
