#include "GpioAssignPage.h"

#include "FramedPanel.h"
#include "PageControls.h"

GpioAssignPage::GpioAssignPage(PageContext& context, QString formName, QString designCaption,
                               QString sectionPrefix, int inputs, int outputs)
    : TabPage(context, std::move(formName), std::move(designCaption), std::move(sectionPrefix)),
      m_inputRows(inputs), m_outputRows(outputs)
{
}

GpioAssignPage::~GpioAssignPage() = default;

void GpioAssignPage::build(FramedPanel* fraTab)
{
    m_inputs = new GpioRowPanel(this, context(), fraTab, 1, m_inputRows, FirstPanelTop);
    m_outputs = new GpioRowPanel(this, context(), fraTab, 2, m_outputRows,
                                 FirstPanelTop + m_inputs->height() + PanelGap);
    setFraTabHeight(m_outputs->top() + m_outputs->height() + BottomMargin);
}

void GpioAssignPage::setFraTabHeight(int twips)
{
    m_fraTabHeight = twips;
    PageControls::place(fraTab(), 0, 0, GpioRowPanel::outerWidth(), twips);
}

void GpioAssignPage::loadPageTexts()
{
    const PageTexts t = texts();
    m_inputs->loadTexts(t);
    m_outputs->loadTexts(t);
    m_inputs->clearAll();
    m_outputs->clearAll();
    layOut();
}
