#pragma once

#include <QDialog>

class MessageTexts;
class QListWidget;
class QPushButton;

// The modal list through which a page picks a signal or a channel definition.
// The caller fills the list, sets ActItem to the current code, runs the dialog
// and reads ActItem back: the chosen code, "" for OK without a choice, or the
// code it set when the user cancelled.
class ChooseDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(ChooseDialog)

public:
    explicit ChooseDialog(MessageTexts& messages, QWidget* parent = nullptr);

    void clearEntries();
    // Entries keep the order in which they are added.
    void addEntry(const QString& text, int itemData);
    void removeEntryWithData(int itemData);
    int entryCount() const;

    QString actItem() const { return m_actItem; }
    void setActItem(const QString& code) { m_actItem = code; }

    QListWidget* list() const { return m_lstChoose; }
    QPushButton* okButton() const { return m_cmdOk; }
    QPushButton* cancelButton() const { return m_cmdCancel; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void preselect();
    void takeSelection();

    QListWidget* m_lstChoose;
    QPushButton* m_cmdOk;
    QPushButton* m_cmdCancel;
    QString m_actItem;
};
