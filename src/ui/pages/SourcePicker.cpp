#include "SourcePicker.h"

#include "AppSettings.h"
#include "BoxTag.h"
#include "ChooseDialog.h"
#include "FramedPanel.h"
#include "Helpers.h"
#include "MessageTexts.h"
#include "NamesPage.h"
#include "PageContext.h"
#include "SourceCodes.h"
#include "Twips.h"

#include <QLineEdit>

namespace {

const QString LayerForm = QStringLiteral("frmTabStripData03");
const QString EsamForm = QStringLiteral("frmTabStripData06");
const QString LayerPrefix = QStringLiteral("txtInput");
const QString VtrPrefix = QStringLiteral("txtVTRSource");

bool findIn(const EntryList& list, int code, QString& text)
{
    for (qsizetype i = 1; i < list.size(); ++i) {
        if (list.at(i).itemData == code) {
            text = list.at(i).text;
            return true;
        }
    }
    return false;
}

} // namespace

SourcePicker::SourcePicker(PageContext& context) : m_context(context) {}

QString SourcePicker::notDefined() const
{
    return m_context.messages.get(QStringLiteral("NotDefined"));
}

bool SourcePicker::listText(int group, int code, QString& text) const
{
    const SelectorLists& l = m_context.lists;
    switch (group) {
    case 100:
        for (const auto& part : l.cmbAbgriffOutput) {
            if (findIn(part.front(), code, text))
                return true;
        }
        return false;
    case 110:
        return findIn(l.cmbKanal, code, text);
    case 120:
        return findIn(l.cmbAbgriffPeak.front(), code, text);
    case 130:
        return findIn(l.cmbExtMon.front(), code, text);
    default:
        return false;
    }
}

void SourcePicker::ShowSourceName(QLineEdit* box, int code) const
{
    if (code == 0) {
        box->setText(notDefined());
        box->setCursorPosition(0);
        BoxTag::set(box, QString());
        return;
    }
    const int group = code / 100;
    const int index = code % 100;
    if (group >= 10 && group <= 14) {
        // A data file made with larger counts can name a position this run has
        // no box for: it shows as not assigned.
        const auto* names =
            m_context.findPage
                ? qobject_cast<NamesPage*>(m_context.findPage(QStringLiteral("frmTabStripData02")))
                : nullptr;
        box->setText(names ? names->shownName(group - 9, index) : QString());
    } else {
        QString text;
        // A code no list carries (a data file from another device) still shows what
        // the box keeps and saves, never the name that was there before.
        box->setText(listText(group, code, text) ? text : UnknownCodeText(code));
    }
    BoxTag::set(box, QString::number(code));
    if (box->text().trimmed().isEmpty()) {
        box->setText(notDefined());
        BoxTag::set(box, QString());
    }
    // A name longer than the cell shows its beginning, not its end.
    box->setCursorPosition(0);
}

QList<QLineEdit*> SourcePicker::boxes(const QString& formName, const QString& prefix) const
{
    QList<QLineEdit*> found;
    TabPage* page = m_context.findPage ? m_context.findPage(formName) : nullptr;
    if (!page || !page->isLoaded())
        return found;
    const QString wanted = prefix.toUpper();
    for (QLineEdit* box : page->fraTab()->findChildren<QLineEdit*>()) {
        if (box->objectName().left(wanted.size()).toUpper() == wanted)
            found.append(box);
    }
    return found;
}

void SourcePicker::FillSourceChoiceList(bool withNone) const
{
    ChooseDialog& chooser = m_context.chooser();
    chooser.clearEntries();
    if (withNone)
        chooser.addEntry(notDefined(), 0);
    const auto* names =
        m_context.findPage ? qobject_cast<NamesPage*>(m_context.findPage(QStringLiteral("frmTabStripData02")))
                           : nullptr;
    if (names) {
        const EntryList sources = NamedSources([names](int part, int index) { return names->shownName(part, index); },
                                               m_context.settings.CountInput);
        for (const ListEntry& source : sources)
            chooser.addEntry(source.text, source.itemData);
    }
    for (QLineEdit* box : boxes(LayerForm, LayerPrefix) + boxes(EsamForm, VtrPrefix))
        ShowSourceName(box, BoxTag::code(box));
}

void SourcePicker::centreChooser() const
{
    if (!m_context.mainPlacement)
        return;
    ChooseDialog& chooser = m_context.chooser();
    const TwipRect main = m_context.mainPlacement();
    const QRect own = Twips::fromPixels(chooser.frameGeometry());
    const int top = (main.height - own.height()) / 2 + main.top;
    const int left = (main.width - own.width()) / 2 + main.left;
    chooser.move(Twips::toPixelsX(left), Twips::toPixelsY(top));
}

void SourcePicker::PickSource(QLineEdit* box, Kind kind, bool withNone) const
{
    FillSourceChoiceList(withNone);
    ChooseDialog& chooser = m_context.chooser();
    if (kind == VtrSource) {
        for (const QLineEdit* other : boxes(EsamForm, VtrPrefix)) {
            const int code = BoxTag::code(other);
            if (other->text() != box->text() && code != 0)
                chooser.removeEntryWithData(code);
        }
    } else {
        for (const QLineEdit* other : boxes(LayerForm, LayerPrefix)) {
            if (other->text() != box->text() && BoxTag::code(other) == kExclusiveLayerSource)
                chooser.removeEntryWithData(kExclusiveLayerSource);
        }
    }
    centreChooser();
    chooser.setActItem(BoxTag::get(box));
    chooser.exec();
    ShowSourceName(box, LeadingNumber(QStringLiteral("0") + chooser.actItem().trimmed()));
    if (kind != VtrSource)
        return;
    const QList<QLineEdit*> vtr = boxes(EsamForm, VtrPrefix);
    for (const QLineEdit* first : vtr) {
        const QString name = first->objectName();
        if (!name.startsWith(VtrPrefix + QLatin1Char('1')) || BoxTag::code(first) != 0)
            continue;
        const QString secondName = VtrPrefix + QLatin1Char('2') + name.mid(VtrPrefix.size() + 1);
        for (QLineEdit* second : vtr) {
            if (second->objectName() == secondName) {
                BoxTag::set(second, QString());
                ShowSourceName(second, 0);
            }
        }
    }
}
