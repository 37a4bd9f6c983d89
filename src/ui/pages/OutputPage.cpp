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
    const PartGrid::PageGeometry geometry{PanelLeft, FirstPanelTop, PanelWidth, PanelHeight, LabelLeft,
                                          LabelTop,  LabelWidth,    LabelHeight, ListTop,   ListPitch};
    m_parts = PartGrid::buildParts(
        fraTab, Parts, geometry,
        [](QWidget* parent, int part, int index, int left, int top) -> QWidget* {
            return makeList(parent, elementName(part, index), left, top);
        },
        HalfLabelWidth);
    for (int part = 1; part <= Parts; ++part)
        m_parts.at(part - 1)->labels().first()->setText(QStringLiteral("Abgriff Output %1").arg(part));
}

void OutputPage::loadPageTexts()
{
    const PageTexts t = texts();
    const int shift = PartGrid::layOutParts(m_parts, settings().CountOutput, t);
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
