#include "NamesPage.h"

#include "AppSettings.h"
#include "DataSet.h"
#include "FramedPanel.h"
#include "PageContext.h"
#include "PageControls.h"
#include "TrimRight.h"
#include "Twips.h"
#include "TypingValidator.h"

#include <QLineEdit>

#include <algorithm>

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
    const PartGrid::PageGeometry geometry{PanelLeft, FirstPanelTop, PanelWidth, PanelHeight, LabelLeft,
                                          LabelTop,  LabelWidth,    LabelHeight, BoxTop,    BoxPitch};
    m_parts = PartGrid::buildParts(
        fraTab, Parts, geometry,
        [](QWidget* parent, int part, int index, int left, int top) -> QWidget* {
            return PageControls::textBox(parent, elementName(part, index), left, top, BoxWidth, BoxHeight);
        },
        HalfLabelWidth);
}

void NamesPage::loadPageTexts()
{
    const PageTexts t = texts();
    const int shift = PartGrid::layOutParts(m_parts, settings().CountInput, t);
    FramedPanel* tab = fraTab();
    tab->resize(tab->width(), Twips::toPixelsY(FraTabHeight + shift));
    // Only typing stops at TextLenInput: a longer name from a file or the device
    // shows and saves whole.
    for (const auto& grid : m_parts) {
        for (QWidget* control : grid->controls())
            new TypingValidator(static_cast<QLineEdit*>(control), TypingValidator::nameCharacter,
                                settings().TextLenInput);
    }
    raiseMaxMainHeight();
}

QLineEdit* NamesPage::txtInput(int part, int index) const
{
    if (!isLoaded() || part < 1 || part > Parts)
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

std::optional<QString> NamesPage::nameText(int part, int index) const
{
    const QLineEdit* box = isLoaded() ? txtInput(part, index) : nullptr;
    return box ? std::optional<QString>(box->text()) : std::nullopt;
}

void NamesPage::setNameText(int part, int index, const QString& text)
{
    if (QLineEdit* box = isLoaded() ? txtInput(part, index) : nullptr)
        box->setText(text);
}

QString NamesPage::shownName(int part, int index) const
{
    if (isLoaded()) {
        const QLineEdit* box = txtInput(part, index);
        return box ? box->text() : QString();
    }
    return hasPosition(part, index) ? context().data.Current.InputName[part - 1][index].trimmedRight() : QString();
}

QString NamesPage::toolTip(int part, int index) const
{
    if (isLoaded()) {
        const QLineEdit* box = txtInput(part, index);
        return box ? box->toolTip() : QString();
    }
    if (!hasPosition(part, index))
        return QString();
    return texts().read(PageTexts::partKey(part, QStringLiteral("ToolTip")) + PageTexts::twoDigits(index + 1),
                        QString());
}

// The positions the page has boxes for, whether or not it is built yet.
bool NamesPage::hasPosition(int part, int index) const
{
    if (part < 1 || part > Parts)
        return false;
    const int count = std::min<int>(settings().CountInput[part - 1], DataSet::SlotsPerPart);
    return index >= 0 && index < count;
}
