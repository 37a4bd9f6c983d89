#include "CommandSetup.h"

#include "Arguments.h"

#include <cstdio>

CommandSetup::CommandSetup(const Arguments& args)
    : progress(stderr, ProgressDisplay::styleFor(stderr, args.has(QStringLiteral("quiet")))),
      ui(progress, args.has(QStringLiteral("verbose"))),
      tool(ui, args.has(QStringLiteral("verbose")) ? &ui : nullptr),
      m_settingsFile(args.value(QStringLiteral("settings"), ToolContext::defaultSettingsFile()))
{
}

Failure CommandSetup::load()
{
    return tool.load(m_settingsFile);
}
