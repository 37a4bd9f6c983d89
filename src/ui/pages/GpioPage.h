#pragma once

#include "GpioAssignPage.h"

// `frmTabStripData05`: the function of each of the device's 8 GPIO inputs and
// 16 GPIO outputs. The page owns the two definition lists lstData[0] and
// lstData[1] that the fader-box page uses as well; the option mode decides
// which inputs and outputs the device has.
class GpioPage : public GpioAssignPage
{
    Q_OBJECT

public:
    static constexpr int Inputs = 8;
    static constexpr int Outputs = 16;

    explicit GpioPage(PageContext& context);

    void toDataSet(ConfigurationData& data) override;
    bool fromDataSet(const ConfigurationData& data) override;

protected:
    void loadPageTexts() override;
    // By the option mode: 1 inputs 1-4 and all outputs, 2 all inputs and
    // outputs 1-12, 3 inputs only, any other value everything.
    void layOut() override;
};
