#include "OutputPage.h"

#include "AppSettings.h"
#include "ChannelDefinitions.h"
#include "DataSet.h"
#include "FramedPanel.h"
#include "PageContext.h"
#include "PageControls.h"
#include "PageLists.h"
#include "Twips.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

// Design geometry: one panel per part, 960 apart, each with a label row above
// a row of four drop-down lists.
constexpr int PanelLeft = 120;
constexpr int FirstPanelTop = 120;
constexpr int PanelWidth = 9855;
constexpr int PanelHeight = 900;
constexpr int FraTabWidth = 10095;
constexpr int FraTabHeight = FirstPanelTop + OutputPage::Parts * PartGrid::HiddenPart;
constexpr int LabelLeft = 180;
constexpr int LabelTop = 240;
constexpr int LabelWidth = 9495;
constexpr int LabelHeight = 255;
constexpr int ListTop = 510;
constexpr int ListPitch = 2400;
constexpr int ListWidth = 2295;
constexpr int ListHeight = 315;

QString elementName(int part, int index)
{
    return QStringLiteral("cmbAbgriffOutput%1_%2").arg(part).arg(index);
}

QComboBox* makeList(QWidget* parent, const QString& name, int left, int top)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    PageControls::place(box, left, top, ListWidth, ListHeight);
    return box;
}

} // namespace

OutputPage::OutputPage(PageContext& context)
    : TabPage(context, QStringLiteral("frmTabStripData09"), QStringLiteral("output"),
              QStringLiteral("TabStrip_Output_"))
{
}

OutputPage::~OutputPage() = default;

void OutputPage::build(FramedPanel* fraTab)
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
        label0->setText(QStringLiteral("Abgriff Output %1").arg(part));
        QList<QWidget*> row;
        for (int i = 0; i < PartGrid::PerRow; ++i)
            row.append(makeList(panel, elementName(part, i), LabelLeft + i * ListPitch, ListTop));
        auto make = [part](QWidget* parent, int index) -> QWidget* {
            return makeList(parent, elementName(part, index), 0, 0);
        };
        m_parts.push_back(std::make_unique<PartGrid>(part, panel, label0, row, make, HalfLabelWidth));
    }
}

void OutputPage::loadPageTexts()
{
    const PageTexts t = texts();
    int shift = 0;
    for (int part = 1; part <= Parts; ++part) {
        PartGrid& grid = *m_parts.at(part - 1);
        FramedPanel* panel = grid.panel();
        panel->move(panel->x(), panel->y() + Twips::toPixelsY(shift));
        shift += grid.layOut(settings().CountOutput.at(part - 1));
        grid.loadTexts(t);
    }
    FramedPanel* tab = fraTab();
    tab->resize(tab->width(), Twips::toPixelsY(FraTabHeight + shift));
    fillLists();
    raiseMaxMainHeight();
}

void OutputPage::fillLists()
{
    SelectorLists& lists = context().lists;
    for (int part = 1; part <= Parts; ++part) {
        auto& mirror = lists.cmbAbgriffOutput[part - 1];
        for (EntryList& l : mirror)
            l.clear();
        const PartGrid& grid = *m_parts.at(part - 1);
        if (grid.count() == 0)
            continue;
        const ChannelListName& def = kOutputPickoffLists.at(part - 1);
        const EntryList entries = ReadChannelList(settings(), QString(def.name), def.offset);
        QComboBox* first = cmbAbgriffOutput(part, 0);
        PageLists::fill(first, entries);
        for (int i = 1; i < grid.count(); ++i)
            PageLists::ListBoxCopy(first, cmbAbgriffOutput(part, i));
        for (int i = 0; i < grid.count() && i < SelectorLists::OutputsPerPart; ++i)
            mirror[i] = entries;
    }
}

QComboBox* OutputPage::cmbAbgriffOutput(int part, int index) const
{
    if (part < 1 || part > Parts)
        return nullptr;
    const PartGrid& grid = *m_parts.at(part - 1);
    if (index < 0 || index >= grid.count())
        return nullptr;
    return static_cast<QComboBox*>(grid.controls().value(index));
}

void OutputPage::toDataSet(ConfigurationData& data)
{
    for (int part = 1; part <= Parts; ++part) {
        const int count = std::min(m_parts.at(part - 1)->count(), int(DataSet::SlotsPerPart));
        for (int i = 0; i < count; ++i)
            data.Current.OutputPickoff[part - 1][i] = static_cast<qint16>(cmbAbgriffOutput(part, i)->currentIndex());
    }
}

bool OutputPage::fromDataSet(const ConfigurationData& data)
{
    for (int part = 1; part <= Parts; ++part) {
        const int count = std::min(m_parts.at(part - 1)->count(), int(DataSet::SlotsPerPart));
        for (int i = 0; i < count; ++i) {
            if (!PageLists::setPosition(cmbAbgriffOutput(part, i), data.Current.OutputPickoff[part - 1][i]))
                return false;
        }
    }
    return true;
}
