#pragma once

#include "AppSettings.h"
#include "DataSet.h"
#include "MessageTexts.h"
#include "pages/PageContext.h"
#include "TestFolder.h"

#include <QByteArray>

#include <memory>

// A settings file in a temporary folder with the run's settings and texts read from it.
struct UiTestEnv
{
    explicit UiTestEnv(const QByteArray& ini = {}, const QString& language = QStringLiteral("GER"))
    {
        settings.Language = language;
        settings.SettingsFile = folder.write(QStringLiteral("ZEL308Tools.Ini"), ini);
        settings.ProgramFileName = QStringLiteral("ZEL308Tools");
        messages = std::make_unique<MessageTexts>(settings.SettingsFile, settings.Language);
        pages = std::make_unique<PageContext>(settings, *messages, data);
    }

    TestFolder folder;
    AppSettings settings;
    std::unique_ptr<MessageTexts> messages;
    ConfigurationData data;
    std::unique_ptr<PageContext> pages;
};
