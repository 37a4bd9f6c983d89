#pragma once

#include "TabPage.h"

#include <QList>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;

// `frmTabStripData04`: the monitor's channel and mode, its pick-off point, the
// two peak-meter pick-offs and the four external monitor keys. Its lists are
// also the sources with codes 11000 ..., 12000 ... and 13000 ... of other pages,
// which read them from the selector lists the page keeps equal to its boxes.
class MonitorPage : public TabPage
{
    Q_OBJECT

public:
    static constexpr int Modes = 4;
    static constexpr int Pickoffs = 3;
    static constexpr int Peaks = 2;
    static constexpr int Keys = 4;

    explicit MonitorPage(PageContext& context);

    QComboBox* cmbKanal() const { return m_cmbKanal; }
    QCheckBox* chkMonMode(int i) const { return m_chkMonMode.value(i); }
    QCheckBox* chkMonAbgriff(int i) const { return m_chkMonAbgriff.value(i); }
    QComboBox* cmbAbgriffPeak(int i) const { return m_cmbAbgriffPeak.value(i); }
    QComboBox* cmbExtMon(int i) const { return m_cmbExtMon.value(i); }
    // txtLblPart01 ... txtLblPart04 (part 1..4), index from 0.
    QLineEdit* txtLblPart(int part, int i) const { return m_labels.at(part - 1).value(i); }
    FramedPanel* fraContainerPart(int part) const { return m_panels.at(part - 1); }

    void toDataSet(ConfigurationData& data) override;
    bool fromDataSet(const ConfigurationData& data) override;

protected:
    void build(FramedPanel* fraTab) override;
    void loadPageTexts() override;

private:
    void fillLists();

    std::array<FramedPanel*, 4> m_panels{};
    std::array<QList<QLineEdit*>, 4> m_labels;
    QComboBox* m_cmbKanal = nullptr;
    QList<QCheckBox*> m_chkMonMode;
    QList<QCheckBox*> m_chkMonAbgriff;
    QList<QComboBox*> m_cmbAbgriffPeak;
    QList<QComboBox*> m_cmbExtMon;
};
