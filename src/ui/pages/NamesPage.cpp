#include "NamesPage.h"

#include "AppSettings.h"
#include "DataSet.h"
#include "TrimRight.h"
#include "FramedPanel.h"
#include "PageContext.h"
#include "NameKeyValidator.h"
#include "PageControls.h"
#include "Twips.h"

#include <QLineEdit>

namespace {

// Design geometry: one panel per part, 960 apart, each with a label row above
// a row of four boxes.
constexpr int PanelLeft = 120;
constexpr int FirstPanelTop = 120;
constexpr int PanelWidth = 6405;
constexpr int PanelHeight = 900;
constexpr int FraTabWidth = 6645;
constexpr int FraTabHeight = FirstPanelTop + NamesPage::Parts * PartGrid::HiddenPart;
constexpr int LabelLeft = 180;
constexpr int LabelTop = 240;
constexpr int LabelWidth = 6045;
constexpr int LabelHeight = 255;
constexpr int BoxTop = 510;
constexpr int BoxPitch = 1515;
constexpr int BoxWidth = 1500;
constexpr int BoxHeight = 315;

QString elementName(int part, int index)
{
    return QStringLiteral("txtInput%1_%2").arg(part).arg(index);
}

} // namespace

NamesPage::NamesPage(PageContext& context)
    : TabPage(context, QStringLiteral("frmTabStripData02"), QStringLiteral("name"),
              QStringLiteral("TabStrip_Name_"))
{
}

NamesPage::~NamesPage() = default;

void NamesPage::build(FramedPanel* fraTab)
{
    PageControls::place(fraTab, 0, 0, FraTabWidth, FraTabHeight);
    for (int part = 1; part <= Parts; ++part) {
        auto* panel =
            new FramedPanel(fraTab, QStringLiteral("fraContainerPart%1").arg(PageTexts::twoDigits(part)));
        PageControls::place(panel, PanelLeft, FirstPanelTop + (part - 1) * PartGrid::HiddenPart, PanelWidth,
                            PanelHeight);
        QLineEdit* label0 =
            PageControls::labelBox(panel, QStringLiteral("txtLblPart%1_0").arg(PageTexts::twoDigits(part)),
                                   LabelLeft, LabelTop, LabelWidth, LabelHeight);
        QList<QWidget*> row;
        for (int i = 0; i < PartGrid::PerRow; ++i)
            row.append(PageControls::textBox(panel, elementName(part, i), LabelLeft + i * BoxPitch, BoxTop,
                                             BoxWidth, BoxHeight));
        auto make = [part](QWidget* parent, int index) -> QWidget* {
            return PageControls::textBox(parent, elementName(part, index), 0, 0, BoxWidth, BoxHeight);
        };
        m_parts.push_back(std::make_unique<PartGrid>(part, panel, label0, row, make, HalfLabelWidth));
    }
}

void NamesPage::loadPageTexts()
{
    const PageTexts t = texts();
    int shift = 0;
    for (int part = 1; part <= Parts; ++part) {
        PartGrid& grid = *m_parts.at(part - 1);
        FramedPanel* panel = grid.panel();
        panel->move(panel->x(), panel->y() + Twips::toPixelsY(shift));
        shift += grid.layOut(settings().CountInput.at(part - 1));
        grid.loadTexts(t);
    }
    FramedPanel* tab = fraTab();
    tab->resize(tab->width(), Twips::toPixelsY(FraTabHeight + shift));
    auto* validator = new NameKeyValidator(tab);
    for (const auto& grid : m_parts) {
        for (QWidget* control : grid->controls()) {
            auto* box = static_cast<QLineEdit*>(control);
            box->setMaxLength(settings().TextLenInput);
            box->setValidator(validator);
        }
    }
    raiseMaxMainHeight();
}

QLineEdit* NamesPage::txtInput(int part, int index) const
{
    if (part < 1 || part > Parts)
        return nullptr;
    const PartGrid& grid = *m_parts.at(part - 1);
    if (index < 0 || index >= grid.count())
        return nullptr;
    return static_cast<QLineEdit*>(grid.controls().value(index));
}

void NamesPage::toDataSet(ConfigurationData& data)
{
    for (int part = 1; part <= Parts; ++part) {
        const PartGrid& grid = *m_parts.at(part - 1);
        for (int i = 0; i < grid.count() && i < DataSet::SlotsPerPart; ++i)
            data.Current.InputName[part - 1][i].set(TrimRight(txtInput(part, i)->text()));
    }
}

bool NamesPage::fromDataSet(const ConfigurationData& data)
{
    for (int part = 1; part <= Parts; ++part) {
        const PartGrid& grid = *m_parts.at(part - 1);
        for (int i = 0; i < grid.count() && i < DataSet::SlotsPerPart; ++i)
            txtInput(part, i)->setText(data.Current.InputName[part - 1][i].trimmedRight());
    }
    return true;
}

QString NamesPage::nameText(int part, int index) const
{
    const QLineEdit* box = txtInput(part, index);
    return box ? box->text() : QString();
}

QString NamesPage::toolTip(int part, int index) const
{
    const QLineEdit* box = txtInput(part, index);
    return box ? box->toolTip() : QString();
}
