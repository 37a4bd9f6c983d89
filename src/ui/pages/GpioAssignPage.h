#pragma once

#include "GpioRowPanel.h"
#include "TabPage.h"

class QLineEdit;
class QToolButton;

// A page that assigns GPIO channel definitions to inputs (panel 1, list
// lstData[0]) and outputs (panel 2, list lstData[1]), the panels stacked.
// The GPIO page and the fader-box page differ only in their row counts, their
// data fields and the GPIO page's option modes.
class GpioAssignPage : public TabPage
{
    Q_OBJECT

public:
    // The gap between the inputs panel and the outputs panel below it.
    static constexpr int PanelGap = 15;
    static constexpr int FirstPanelTop = 120;
    static constexpr int BottomMargin = 120;

    ~GpioAssignPage() override;

    FramedPanel* fraContainerPart01() const { return m_inputs->panel(); }
    FramedPanel* fraContainerPart02() const { return m_outputs->panel(); }
    QLineEdit* txtLblPart01(int i) const { return m_inputs->label(i); }
    QLineEdit* txtInput(int i) const { return m_inputs->box(i); }
    QToolButton* picIn(int i) const { return m_inputs->pic(i); }
    QLineEdit* txtInputInfo(int i) const { return m_inputs->info(i); }
    QLineEdit* txtLblPart02(int i) const { return m_outputs->label(i); }
    QLineEdit* txtOutput(int i) const { return m_outputs->box(i); }
    QToolButton* picOut(int i) const { return m_outputs->pic(i); }
    QLineEdit* txtOutputInfo(int i) const { return m_outputs->info(i); }

    // The click actions of txtInput(i)/picIn(i) and txtOutput(i)/picOut(i).
    void pickInput(int i) { m_inputs->pick(i); }
    void pickOutput(int i) { m_outputs->pick(i); }

protected:
    GpioAssignPage(PageContext& context, QString formName, QString designCaption, QString sectionPrefix,
                   int inputs, int outputs);

    void build(FramedPanel* fraTab) override;
    // Panel texts, every row not assigned, the page's own layout changes.
    void loadPageTexts() override;
    // Hides what the device does not have; fraTab is then fitted again.
    virtual void layOut() {}

    GpioRowPanel& inputs() const { return *m_inputs; }
    GpioRowPanel& outputs() const { return *m_outputs; }
    // fraTab's height in twips, kept apart from the pixel geometry so that
    // layout changes add up exactly.
    int fraTabHeight() const { return m_fraTabHeight; }
    void setFraTabHeight(int twips);

private:
    int m_inputRows;
    int m_outputRows;
    int m_fraTabHeight = 0;
    GpioRowPanel* m_inputs = nullptr;
    GpioRowPanel* m_outputs = nullptr;
};
