#include "ChooseDialog.h"

#include "MessageTexts.h"
#include "Twips.h"

#include <QListWidget>
#include <QPushButton>

namespace {

QString codeText(const QListWidgetItem* item)
{
    return QString::number(item->data(Qt::UserRole).toInt()).trimmed().toLower();
}

} // namespace

ChooseDialog::ChooseDialog(MessageTexts& messages, QWidget* parent)
    : QDialog(parent), m_lstChoose(new QListWidget(this)),
      m_cmdOk(new QPushButton(QStringLiteral("&Ok"), this)),
      m_cmdCancel(new QPushButton(this))
{
    const bool german = messages.language() == QLatin1String("GER");
    m_cmdCancel->setText(messages.get(QStringLiteral("Form_Choose.Cancel"),
                                      german ? QStringLiteral("Abbrechen") : QStringLiteral("Cancel")));
    setObjectName(QStringLiteral("frmChoose"));
    setModal(true);
    setWindowTitle(messages.get(QStringLiteral("Form_Choose.Caption")));
    setFixedSize(Twips::toPixels(4695, 5160));

    m_lstChoose->setObjectName(QStringLiteral("lstChoose"));
    m_lstChoose->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lstChoose->setSortingEnabled(false);
    m_lstChoose->setToolTip(messages.get(QStringLiteral("Form_Choose.ToolTip"), QString()));
    m_lstChoose->setGeometry(Twips::toPixels(120, 120, 4455, 4335));

    m_cmdOk->setObjectName(QStringLiteral("cmdOk"));
    m_cmdOk->setGeometry(Twips::toPixels(1080, 4620, 1215, 375));
    m_cmdOk->setDefault(true);
    m_cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    m_cmdCancel->setGeometry(Twips::toPixels(2400, 4620, 1215, 375));

    connect(m_cmdOk, &QPushButton::clicked, this, &ChooseDialog::takeSelection);
    connect(m_lstChoose, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        m_lstChoose->setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
        takeSelection();
    });
    connect(m_cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ChooseDialog::clearEntries()
{
    m_lstChoose->clear();
}

void ChooseDialog::addEntry(const QString& text, int itemData)
{
    auto* item = new QListWidgetItem(text, m_lstChoose);
    item->setData(Qt::UserRole, itemData);
}

void ChooseDialog::removeEntryWithData(int itemData)
{
    for (int i = m_lstChoose->count() - 1; i >= 0; --i) {
        if (m_lstChoose->item(i)->data(Qt::UserRole).toInt() == itemData)
            delete m_lstChoose->takeItem(i);
    }
}

int ChooseDialog::entryCount() const
{
    return m_lstChoose->count();
}

void ChooseDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    preselect();
}

void ChooseDialog::preselect()
{
    if (m_lstChoose->count() == 0)
        return;
    m_lstChoose->clearSelection();
    m_lstChoose->setCurrentItem(nullptr, QItemSelectionModel::NoUpdate);
    m_actItem = m_actItem.trimmed().toLower();
    if (m_actItem.isEmpty())
        return;
    for (int i = 0; i < m_lstChoose->count(); ++i) {
        QListWidgetItem* item = m_lstChoose->item(i);
        if (codeText(item) == m_actItem) {
            m_lstChoose->setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
            m_lstChoose->scrollToItem(item);
            return;
        }
    }
}

void ChooseDialog::takeSelection()
{
    const QList<QListWidgetItem*> selected = m_lstChoose->selectedItems();
    m_actItem = selected.isEmpty() ? QString() : codeText(selected.first());
    accept();
}
