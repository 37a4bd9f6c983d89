#include "FakeUserInterface.h"

void FakeUserInterface::messageBox(MessageIcon icon, const QString& title, const QString& text)
{
    boxes.append({icon, title, text});
    if (whileBoxOpen)
        whileBoxOpen(boxes.last());
}

bool FakeUserInterface::askYesNo(MessageIcon icon, const QString& title, const QString& text)
{
    queries.append({icon, title, text});
    return answers.isEmpty() ? false : answers.takeFirst();
}

void FakeUserInterface::setStatusLine(const QString& shown, const QString& toolTip)
{
    status = shown;
    statusToolTip = toolTip;
    statusLines.append(shown);
}

void FakeUserInterface::setBusy(bool b)
{
    busy = b;
    ++busyCalls;
}

QString FakeUserInterface::saveFileDialog(const FileDialogRequest& request)
{
    dialogs.append(request);
    return dialogAnswers.isEmpty() ? QString() : dialogAnswers.takeFirst();
}

QString FakeUserInterface::openFileDialog(const FileDialogRequest& request)
{
    dialogs.append(request);
    return dialogAnswers.isEmpty() ? QString() : dialogAnswers.takeFirst();
}

void FakeUserInterface::pagesToDataSet()
{
    ++pagesToDataSetCount;
    if (onPagesToDataSet)
        onPagesToDataSet();
}

bool FakeUserInterface::dataSetToPages()
{
    ++dataSetToPagesCount;
    if (onDataSetToPages)
        onDataSetToPages();
    return dataSetToPagesResult;
}

void FakeUserInterface::showTransferDialog(const QString& caption, std::function<void()> onCancel)
{
    transferDialogVisible = true;
    transferCaptions.append(caption);
    cancelTransfer = std::move(onCancel);
}

void FakeUserInterface::hideTransferDialog()
{
    transferDialogVisible = false;
}
