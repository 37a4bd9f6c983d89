#pragma once

#include "ProgramInfo.h"

#include <QDialog>
#include <QUrl>

#include <functional>

class QLabel;
class QTextEdit;
class QPushButton;

// The model's logo and version as the start-up splash, or the about window with
// the program information, the maker's web address and an OK button.
class AboutWindow : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(AboutWindow)

public:
    using UrlOpener = std::function<void(const QUrl&)>;

    // In about use the main window is the parent; a known model gives it its icon.
    AboutWindow(ProgramInfo info, bool isSplash, QWidget* mainWindow = nullptr);

    bool isSplash() const { return m_isSplash; }
    int modelIndex() const { return m_modelIndex; }
    bool details() const { return m_details; }
    QString infoText() const;
    // Opens the web address; the desktop's default program unless replaced.
    void setUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }

    QLabel* logo() const { return m_picLogo; }
    QLabel* internetLabel() const { return m_lblInternet1; }
    QLabel* info1() const { return m_lblInfo1; }
    QLabel* info2() const { return m_lblInfo2; }
    QTextEdit* infoView() const { return m_txtInfo; }
    QPushButton* okButton() const { return m_cmdOk; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setUpSplash();
    void setUpAbout();
    void buildInfoText();
    void centreOnScreen();
    void closeByOk();

    ProgramInfo m_info;
    bool m_isSplash;
    int m_modelIndex;
    bool m_details = false;
    UrlOpener m_openUrl;
    QLabel* m_picLogo;
    QLabel* m_lblInfo1;
    QLabel* m_lblInfo2;
    QLabel* m_lblInternet1;
    QTextEdit* m_txtInfo;
    QPushButton* m_cmdOk;
};
