#include "LayerPage.h"

#include "AppSettings.h"
#include "BoxTag.h"
#include "ClickFilter.h"
#include "DataSet.h"
#include "DropDownButton.h"
#include "FramedPanel.h"
#include "PageContext.h"
#include "PageControls.h"
#include "SourcePicker.h"

#include <QLineEdit>
#include <QToolButton>

namespace {

// Design geometry: the fader-pair header above the grid, the layer header to
// its left; one column per fader pair, 1560 apart, one row per layer, 435 apart.
constexpr int GridLeft = 1335;
constexpr int GridTop = 855;
constexpr int GridWidth = 12600;
constexpr int GridHeight = 3840;
constexpr int ColumnPitch = 1560;
constexpr int RowPitch = 435;
constexpr int CellLeft = 120;
constexpr int CellTop = 240;
constexpr int CellWidth = 1215;
constexpr int ButtonWidth = 255;
constexpr int CellHeight = 315;

const char* const PairTexts[] = {"1 / 2",   "3 / 4",   "5 / 6",   "7 / 8",
                                 "9 / 10",  "11/ 12",  "13 / 14", "15 / 16"};

QChar layerLetter(int layer)
{
    return QChar(u'A' + layer);
}

} // namespace

LayerPage::LayerPage(PageContext& context)
    : TabPage(context, QStringLiteral("frmTabStripData03"), QStringLiteral("layer"),
              QStringLiteral("TabStrip_Layer_"))
{
}

void LayerPage::build(FramedPanel* fraTab)
{
    PageControls::place(fraTab, 0, 0, GridLeft + GridWidth + 120, GridTop + GridHeight + 120);
    auto* grid = new FramedPanel(fraTab, QStringLiteral("fraChannelLayer01"));
    grid->setCaption(QString()); // the grid frame carries no caption of its own
    PageControls::place(grid, GridLeft, GridTop, GridWidth, GridHeight);
    auto* pairs = new FramedPanel(fraTab, QStringLiteral("fraChannelLayer02"));
    PageControls::place(pairs, GridLeft, 120, GridWidth, 615);
    auto* layers = new FramedPanel(fraTab, QStringLiteral("fraChannelLayer03"));
    PageControls::place(layers, 120, GridTop, 1095, GridHeight);
    m_panels = {grid, pairs, layers};

    auto* clicks = new ClickFilter(this);
    connect(clicks, &ClickFilter::clicked, this, [this](QWidget* w) {
        pick(w->property("layer").toInt(), w->property("pair").toInt());
    });
    const bool themed = settings().ThemeActive;
    for (int n = 0; n < Pairs; ++n) {
        QLineEdit* label = PageControls::labelBox(pairs, QStringLiteral("txtLblLayer_%1").arg(n),
                                                  CellLeft + n * ColumnPitch, 240, CellWidth, 255);
        label->setText(QString::fromLatin1(PairTexts[n]));
        label->setAlignment(Qt::AlignCenter);
        m_txtLblLayer.append(label);
    }
    for (int layer = 0; layer < Layers; ++layer) {
        QLineEdit* label = PageControls::labelBox(layers, QStringLiteral("txtLblLeft_%1").arg(layer), 120,
                                                  CellTop + layer * RowPitch, 855, CellHeight);
        label->setText(QString(layerLetter(layer)));
        m_txtLblLeft.append(label);
        for (int n = 0; n < Pairs; ++n) {
            const int left = CellLeft + n * ColumnPitch;
            const int top = CellTop + layer * RowPitch;
            QLineEdit* cell = PageControls::textBox(
                grid, QStringLiteral("txtInput%1_%2").arg(layerLetter(layer)).arg(n), left, top, CellWidth,
                CellHeight);
            cell->setReadOnly(true);
            QToolButton* button =
                MakeDropDownButton(grid, QStringLiteral("pic%1_%2").arg(layerLetter(layer)).arg(n),
                                   left + CellWidth, top, ButtonWidth, CellHeight, themed);
            for (QWidget* w : {static_cast<QWidget*>(cell), static_cast<QWidget*>(button)}) {
                w->setProperty("layer", layer);
                w->setProperty("pair", n);
            }
            clicks->watch(cell);
            connect(button, &QToolButton::clicked, this, [this, layer, n] { pick(layer, n); });
            m_cells[layer][n] = cell;
            m_pics[layer][n] = button;
        }
    }
}

void LayerPage::loadPageTexts()
{
    const PageTexts t = texts();
    auto keyOrSelf = [&t](const QString& key) { return t.read(key, key); };
    FramedPanel* pairs = fraChannelLayer(2);
    FramedPanel* layers = fraChannelLayer(3);
    pairs->setCaption(keyOrSelf(QStringLiteral("Row.Caption")));
    for (int i = 1; i <= Pairs; ++i)
        m_txtLblLayer[i - 1]->setText(keyOrSelf(QStringLiteral("RowSub.Caption") + PageTexts::twoDigits(i)));
    const QString rowTip = t.read(QStringLiteral("Row.ToolTip"), QString());
    pairs->setToolTip(rowTip);
    for (int i = 0; i < 4; ++i)
        m_txtLblLayer[i]->setToolTip(rowTip);
    layers->setCaption(keyOrSelf(QStringLiteral("Col.Caption")));
    for (int i = 1; i <= Layers; ++i)
        m_txtLblLeft[i - 1]->setText(QLatin1Char(' ') +
                                     keyOrSelf(QStringLiteral("ColSub.Caption") + PageTexts::twoDigits(i)));
    const QString colTip = t.read(QStringLiteral("Col.ToolTip"), QString());
    layers->setToolTip(colTip);
    for (QLineEdit* label : m_txtLblLeft)
        label->setToolTip(colTip);
    const QString cellTip = t.read(QStringLiteral("DropDown.ToolTip"), QString());
    for (const auto& row : m_cells)
        for (QLineEdit* cell : row)
            cell->setToolTip(cellTip);

    const int used = settings().Layer_NumFaders / 2;
    if (used < Pairs) {
        for (int n = std::max(used, 0); n < Pairs; ++n) {
            m_txtLblLayer[n]->hide();
            for (int layer = 0; layer < Layers; ++layer) {
                m_cells[layer][n]->hide();
                m_pics[layer][n]->hide();
            }
        }
        pairs->resize(fraChannelLayer(1)->width(), pairs->height());
    }
    const SourcePicker picker(context());
    for (const auto& row : m_cells)
        for (QLineEdit* cell : row)
            picker.ShowSourceName(cell, 0);
}

void LayerPage::activated()
{
    SourcePicker(context()).FillSourceChoiceList(true);
}

void LayerPage::pick(int layer, int n)
{
    SourcePicker(context()).PickSource(m_cells[layer][n], SourcePicker::LayerCell, layer != 0);
}

void LayerPage::toDataSet(ConfigurationData& data)
{
    for (int n = 0; n < Pairs; ++n)
        for (int layer = 0; layer < Layers; ++layer)
            data.Current.LayerAssign[layer][n] = static_cast<qint16>(BoxTag::code(m_cells[layer][n]));
}

bool LayerPage::fromDataSet(const ConfigurationData& data)
{
    const SourcePicker picker(context());
    for (int n = 0; n < Pairs; ++n) {
        for (int layer = 0; layer < Layers; ++layer) {
            QLineEdit* cell = m_cells[layer][n];
            const int code = data.Current.LayerAssign[layer][n];
            BoxTag::set(cell, QString::number(code));
            picker.ShowSourceName(cell, code);
        }
    }
    return true;
}
