#include "ToolContext.h"

#include "ConsoleUserInterface.h"
#include "InputFile.h"
#include "SelectorListEntries.h"
#include "StartupSettings.h"
#include "UserFiles.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>

ToolContext::ToolContext(ConsoleUserInterface& ui, TextSink* logSink) : ui(ui), m_logSink(logSink) {}

ToolContext::~ToolContext() = default;

QString ToolContext::defaultSettingsFile()
{
    const QString name = QStringLiteral("ZEL308Tools.Ini");
    return FilesFolderFor(QCoreApplication::applicationDirPath(), name, UserConfigFolder()) +
           QLatin1Char('/') + name;
}

Failure ToolContext::load(const QString& settingsFile)
{
    const QFileInfo file(settingsFile);
    if (!file.isFile())
        return Failure::badInput(QStringLiteral("%1: no such settings file").arg(settingsFile));
    settings = AppSettings{};
    settings.ProgramFolder = file.absolutePath();
    settings.ProgramFileName = file.completeBaseName();
    DeriveFileNames(settings, QDate::currentDate());
    settings.SettingsFile = file.absoluteFilePath();
    ReadLanguageAndLogFlag(settings);
    const int step = ReadMainSettings(settings);
    if (step != 0)
        return Failure::badInput(QStringLiteral("%1: %2 (start-up step %3)")
                                     .arg(settingsFile, StartupStepText(step, false))
                                     .arg(step));
    // Data received is then checked for blank names, as after the editor's start-up.
    settings.InitDone = true;

    messages = std::make_unique<MessageTexts>(settings.SettingsFile, settings.Language);
    lists = ReadSelectorLists(settings, *messages);
    log = std::make_unique<AppLog>(clock, settings.ProgramFolder, settings.ProgramFileName,
                                   settings.isGerman());
    log->setToFileDisabled(true);
    log->setTextControl(m_logSink);
    app = std::make_unique<AppContext>(AppContext{settings, *messages, *log, ui, clock});
    dataContext = std::make_unique<DataContext>(DataContext{*app, data, nullptr});
    return {};
}

Failure ToolContext::loadResetImage()
{
    data = ConfigurationData{};
    const QString startup = settings.LoadAtStartup_Default;
    if (!startup.isEmpty()) {
        InputFile file;
        const Failure failure = file.load(startup, settings.SettingsFile, FileKind::Data);
        if (failure.failed())
            return Failure::badInput(
                QStringLiteral("%1: start-up data file %2").arg(settings.SettingsFile, failure.message));
        data.Reset = file.dataSet();
    }
    data.Current = data.Reset;
    return {};
}
