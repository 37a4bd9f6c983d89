#pragma once

#include "UserInterface.h"

#include <QList>
#include <QObject>

// The user interface the run reports through, with message boxes held back while
// the link is busy: a box raised while a frame is sent, awaited or handled opens
// once that is over and the transfer dialog is gone, and a box raised while one
// is open follows it instead of opening on top. The box waits, the link does
// not: frames keep being received and answered while a box is open. Everything
// else goes straight to the real user interface.
class HeldBoxes final : public QObject, public UserInterface
{
    Q_OBJECT
    Q_DISABLE_COPY(HeldBoxes)
public:
    explicit HeldBoxes(UserInterface& ui, QObject* parent = nullptr) : QObject(parent), m_ui(ui) {}

    // Scopes nest; the held boxes open when the last one ends: at once, or from
    // the event loop when the caller is a timer's handler (a box opened there
    // would keep that timer from firing until it is closed).
    void hold() { ++m_holds; }
    void release();
    void releaseLater();
    // A box is open or waits to open.
    bool pending() const { return m_open || !m_boxes.isEmpty(); }

    void messageBox(MessageIcon icon, const QString& title, const QString& text) override;
    bool askYesNo(MessageIcon icon, const QString& title, const QString& text) override
    {
        return m_ui.askYesNo(icon, title, text);
    }
    QString mainWindowCaption() const override { return m_ui.mainWindowCaption(); }
    void setStatusLine(const QString& shown, const QString& toolTip) override
    {
        m_ui.setStatusLine(shown, toolTip);
    }
    void setBusy(bool busy) override { m_ui.setBusy(busy); }
    void focusTabStrip() override { m_ui.focusTabStrip(); }
    QString saveFileDialog(const FileDialogRequest& request) override { return m_ui.saveFileDialog(request); }
    QString openFileDialog(const FileDialogRequest& request) override { return m_ui.openFileDialog(request); }
    void pagesToDataSet() override { m_ui.pagesToDataSet(); }
    bool dataSetToPages() override { return m_ui.dataSetToPages(); }
    void showTransferDialog(const QString& caption, std::function<void()> onCancel) override
    {
        m_ui.showTransferDialog(caption, std::move(onCancel));
    }
    void hideTransferDialog() override { m_ui.hideTransferDialog(); }
    void setTransferProgress(qint64 done, qint64 total) override { m_ui.setTransferProgress(done, total); }

Q_SIGNALS:
    // The last box waiting was answered.
    void settled();

private:
    struct Box
    {
        MessageIcon icon;
        QString title;
        QString text;
    };

    void showWaiting();

    UserInterface& m_ui;
    QList<Box> m_boxes;
    int m_holds = 0;
    bool m_open = false;
};
