#include "StatusPage.h"

#include "DataSet.h"
#include "FramedPanel.h"
#include "PageContext.h"
#include "PageControls.h"
#include "TrimRight.h"
#include "TypingValidator.h"

#include <QLineEdit>

namespace {

constexpr int FirstRowTop = 360;
constexpr int RowPitch = 450;
constexpr int StatusTextLength = 64;

} // namespace

StatusPage::StatusPage(PageContext& context)
    : TabPage(context, QStringLiteral("frmTabStripData01"), QStringLiteral("status"),
              QStringLiteral("TabStrip_Status_"))
{
}

void StatusPage::build(FramedPanel* fraTab)
{
    PageControls::place(fraTab, 0, 0, 9240, 3480);
    m_fraStatus = new FramedPanel(fraTab, QStringLiteral("fraStatus"));
    PageControls::place(m_fraStatus, 120, 120, 9000, 3240);
    for (int i = 0; i < Lines; ++i) {
        const int top = FirstRowTop + i * RowPitch;
        m_txtLblStatus.append(PageControls::labelBox(m_fraStatus, QStringLiteral("txtLblStatus%1").arg(i),
                                                     240, top, 2280, 315));
        QLineEdit* box =
            PageControls::textBox(m_fraStatus, QStringLiteral("txtStatus%1").arg(i), 2640, top, 6120, 315);
        box->setMaxLength(StatusTextLength);
        // The texts travel to the device in Windows-1252.
        new TypingValidator(box, TypingValidator::windowsText);
        m_txtStatus.append(box);
    }
}

void StatusPage::loadPageTexts()
{
    m_fraStatus->setCaption(QString());
    const PageTexts t = texts();
    for (int i = 1; i <= Lines; ++i) {
        const QString label = QStringLiteral("Label") + PageTexts::twoDigits(i);
        const QString tip = QStringLiteral("ToolTip") + PageTexts::twoDigits(i);
        m_txtLblStatus[i - 1]->setText(t.read(label, label));
        const QString toolTip = t.read(tip, QString());
        m_txtStatus[i - 1]->setToolTip(toolTip);
        m_txtLblStatus[i - 1]->setToolTip(toolTip);
    }
}

void StatusPage::toDataSet(ConfigurationData& data)
{
    for (int i = 0; i < Lines; ++i)
        data.StatusText[i].set(TrimRight(m_txtStatus[i]->text()));
}

bool StatusPage::fromDataSet(const ConfigurationData& data)
{
    for (int i = 0; i < Lines; ++i)
        m_txtStatus[i]->setText(data.StatusText[i].trimmedRight());
    return true;
}
