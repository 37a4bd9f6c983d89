#include "TabPage.h"

#include "AppSettings.h"
#include "FramedPanel.h"
#include "Twips.h"

#include <algorithm>

TabPage::TabPage(AppSettings& settings, MessageTexts& messages, QString formName, QString designCaption,
                 QString sectionPrefix)
    : m_settings(settings), m_messages(messages), m_formName(std::move(formName)),
      m_designCaption(std::move(designCaption)), m_sectionPrefix(std::move(sectionPrefix))
{
}

// The panel belongs to the container it was put in.
TabPage::~TabPage() = default;

void TabPage::load(QWidget* container)
{
    if (m_fraTab)
        return;
    m_fraTab = new FramedPanel(container, QStringLiteral("fraTab"));
    m_fraTab->setCaption(m_designCaption);
    build(m_fraTab);
    loadPageTexts();
}

PageTexts TabPage::texts() const
{
    return PageTexts(m_settings.SettingsFile, m_sectionPrefix + m_settings.Language);
}

void TabPage::raiseMaxMainHeight()
{
    const int wanted = Twips::fromPixelsY(m_fraTab->height()) + 1660;
    m_settings.MaxMainHeight = static_cast<qint16>(std::clamp<int>(std::max<int>(m_settings.MaxMainHeight, wanted), 0, 32767));
}
