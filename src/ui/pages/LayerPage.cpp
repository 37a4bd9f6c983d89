#include "LayerPage.h"

#include "AppSettings.h"
#include "BoxTag.h"
#include "ClickFilter.h"
#include "DataSet.h"
#include "DropDownButton.h"
#include "FramedPanel.h"
#include "MessageTexts.h"
#include "PageContext.h"
#include "PageControls.h"
#include "SourcePicker.h"
#include "Twips.h"

#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

namespace {

// Design geometry: the fader-pair header above the grid, the layer header to
// its left; one column per fader pair, 1560 apart, one row per layer, 435 apart.
// Fitted to the window, the columns in use share its width, up to 2400 each.
constexpr int GridLeft = 1335;
constexpr int GridTop = 855;
constexpr int GridHeight = 3840;
constexpr int DesignPitch = 1560;
constexpr int MaxPitch = 2400;
constexpr int RowPitch = 435;
constexpr int CellLeft = 120;
constexpr int CellTop = 240;
constexpr int CellGap = 90;
constexpr int ButtonWidth = 255;
constexpr int CellHeight = 315;
constexpr int Margin = 120;

constexpr int gridWidth(int pitch, int columns)
{
    return CellLeft + columns * pitch;
}

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
    auto* grid = new FramedPanel(fraTab, QStringLiteral("fraChannelLayer01"));
    grid->setCaption(QString()); // the grid frame carries no caption of its own
    auto* pairs = new FramedPanel(fraTab, QStringLiteral("fraChannelLayer02"));
    auto* layers = new FramedPanel(fraTab, QStringLiteral("fraChannelLayer03"));
    PageControls::place(layers, Margin, GridTop, GridLeft - 2 * Margin, GridHeight);
    m_panels = {grid, pairs, layers};

    auto* clicks = new ClickFilter(this);
    connect(clicks, &ClickFilter::clicked, this, [this](QWidget* w) {
        pick(w->property("layer").toInt(), w->property("pair").toInt());
    });
    const bool themed = settings().ThemeActive;
    for (int n = 0; n < Pairs; ++n) {
        QLineEdit* label = PageControls::labelBox(pairs, QStringLiteral("txtLblLayer_%1").arg(n), 0, 0, 0, 0);
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
            QLineEdit* cell = PageControls::textBox(
                grid, QStringLiteral("txtInput%1_%2").arg(layerLetter(layer)).arg(n), 0, 0, 0, 0);
            cell->setReadOnly(true);
            QToolButton* button = MakeDropDownButton(
                grid, QStringLiteral("pic%1_%2").arg(layerLetter(layer)).arg(n), 0, 0, 0, 0, themed);
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
    layOut(DesignPitch, Pairs);
}

int LayerPage::pairsInUse() const
{
    return std::clamp(settings().Layer_NumFaders / 2, 1, Pairs);
}

void LayerPage::fitWidth(int pixels)
{
    const int columns = pairsInUse();
    const int room = Twips::fromPixelsX(pixels) - GridLeft - Margin;
    layOut(std::min(MaxPitch, (room - CellLeft) / columns), columns);
    QList<QLineEdit*> cells;
    for (const auto& row : m_cells)
        cells.append(QList<QLineEdit*>(row.begin(), row.end()));
    PageControls::fitText(cells, messages().get(QStringLiteral("NotDefined")));
}

void LayerPage::layOut(int pitch, int columns)
{
    const int width = gridWidth(pitch, columns);
    PageControls::place(fraTab(), 0, 0, GridLeft + width + Margin, GridTop + GridHeight + Margin);
    PageControls::place(m_panels[0], GridLeft, GridTop, width, GridHeight);
    PageControls::place(m_panels[1], GridLeft, Margin, width, 615);
    const int cellWidth = pitch - ButtonWidth - CellGap;
    for (int n = 0; n < Pairs; ++n) {
        const int left = CellLeft + n * pitch;
        PageControls::place(m_txtLblLayer[n], left, 240, cellWidth, 255);
        for (int layer = 0; layer < Layers; ++layer) {
            const int top = CellTop + layer * RowPitch;
            PageControls::place(m_cells[layer][n], left, top, cellWidth, CellHeight);
            PageControls::place(m_pics[layer][n], left + cellWidth, top, ButtonWidth, CellHeight);
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
