#pragma once

#include <QObject>
#include <QString>

#include "PageTexts.h"

class FramedPanel;
class MessageTexts;
class PageContext;
struct ConfigurationData;
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
    TabPage(PageContext& context, QString formName, QString designCaption, QString sectionPrefix);
    ~TabPage() override;

    const QString& formName() const { return m_formName; }
    // The caption the main window finds the page's tab by, built or not.
    const QString& designCaption() const { return m_designCaption; }
    // Builds the panel inside the container and reads the page's texts, once.
    void load(QWidget* container);
    bool isLoaded() const { return m_fraTab != nullptr; }
    FramedPanel* fraTab() const { return m_fraTab; }

    // Run each time the page's tab is selected, after it became visible.
    virtual void activated() {}

    // The main window gives each page the width its container has for it, once,
    // after loading. A page whose design is wider lays its controls out anew to
    // fit; names, texts and behaviour stay the same.
    virtual void fitWidth(int pixels) { Q_UNUSED(pixels); }

    // Copies the page's controls into the data set and back. fromDataSet stops at
    // the first value a control cannot take and returns false; the controls set
    // so far keep their new values.
    virtual void toDataSet(ConfigurationData& data) { Q_UNUSED(data); }
    virtual bool fromDataSet(const ConfigurationData& data)
    {
        Q_UNUSED(data);
        return true;
    }

protected:
    // Creates the controls at their design positions inside fraTab.
    virtual void build(FramedPanel* fraTab) = 0;
    virtual void loadPageTexts() = 0;

    PageTexts texts() const;
    PageContext& context() const { return m_context; }
    AppSettings& settings() const;
    MessageTexts& messages() const;
    // Raises the shared largest page height to the panel's height plus 1660.
    void raiseMaxMainHeight();

private:
    PageContext& m_context;
    QString m_formName;
    QString m_designCaption;
    QString m_sectionPrefix;
    FramedPanel* m_fraTab = nullptr;
};
