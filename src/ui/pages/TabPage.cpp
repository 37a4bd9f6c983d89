#include "TabPage.h"

#include "AppSettings.h"
#include "FramedPanel.h"
#include "PageContext.h"
#include "Twips.h"

#include <algorithm>

TabPage::TabPage(PageContext& context, QString formName, QString designCaption, QString sectionPrefix)
    : m_context(context), m_formName(std::move(formName)),
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

AppSettings& TabPage::settings() const
{
    return m_context.settings;
}

MessageTexts& TabPage::messages() const
{
    return m_context.messages;
}

PageTexts TabPage::texts() const
{
    return PageTexts(settings().SettingsFile, m_sectionPrefix + settings().Language);
}

void TabPage::raiseMaxMainHeight()
{
    const int wanted = Twips::fromPixelsY(m_fraTab->height()) + 1660;
    settings().MaxMainHeight =
        static_cast<qint16>(std::clamp<int>(std::max<int>(settings().MaxMainHeight, wanted), 0, 32767));
}
