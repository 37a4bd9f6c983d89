#include "VersionPage.h"

#include "DataSet.h"
#include "FramedPanel.h"
#include "PageContext.h"
#include "PageControls.h"
#include "ThemeIcons.h"
#include "TrimRight.h"
#include "Twips.h"
#include "TypingValidator.h"

#include <QAction>
#include <QIcon>
#include <QLineEdit>
#include <QStyle>
#include <QToolBar>

namespace {

constexpr int PanelWidth = 4200;
constexpr int PanelHeight = 735;
constexpr int RowTop = 270;
constexpr int IconSize = 240;

} // namespace

VersionPage::VersionPage(PageContext& context)
    : TabPage(context, QStringLiteral("frmTabStripData99"), QStringLiteral("SYSTEM"),
              QStringLiteral("TabStrip_System_"))
{
}

void VersionPage::build(FramedPanel* fraTab)
{
    PageControls::place(fraTab, 0, 0, 120 + PanelWidth + 120, 120 + PanelHeight + 120);
    m_fraContainerPart01 = new FramedPanel(fraTab, QStringLiteral("fraContainerPart01"));
    PageControls::place(m_fraContainerPart01, 120, 120, PanelWidth, PanelHeight);
    m_fraContainerPart01->setCaption(QString());

    m_txtLblPart01 = PageControls::labelBox(m_fraContainerPart01, QStringLiteral("txtLblPart01"), 180,
                                            RowTop + 30, 1500, 255);
    m_txtLblPart01->setText(QStringLiteral("ACU Version"));

    m_txtACUVersion =
        PageControls::textBox(m_fraContainerPart01, QStringLiteral("txtACUVersion"), 1740, RowTop, 900, 315);
    m_txtACUVersion->setMaxLength(VersionLength);
    new TypingValidator(m_txtACUVersion, TypingValidator::digit);

    // A flat toolbar: its buttons show a frame only under the mouse.
    m_toolbar = new QToolBar(m_fraContainerPart01);
    m_toolbar->setObjectName(QStringLiteral("ToolbarPart01"));
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    // The icon grows with the screen's DPI like the rest of the page.
    m_toolbar->setIconSize(Twips::toPixels(IconSize, IconSize));
    PageControls::place(m_toolbar, 2760, RowTop - 30, 600, 375);
    m_send = m_toolbar->addAction(ThemeIcons::icon("mail-send", QStyle::SP_ArrowRight), QString());
    m_send->setObjectName(QStringLiteral("ToolbarPart01_Button01"));
    m_send->setToolTip(QStringLiteral("ACU Version senden"));
    connect(m_toolbar, &QToolBar::actionTriggered, this, [this] {
        if (context().runCommand)
            context().runCommand(SendVersionCommand);
    });
}

void VersionPage::toDataSet(ConfigurationData& data)
{
    data.ACUVersion.set(TrimRight(m_txtACUVersion->text()));
}

bool VersionPage::fromDataSet(const ConfigurationData& data)
{
    m_txtACUVersion->setText(data.ACUVersion.trimmedRight());
    return true;
}
