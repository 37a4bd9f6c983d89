#pragma once

#include "PartGrid.h"
#include "TabPage.h"

#include <memory>
#include <vector>

class QComboBox;

// `frmTabStripData09`: for every output the pick-off point it takes its signal
// from, in five parts by output type, each part a grid of drop-down lists that
// grows to the part's output count.
class OutputPage : public TabPage
{
    Q_OBJECT

public:
    static constexpr int Parts = 5;
    static constexpr int HalfLabelWidth = 4695;

    explicit OutputPage(PageContext& context);
    ~OutputPage() override;

    // cmbAbgriffOutput<part>(index), part 1..5; null beyond the part's count.
    QComboBox* cmbAbgriffOutput(int part, int index) const;
    const PartGrid& part(int part) const { return *m_parts.at(part - 1); }

    void toDataSet(ConfigurationData& data) override;
    bool fromDataSet(const ConfigurationData& data) override;

protected:
    void build(FramedPanel* fraTab) override;
    void loadPageTexts() override;

private:
    void fillLists();

    std::vector<std::unique_ptr<PartGrid>> m_parts;
};
