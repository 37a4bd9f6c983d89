#pragma once

#include "TabPage.h"

#include <QList>

class QComboBox;
class QLineEdit;
class SnapshotToolbar;

// `frmTabStripData07`: the device's eight configuration slots, each with its
// label, file, name, two flags and fetch and send buttons; the group file of all
// eight with its own fetch and send; and the configuration the device starts with.
class SnapshotPage : public TabPage
{
    Q_OBJECT

public:
    static constexpr int Slots = 8;
    static constexpr int NameLength = 8;

    explicit SnapshotPage(PageContext& context);

    QLineEdit* txtLblPart01(int index) const { return m_txtLblPart01.value(index); }
    QLineEdit* txtInfoPart01(int index) const { return m_txtInfoPart01.value(index); }
    QLineEdit* txtConfigName(int index) const { return m_txtConfigName.value(index); }
    SnapshotToolbar* ToolbarPart01(int index) const { return m_toolbarPart01.value(index); }
    QLineEdit* txtLblPart02() const { return m_txtLblPart02; }
    QLineEdit* txtInfoPart02() const { return m_txtInfoPart02; }
    SnapshotToolbar* ToolbarPart02() const { return m_toolbarPart02; }
    QLineEdit* txtLblPart03() const { return m_txtLblPart03; }
    QComboBox* cmbStartUpConf() const { return m_cmbStartUpConf; }
    // fraContainerPart01 ... 03.
    FramedPanel* fraContainerPart(int part) const { return m_panels.value(part - 1); }

    void fitWidth(int pixels) override;
    void toDataSet(ConfigurationData& data) override;
    bool fromDataSet(const ConfigurationData& data) override;

    // Shows on every flag button the picture and tooltip of its state.
    void refreshToggles();

protected:
    void build(FramedPanel* fraTab) override;
    void loadPageTexts() override;

private:
    void buildSlots(FramedPanel* panel);
    // Places every control for a width of the file boxes in twips.
    void layOut(int fileWidth);
    void toggle(int slot, int button);
    void slotButton(int slot, int button);
    void groupButton(int button);

    QList<FramedPanel*> m_panels;
    QList<QLineEdit*> m_txtLblPart01;
    QList<QLineEdit*> m_txtInfoPart01;
    QList<QLineEdit*> m_txtConfigName;
    QList<SnapshotToolbar*> m_toolbarPart01;
    QLineEdit* m_txtLblPart02 = nullptr;
    QLineEdit* m_txtInfoPart02 = nullptr;
    SnapshotToolbar* m_toolbarPart02 = nullptr;
    QLineEdit* m_txtLblPart03 = nullptr;
    QComboBox* m_cmbStartUpConf = nullptr;

    // Read once at load: [flag 1 on, flag 1 off, flag 2 on, flag 2 off].
    QStringList m_toggleTips;
};
