#pragma once

#include "SelectorLists.h"
#include "SettingsFile.h"

#include <QString>

#include <functional>
#include <memory>

class ChooseDialog;
class MessageTexts;
class TabPage;
struct AppSettings;
struct ConfigurationData;

// What the editor pages share: the run's settings and texts, the data set they
// copy to and from, the selection lists they keep filled for the transfer, the
// choice dialog, and the ways out to other pages and to the application.
class PageContext
{
    Q_DISABLE_COPY(PageContext)
public:
    PageContext(AppSettings& settings, MessageTexts& messages, ConfigurationData& data);
    ~PageContext();

    AppSettings& settings;
    MessageTexts& messages;
    ConfigurationData& data;
    // Read from the settings from the start, as the transfer needs them before
    // the pages that own them are built; kept filled by those pages (monitor,
    // ESAM, snapshot, output pick-offs, GPIO definitions).
    SelectorLists lists;

    // Another page by its form name ("frmTabStripData02"), or null. The main
    // window sets this when it hosts the pages.
    std::function<TabPage*(const QString& formName)> findPage;
    // Pages are built when first needed. The main window sets loadAllPages, which
    // builds those not built yet; the page transfer sets fillPage, which makes a
    // page built late show the data set.
    std::function<void()> loadAllPages;
    std::function<bool(TabPage& page)> fillPage;
    // The main window's placement, to centre the choice dialog over it.
    std::function<TwipRect()> mainPlacement;
    // A command for the dispatcher (the version page's 108).
    std::function<void(int number)> runCommand;
    // Configuration records from and to the device (snapshot page).
    std::function<void(int index)> requestConfig;
    std::function<void(int index)> sendConfig;

    // Created on first use and reused; callers refill its list every time.
    ChooseDialog& chooser();

private:
    std::unique_ptr<ChooseDialog> m_chooser;
};
