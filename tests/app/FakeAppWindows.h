#pragma once

#include "AppLog.h"
#include "AppWindows.h"
#include "NameBoxes.h"
#include "SelectorLists.h"

#include <QList>
#include <QStringList>

// Windows as the application layer sees them, recorded for the tests.
class FakeAppWindows : public AppWindows, public TextSink, public NameBoxes
{
public:
    TextSink* protocolView() override { return this; }
    bool themeActive() const override { return themed; }
    void appendLine(const QString& text, quint32) override { protocol.append(text); }

    void showSplash() override { events.append(QStringLiteral("splash")); }
    void closeSplash() override { events.append(QStringLiteral("splash closed")); }
    void createMainWindow(const QString& caption) override
    {
        mainCaption = caption;
        exists = true;
        events.append(QStringLiteral("main created"));
    }
    bool mainWindowExists() const override { return exists; }
    TwipRect mainPlacement() const override { return placement; }
    bool mainIsNormal() const override { return normal; }
    void setMainPlacement(const TwipRect& rect) override { placement = rect; }
    QSize screenTwips() const override { return screen; }
    void hideToolbarButton(int index) override { hiddenButtons.append(index); }
    void showTestButton() override { testButton = true; }
    void showMainWindow() override { events.append(QStringLiteral("main shown")); }
    void loadRemainingPages() override { remainingPagesAsked = true; }
    void hideMainWindow() override { events.append(QStringLiteral("main hidden")); }
    int selectedTabNumber() const override { return tab; }
    void startSendTimer(int intervalMs) override { sendTimer.append(intervalMs); }
    void enableLinkCommands(bool enabled) override { linkCommandsEnabled = enabled; }
    void editPortSettings() override
    {
        events.append(QStringLiteral("port settings"));
        if (onEditPortSettings)
            onEditPortSettings();
    }
    void showProtocolWindow() override { events.append(QStringLiteral("protocol")); }
    void showAbout() override { events.append(QStringLiteral("about")); }
    void showDebugMonitor() override { events.append(QStringLiteral("debug monitor")); }
    void closeOtherWindows() override { events.append(QStringLiteral("others closed")); }
    const SelectorLists& selectorLists() const override { return lists; }
    NameBoxes* nameBoxes() override { return this; }

    // Only the boxes a test fills exist.
    std::optional<QString> nameText(int part, int index) const override
    {
        const auto it = names.constFind(part * 100 + index);
        return it == names.cend() ? std::nullopt : std::optional<QString>(*it);
    }
    void setNameText(int part, int index, const QString& text) override
    {
        if (names.contains(part * 100 + index))
            names[part * 100 + index] = text;
    }
    QString toolTip(int part, int index) const override
    {
        return QStringLiteral("Part%1 name %2").arg(part).arg(index + 1);
    }

    QStringList events;
    QStringList protocol;
    QString mainCaption;
    bool exists = false;
    bool themed = false;
    bool normal = true;
    TwipRect placement{0, 0, 14250, 9000};
    QSize screen{28800, 16200};
    QList<int> hiddenButtons;
    bool testButton = false;
    bool remainingPagesAsked = false;
    int tab = 1;
    QList<int> sendTimer;
    bool linkCommandsEnabled = true;
    SelectorLists lists;
    QHash<int, QString> names;
    std::function<void()> onEditPortSettings;
};
