#include "PanelTexts.h"

#include "FramedPanel.h"
#include "PageTexts.h"

#include <QCheckBox>
#include <QLineEdit>

namespace PanelTexts {

void loadPanel(const PageTexts& texts, int part, FramedPanel* panel)
{
    panel->setCaption(texts.read(PageTexts::partKey(part, QStringLiteral("Caption")),
                                 QStringLiteral("Part") + PageTexts::twoDigits(part)));
    panel->setToolTip(texts.read(PageTexts::partKey(part, QStringLiteral("ToolTip")), QString()));
}

void loadLabels(const PageTexts& texts, int part, const QList<QLineEdit*>& labels)
{
    for (qsizetype i = 0; i < labels.size(); ++i) {
        const QString mm = PageTexts::twoDigits(int(i) + 1);
        const QString key = PageTexts::partKey(part, QStringLiteral("Label") + mm);
        labels.at(i)->setText(texts.read(key, key));
        labels.at(i)->setToolTip(
            texts.read(PageTexts::partKey(part, QStringLiteral("ToolTip") + mm), QString()));
    }
}

void loadChecks(const PageTexts& texts, int part, const QList<QCheckBox*>& checks)
{
    for (qsizetype i = 0; i < checks.size(); ++i) {
        const QString opt =
            PageTexts::partKey(part, QStringLiteral("Opt") + PageTexts::twoDigits(int(i) + 1));
        const QString key = opt + QStringLiteral(".Caption");
        checks.at(i)->setText(texts.read(key, key));
        checks.at(i)->setToolTip(texts.read(opt + QStringLiteral(".ToolTip"), QString()));
    }
}

} // namespace PanelTexts
