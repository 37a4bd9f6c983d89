#pragma once

#include "TabPage.h"

#include <QList>

class QLineEdit;

// `frmTabStripData01`: the six status texts of the device, one per line with its label.
class StatusPage : public TabPage
{
    Q_OBJECT

public:
    static constexpr int Lines = 6;

    explicit StatusPage(PageContext& context);

    // txtStatus(i) shows StatusText(i + 1).
    QLineEdit* txtStatus(int index) const { return m_txtStatus.value(index); }
    QLineEdit* txtLblStatus(int index) const { return m_txtLblStatus.value(index); }
    FramedPanel* fraStatus() const { return m_fraStatus; }

    void toDataSet(ConfigurationData& data) override;
    bool fromDataSet(const ConfigurationData& data) override;

protected:
    void build(FramedPanel* fraTab) override;
    void loadPageTexts() override;

private:
    FramedPanel* m_fraStatus = nullptr;
    QList<QLineEdit*> m_txtLblStatus;
    QList<QLineEdit*> m_txtStatus;
};
