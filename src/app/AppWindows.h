#pragma once

#include "SettingsFile.h"

#include <QSize>
#include <QString>

class NameBoxes;
class TextSink;
struct SelectorLists;

// What start-up, the command dispatcher and the end procedure ask of the
// windows. The window library implements it; tests script it.
class AppWindows
{
public:
    virtual ~AppWindows() = default;

    // The protocol window's text view, the log's screen target from the start.
    virtual TextSink* protocolView() = 0;
    // Whether the platform draws its widgets with a themed style.
    virtual bool themeActive() const = 0;

    // The about window in splash use, shown without waiting and painted.
    virtual void showSplash() = 0;
    virtual void closeSplash() = 0;

    // Creates the main window (hidden) and its pages; the settings are read by then.
    virtual void createMainWindow(const QString& caption) = 0;
    virtual bool mainWindowExists() const = 0;
    virtual TwipRect mainPlacement() const = 0;
    // Neither minimised nor maximised.
    virtual bool mainIsNormal() const = 0;
    virtual void setMainPlacement(const TwipRect& rect) = 0;
    virtual QSize screenTwips() const = 0;
    virtual void hideToolbarButton(int index) = 0;
    virtual void showTestButton() = 0;
    virtual void showMainWindow() = 0;
    // Start-up shows the first page only; the others are built once the editor is ready.
    virtual void loadRemainingPages() = 0;
    virtual void hideMainWindow() = 0;
    // The selected page tab, counted from 1.
    virtual int selectedTabNumber() const = 0;
    // The device asked for data: command 107 runs after this many milliseconds.
    virtual void startSendTimer(int intervalMs) = 0;
    // While one exchange runs, the toolbar starts no other and leaves the port open.
    virtual void enableLinkCommands(bool enabled) = 0;

    // Windows the commands open.
    virtual void editPortSettings() = 0;
    virtual void showProtocolWindow() = 0;
    virtual void showAbout() = 0;
    virtual void showDebugMonitor() = 0;

    // Hides and closes every window but the main window, last opened first.
    virtual void closeOtherWindows() = 0;

    // The pages' selection lists and name boxes, which the transfer needs.
    virtual const SelectorLists& selectorLists() const = 0;
    virtual NameBoxes* nameBoxes() = 0;
};
