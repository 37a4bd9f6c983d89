#pragma once

#include "TabPage.h"

#include <QList>

#include <array>

class QLineEdit;
class QToolButton;

// `frmTabStripData03`: the signal source of every fader pair (columns "1 / 2"
// ... "15 / 16") on each of the layers A ... H (rows). A cell keeps its source
// code in its tag; a click opens the choice dialog.
class LayerPage : public TabPage
{
    Q_OBJECT

public:
    static constexpr int Layers = 8;
    static constexpr int Pairs = 8;

    explicit LayerPage(PageContext& context);

    // txtInputA ... txtInputH: layer 0..7, fader pair n 0..7.
    QLineEdit* txtInput(int layer, int n) const { return m_cells[layer][n]; }
    QToolButton* pic(int layer, int n) const { return m_pics[layer][n]; }
    QLineEdit* txtLblLayer(int n) const { return m_txtLblLayer.value(n); }
    QLineEdit* txtLblLeft(int layer) const { return m_txtLblLeft.value(layer); }
    FramedPanel* fraChannelLayer(int index) const { return m_panels[index - 1]; }

    void activated() override;
    void fitWidth(int pixels) override;
    void toDataSet(ConfigurationData& data) override;
    bool fromDataSet(const ConfigurationData& data) override;
    // The click action of a cell: layer A offers only named signals.
    void pick(int layer, int n);

protected:
    void build(FramedPanel* fraTab) override;
    void loadPageTexts() override;

private:
    int pairsInUse() const;
    // Places the headers and the grid for a column pitch in twips; the frames
    // hold the given number of columns.
    void layOut(int pitch, int columns);

    std::array<FramedPanel*, 3> m_panels{};
    QList<QLineEdit*> m_txtLblLayer;
    QList<QLineEdit*> m_txtLblLeft;
    std::array<std::array<QLineEdit*, Pairs>, Layers> m_cells{};
    std::array<std::array<QToolButton*, Pairs>, Layers> m_pics{};
};
