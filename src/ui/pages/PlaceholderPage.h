#pragma once

#include "TabPage.h"

// A page whose controls are not built yet: its empty panel carries the design
// caption so the tab strip finds it.
class PlaceholderPage : public TabPage
{
    Q_OBJECT

public:
    using TabPage::TabPage;

protected:
    void build(FramedPanel* fraTab) override;
    void loadPageTexts() override {}
};
