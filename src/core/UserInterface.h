#pragma once

#include <QString>

#include <functional>

enum class MessageIcon {
    Exclamation, // errors and warnings of an operation
    Information, // results of link replies
    Stop,        // confirmation queries and the fixed version messages
};

// What the file dialogs are asked to show.
struct FileDialogRequest
{
    QString title;
    QString filter;           // "description|pattern", e.g. "ZEL/MOR Rimtal Data  (*.DAT)|*.DAT"
    QString defaultExtension; // without the dot, e.g. "DAT"
    QString path;             // proposed file
};

// Everything the logic below the windows needs from the user: boxes, queries,
// dialogs, the status line, the busy pointer, the transfer dialog and the
// refresh of the pages. The window library implements it; tests script it.
class UserInterface
{
public:
    virtual ~UserInterface() = default;

    virtual void messageBox(MessageIcon icon, const QString& title, const QString& text) = 0;
    // True only when the user answered Yes.
    virtual bool askYesNo(MessageIcon icon, const QString& title, const QString& text) = 0;
    virtual QString mainWindowCaption() const = 0;

    // The status line shows `shown`; its tooltip is `toolTip` (see ShowStatus).
    virtual void setStatusLine(const QString& shown, const QString& toolTip) = 0;
    virtual void setBusy(bool busy) = 0;
    virtual void focusTabStrip() = 0;

    // The chosen path, or an empty text when cancelled.
    virtual QString saveFileDialog(const FileDialogRequest& request) = 0;
    virtual QString openFileDialog(const FileDialogRequest& request) = 0;

    // Copies between the editor pages and the data set. False when a page could
    // not take a value of the data set (that failure has been reported).
    virtual void pagesToDataSet() = 0;
    virtual bool dataSetToPages() = 0;

    // The transfer dialog with its cancel button; a click on cancel runs onCancel.
    // An empty caption keeps the caption of the last showing.
    virtual void showTransferDialog(const QString& caption, std::function<void()> onCancel) = 0;
    virtual void hideTransferDialog() = 0;
    // How far the running transfer has come: `done` of `total` bytes, or a busy
    // indicator when the total is not known (total <= 0).
    virtual void setTransferProgress(qint64 done, qint64 total) {}
};

// One blank followed by the trimmed text; the tooltip is the trimmed text.
void ShowStatus(UserInterface& ui, const QString& text);
