#pragma once

#include "TabPage.h"

class QAction;
class QLineEdit;
class QToolBar;

// `frmTabStripData99`: the version number of the device's control unit, typed
// as up to four digits and sent to the device with the toolbar button.
class VersionPage : public TabPage
{
    Q_OBJECT

public:
    static constexpr int SendVersionCommand = 108;
    static constexpr int VersionLength = 4;

    explicit VersionPage(PageContext& context);

    FramedPanel* fraContainerPart01() const { return m_fraContainerPart01; }
    QLineEdit* txtLblPart01() const { return m_txtLblPart01; }
    QLineEdit* txtACUVersion() const { return m_txtACUVersion; }
    QToolBar* ToolbarPart01() const { return m_toolbar; }
    QAction* sendButton() const { return m_send; }

    void toDataSet(ConfigurationData& data) override;
    bool fromDataSet(const ConfigurationData& data) override;

protected:
    void build(FramedPanel* fraTab) override;
    // The page reads no texts: its captions are fixed.
    void loadPageTexts() override {}

private:
    FramedPanel* m_fraContainerPart01 = nullptr;
    QLineEdit* m_txtLblPart01 = nullptr;
    QLineEdit* m_txtACUVersion = nullptr;
    QToolBar* m_toolbar = nullptr;
    QAction* m_send = nullptr;
};
