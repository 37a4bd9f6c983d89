#pragma once

#include "TabPage.h"

#include <QList>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QToolButton;
struct EsamLeftColumn;

// `frmTabStripData06`: the machine-control protocol (VCA, ESAM or MIDI), the
// signal source of each of the nine VTR channels ("REC", "A" ... "H") for the
// channel pairs "01 - 02" and "03 - 04", the frame rate and the channel count.
// A VTR box keeps its source code in its tag; a click opens the choice dialog.
class EsamPage : public TabPage
{
    Q_OBJECT

public:
    static constexpr int Controls = 3;
    static constexpr int Channels = 9;

    explicit EsamPage(PageContext& context);

    QCheckBox* chkControl(int i) const { return m_chkControl.value(i); }
    // txtVTRSource1 (column 1) and txtVTRSource2 (column 2), row 0..8.
    QLineEdit* txtVTRSource(int column, int row) const { return m_txtVTRSource.at(column - 1).value(row); }
    QToolButton* picVTRSource(int column, int row) const { return m_picVTRSource.at(column - 1).value(row); }
    QLineEdit* txtlblChannel(int i) const { return m_txtlblChannel.value(i); }
    QLineEdit* txtLblVTR(int i) const { return m_txtLblVTR.value(i); }
    FramedPanel* fraVTRChannelColHdr() const { return m_colHdr; }
    FramedPanel* fraVTRChannelRowHdr() const { return m_rowHdr; }
    QComboBox* cmbFrames() const { return m_cmbFrames; }
    QComboBox* cmbChannels() const { return m_cmbChannels; }
    QLineEdit* txtlblPart03() const { return m_txtlblPart03; }
    QLineEdit* txtlblPart04() const { return m_txtlblPart04; }
    FramedPanel* fraContainerPart(int part) const { return m_panels.at(part - 1); }

    void activated() override;
    void fitWidth(int pixels) override;
    void toDataSet(ConfigurationData& data) override;
    bool fromDataSet(const ConfigurationData& data) override;
    // The click action of a VTR box or its button: column 1 or 2, row 0..8.
    void pick(int column, int row);

protected:
    void build(FramedPanel* fraTab) override;
    void loadPageTexts() override;

private:
    void buildGrid(FramedPanel* panel);
    // Places every control for the left column's geometry and a VTR box width in twips.
    void layOut(const EsamLeftColumn& left, int cellWidth);
    QLineEdit* buildListPart(FramedPanel* panel, int part, QComboBox*& box, const QString& boxName);

    std::array<FramedPanel*, 4> m_panels{};
    QList<QCheckBox*> m_chkControl;
    FramedPanel* m_colHdr = nullptr;
    FramedPanel* m_rowHdr = nullptr;
    QList<QLineEdit*> m_txtlblChannel;
    QList<QLineEdit*> m_txtLblVTR;
    std::array<QList<QLineEdit*>, 2> m_txtVTRSource;
    std::array<QList<QToolButton*>, 2> m_picVTRSource;
    QComboBox* m_cmbFrames = nullptr;
    QComboBox* m_cmbChannels = nullptr;
    QLineEdit* m_txtlblPart03 = nullptr;
    QLineEdit* m_txtlblPart04 = nullptr;
};
