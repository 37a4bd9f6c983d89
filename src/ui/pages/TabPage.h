#pragma once

#include <QObject>
#include <QString>

#include "PageTexts.h"

class FramedPanel;
class MessageTexts;
class QWidget;
struct AppSettings;

// One editor page: a form whose panel `fraTab` holds all of its controls and is
// hosted in the main window's container. The panel's design caption is what the
// main window matches against its tab captions.
class TabPage : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(TabPage)

public:
    TabPage(AppSettings& settings, MessageTexts& messages, QString formName, QString designCaption,
            QString sectionPrefix);
    ~TabPage() override;

    const QString& formName() const { return m_formName; }
    // Builds the panel inside the container and reads the page's texts, once.
    void load(QWidget* container);
    bool isLoaded() const { return m_fraTab != nullptr; }
    FramedPanel* fraTab() const { return m_fraTab; }

    // Run each time the page's tab is selected, after it became visible.
    virtual void activated() {}

protected:
    // Creates the controls at their design positions inside fraTab.
    virtual void build(FramedPanel* fraTab) = 0;
    virtual void loadPageTexts() = 0;

    PageTexts texts() const;
    AppSettings& settings() const { return m_settings; }
    MessageTexts& messages() const { return m_messages; }
    // Raises the shared largest page height to the panel's height plus 1660.
    void raiseMaxMainHeight();

private:
    AppSettings& m_settings;
    MessageTexts& m_messages;
    QString m_formName;
    QString m_designCaption;
    QString m_sectionPrefix;
    FramedPanel* m_fraTab = nullptr;
};
