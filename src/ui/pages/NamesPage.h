#pragma once

#include "NameBoxes.h"
#include "PartGrid.h"
#include "TabPage.h"

#include <memory>
#include <vector>

class QLineEdit;

// `frmTabStripData02`: the names of the input signals in five parts, each part a
// grid of text boxes that grows to the part's name count.
class NamesPage : public TabPage, public NameBoxes
{
    Q_OBJECT

public:
    static constexpr int Parts = 5;
    static constexpr int HalfLabelWidth = 3015;

    explicit NamesPage(PageContext& context);
    ~NamesPage() override;

    // txtInput<part>(index), part 1..5, index from 0; null beyond the part's count
    // and before the page is built.
    QLineEdit* txtInput(int part, int index) const;
    const PartGrid& part(int part) const { return *m_parts.at(part - 1); }

    void toDataSet(ConfigurationData& data) override;
    bool fromDataSet(const ConfigurationData& data) override;

    // The name the page shows for a position, or would show once it is built (the
    // data set's name then); empty beyond the part's count.
    QString shownName(int part, int index) const;

    // For the blank-name check: no box before the page is built and beyond the part's count.
    std::optional<QString> nameText(int part, int index) const override;
    void setNameText(int part, int index, const QString& text) override;
    QString toolTip(int part, int index) const override;

protected:
    void build(FramedPanel* fraTab) override;
    void loadPageTexts() override;

private:
    bool hasPosition(int part, int index) const;

    std::vector<std::unique_ptr<PartGrid>> m_parts;
};
