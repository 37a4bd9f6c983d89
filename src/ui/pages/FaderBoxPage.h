#pragma once

#include "GpioAssignPage.h"

// `frmTabStripData08`: the GPIO channel definitions of the fader box's 9
// inputs and 9 outputs, chosen from the GPIO page's definition lists.
class FaderBoxPage : public GpioAssignPage
{
    Q_OBJECT

public:
    static constexpr int Inputs = 9;
    static constexpr int Outputs = 9;

    explicit FaderBoxPage(PageContext& context);

    void toDataSet(ConfigurationData& data) override;
    bool fromDataSet(const ConfigurationData& data) override;
};
