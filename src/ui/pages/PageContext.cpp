#include "PageContext.h"

#include "ChooseDialog.h"
#include "SelectorListEntries.h"

PageContext::PageContext(AppSettings& settings, MessageTexts& messages, ConfigurationData& data)
    : settings(settings), messages(messages), data(data), lists(ReadSelectorLists(settings, messages))
{
}

PageContext::~PageContext() = default;

ChooseDialog& PageContext::chooser()
{
    if (!m_chooser)
        m_chooser = std::make_unique<ChooseDialog>(messages);
    return *m_chooser;
}
