#include "EsamPage.h"

#include "AppSettings.h"
#include "BoxTag.h"
#include "CheckArray.h"
#include "CheckValue.h"
#include "ClickFilter.h"
#include "DataSet.h"
#include "DropDownButton.h"
#include "FramedPanel.h"
#include "PageContext.h"
#include "PageControls.h"
#include "PageLists.h"
#include "PanelTexts.h"
#include "SelectorListEntries.h"
#include "SourcePicker.h"
#include "Twips.h"

#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>
#include <utility>

namespace {

// Design geometry. Left column: the control-mode, frames and channels panels;
// right: the VTR grid with its column header above and its row header to the
// left. Where the page has less room than its design, the left column closes
// up and the two VTR columns share what is left.
constexpr int Margin = 120;
constexpr int SmallPanelHeight = 900;
constexpr int RowTop = 360;
constexpr int ControlHeight = 315;
constexpr int LabelHeight = 255;
constexpr int CheckLeft = 240;
constexpr int PartLabelLeft = 240;

} // namespace

// Geometry of the left column's panels in twips.
struct EsamLeftColumn
{
    int panelWidth;
    int checkPitch;
    int checkWidth;
    int labelWidth;
    int listLeft;
    int listWidth;
};

namespace {

constexpr EsamLeftColumn DesignColumn{4080, 1260, 1140, 1440, 1800, 2040};
constexpr EsamLeftColumn CompactColumn{3780, 1160, 1040, 1260, 1620, 2040};

constexpr int RowHdrWidth = 1095;
constexpr int ColHdrLeft = Margin + RowHdrWidth + Margin;
constexpr int ColHdrTop = 300;
constexpr int ColHdrHeight = 615;
constexpr int RowHdrTop = ColHdrTop + ColHdrHeight + Margin;
constexpr int CellInset = 120;
constexpr int CellTop = 240;
constexpr int CellWidth = 1800;
constexpr int ButtonWidth = 255;
constexpr int ColumnGap = 225;
constexpr int RowPitch = 435;
constexpr int RowHdrHeight = CellTop + (EsamPage::Channels - 1) * RowPitch + ControlHeight + 165;
constexpr int GridPanelHeight = RowHdrTop + RowHdrHeight + Margin;

constexpr int columnPitch(int cellWidth)
{
    return cellWidth + ButtonWidth + ColumnGap;
}

constexpr int colHdrWidth(int cellWidth)
{
    return CellInset + columnPitch(cellWidth) + cellWidth + ButtonWidth + CellInset;
}

constexpr int gridPanelWidth(int cellWidth)
{
    return ColHdrLeft + colHdrWidth(cellWidth) + Margin;
}

constexpr int pageWidth(const EsamLeftColumn& left, int cellWidth)
{
    return Margin + left.panelWidth + Margin + gridPanelWidth(cellWidth) + Margin;
}

const char* const ChannelTexts[] = {"01 - 02", "03 - 04"};
const char* const VtrTexts[] = {"REC", "A", "B", "C", "D", "E", "F", "G", "H"};

} // namespace

EsamPage::EsamPage(PageContext& context)
    : TabPage(context, QStringLiteral("frmTabStripData06"), QStringLiteral("esam"),
              QStringLiteral("TabStrip_Esam_"))
{
}

void EsamPage::build(FramedPanel* fraTab)
{
    for (int part = 1; part <= 4; ++part)
        m_panels[part - 1] = new FramedPanel(fraTab, QStringLiteral("fraContainerPart0%1").arg(part));

    // Created in tab order: the left column top to bottom, then the grid.
    m_chkControl = MakeCheckArray(m_panels[0], QStringLiteral("chkControl"),
                                  {QStringLiteral("VCA"), QStringLiteral("ESAM"), QStringLiteral("MIDI")}, 0,
                                  0, 0, 0, 0);
    m_txtlblPart03 = buildListPart(m_panels[2], 3, m_cmbFrames, QStringLiteral("cmbFrames"));
    PageLists::fill(m_cmbFrames, EsamFrameEntries());
    m_txtlblPart04 = buildListPart(m_panels[3], 4, m_cmbChannels, QStringLiteral("cmbChannels"));
    buildGrid(m_panels[1]);
    layOut(DesignColumn, CellWidth);
}

QLineEdit* EsamPage::buildListPart(FramedPanel* panel, int part, QComboBox*& box, const QString& boxName)
{
    QLineEdit* label = PageControls::labelBox(panel, QStringLiteral("txtlblPart0%1_0").arg(part), 0, 0, 0, 0);
    box = new QComboBox(panel);
    box->setObjectName(boxName);
    return label;
}

void EsamPage::buildGrid(FramedPanel* panel)
{
    m_colHdr = new FramedPanel(panel, QStringLiteral("fraVTRChannelColHdr"));
    m_rowHdr = new FramedPanel(panel, QStringLiteral("fraVTRChannelRowHdr"));
    for (int c = 0; c < 2; ++c) {
        QLineEdit* label =
            PageControls::labelBox(m_colHdr, QStringLiteral("txtlblChannel_%1").arg(c), 0, 0, 0, 0);
        label->setText(QString::fromLatin1(ChannelTexts[c]));
        label->setAlignment(Qt::AlignCenter);
        m_txtlblChannel.append(label);
    }

    auto* clicks = new ClickFilter(this);
    connect(clicks, &ClickFilter::clicked, this,
            [this](QWidget* w) { pick(w->property("column").toInt(), w->property("row").toInt()); });
    const bool themed = settings().ThemeActive;
    for (int row = 0; row < Channels; ++row) {
        QLineEdit* label =
            PageControls::labelBox(m_rowHdr, QStringLiteral("txtLblVTR_%1").arg(row), 0, 0, 0, 0);
        label->setText(QString::fromLatin1(VtrTexts[row]));
        m_txtLblVTR.append(label);
        for (int column = 1; column <= 2; ++column) {
            QLineEdit* box = PageControls::textBox(
                panel, QStringLiteral("txtVTRSource%1_%2").arg(column).arg(row), 0, 0, 0, 0);
            box->setReadOnly(true);
            QToolButton* button = MakeDropDownButton(
                panel, QStringLiteral("picVTRSource%1_%2").arg(column).arg(row), 0, 0, 0, 0, themed);
            for (QWidget* w : {static_cast<QWidget*>(box), static_cast<QWidget*>(button)}) {
                w->setProperty("column", column);
                w->setProperty("row", row);
            }
            clicks->watch(box);
            connect(button, &QToolButton::clicked, this, [this, column, row] { pick(column, row); });
            m_txtVTRSource[column - 1].append(box);
            m_picVTRSource[column - 1].append(button);
        }
    }
}

void EsamPage::fitWidth(int pixels)
{
    const int room = Twips::fromPixelsX(pixels);
    if (room >= pageWidth(DesignColumn, CellWidth))
        return;
    const int cellWidth = std::min(CellWidth, (room - pageWidth(CompactColumn, 0)) / 2);
    layOut(CompactColumn, cellWidth);
}

void EsamPage::layOut(const EsamLeftColumn& left, int cellWidth)
{
    PageControls::place(fraTab(), 0, 0, pageWidth(left, cellWidth), Margin + GridPanelHeight + Margin);
    for (int i = 0; i < 3; ++i)
        PageControls::place(m_panels[i == 0 ? 0 : i + 1], Margin, Margin + i * (SmallPanelHeight + Margin),
                            left.panelWidth, SmallPanelHeight);
    for (int i = 0; i < Controls; ++i)
        PageControls::place(m_chkControl[i], CheckLeft + i * left.checkPitch, RowTop, left.checkWidth,
                            ControlHeight);
    const std::array<std::pair<QLineEdit*, QComboBox*>, 2> lists{std::pair{m_txtlblPart03, m_cmbFrames},
                                                                 std::pair{m_txtlblPart04, m_cmbChannels}};
    for (const auto& [label, box] : lists) {
        PageControls::place(label, PartLabelLeft, RowTop + (ControlHeight - LabelHeight) / 2, left.labelWidth,
                            LabelHeight);
        PageControls::place(box, left.listLeft, RowTop, left.listWidth, ControlHeight);
    }

    const int pitch = columnPitch(cellWidth);
    PageControls::place(m_panels[1], Margin + left.panelWidth + Margin, Margin, gridPanelWidth(cellWidth),
                        GridPanelHeight);
    PageControls::place(m_colHdr, ColHdrLeft, ColHdrTop, colHdrWidth(cellWidth), ColHdrHeight);
    PageControls::place(m_rowHdr, Margin, RowHdrTop, RowHdrWidth, RowHdrHeight);
    for (int c = 0; c < 2; ++c)
        PageControls::place(m_txtlblChannel[c], CellInset + c * pitch, CellTop, cellWidth + ButtonWidth,
                            LabelHeight);
    for (int row = 0; row < Channels; ++row) {
        const int top = CellTop + row * RowPitch;
        PageControls::place(m_txtLblVTR[row], 120, top, 855, ControlHeight);
        for (int c = 0; c < 2; ++c) {
            const int cellLeft = ColHdrLeft + CellInset + c * pitch;
            PageControls::place(m_txtVTRSource[c][row], cellLeft, RowHdrTop + top, cellWidth, ControlHeight);
            PageControls::place(m_picVTRSource[c][row], cellLeft + cellWidth, RowHdrTop + top, ButtonWidth,
                                ControlHeight);
        }
    }
}

void EsamPage::loadPageTexts()
{
    const PageTexts t = texts();
    for (int part = 1; part <= 4; ++part)
        PanelTexts::loadPanel(t, part, m_panels[part - 1]);
    PanelTexts::loadChecks(t, 1, m_chkControl);

    m_colHdr->setCaption(t.read(QStringLiteral("Part02.Col.Caption"), QStringLiteral("Col.Caption")));
    const QString colTip = t.read(QStringLiteral("Part02.Col.ToolTip"), QString());
    m_colHdr->setToolTip(colTip);
    for (QLineEdit* label : m_txtlblChannel)
        label->setToolTip(colTip);
    m_rowHdr->setCaption(t.read(QStringLiteral("Part02.Row.Caption"), QStringLiteral("Row.Caption")));
    const QString rowTip = t.read(QStringLiteral("Part02.Row.ToolTip"), QString());
    m_rowHdr->setToolTip(rowTip);
    for (QLineEdit* label : m_txtLblVTR)
        label->setToolTip(rowTip);

    const QString boxTip = t.read(QStringLiteral("Part02.DropDown.ToolTip"), QString());
    const SourcePicker picker(context());
    for (int c = 0; c < 2; ++c) {
        for (int row = 0; row < Channels; ++row) {
            m_txtVTRSource[c][row]->setToolTip(boxTip);
            m_picVTRSource[c][row]->setToolTip(boxTip);
            picker.ShowSourceName(m_txtVTRSource[c][row], 0);
        }
    }

    PanelTexts::loadLabels(t, 3, {m_txtlblPart03});
    PanelTexts::loadLabels(t, 4, {m_txtlblPart04});
    PageLists::fill(m_cmbChannels, EsamChannelEntries(messages()));
    context().lists.cmbFrames = PageLists::entries(m_cmbFrames);
    context().lists.cmbChannels = PageLists::entries(m_cmbChannels);
    raiseMaxMainHeight();
}

void EsamPage::activated()
{
    SourcePicker(context()).FillSourceChoiceList(true);
}

void EsamPage::pick(int column, int row)
{
    SourcePicker(context()).PickSource(txtVTRSource(column, row), SourcePicker::VtrSource, true);
}

void EsamPage::toDataSet(ConfigurationData& data)
{
    DataSet& d = data.Current;
    for (int i = 0; i < Controls; ++i)
        d.ControlMode[i] = CheckValue::get(m_chkControl[i]);
    for (int row = 0; row < Channels; ++row) {
        d.VTRSource1[row] = static_cast<qint16>(BoxTag::code(m_txtVTRSource[0][row]));
        d.VTRSource2[row] = static_cast<qint16>(BoxTag::code(m_txtVTRSource[1][row]));
    }
    d.EsamFrames = static_cast<qint16>(m_cmbFrames->currentIndex());
    d.EsamChannels = static_cast<qint16>(m_cmbChannels->currentIndex());
}

bool EsamPage::fromDataSet(const ConfigurationData& data)
{
    const DataSet& d = data.Current;
    for (int i = 0; i < Controls; ++i) {
        if (!CheckValue::set(m_chkControl[i], d.ControlMode[i]))
            return false;
    }
    const SourcePicker picker(context());
    for (int row = 0; row < Channels; ++row) {
        const std::array<int, 2> codes{d.VTRSource1[row], d.VTRSource2[row]};
        for (int c = 0; c < 2; ++c) {
            BoxTag::set(m_txtVTRSource[c][row], QString::number(codes[c]));
            picker.ShowSourceName(m_txtVTRSource[c][row], codes[c]);
        }
    }
    return PageLists::setPosition(m_cmbFrames, d.EsamFrames) &&
           PageLists::setPosition(m_cmbChannels, d.EsamChannels);
}
