#pragma once

#include <QList>
#include <QString>

class PageContext;
class QLineEdit;

// How a page assigns a signal ("source") to a text box through the choice
// dialog. The box keeps the source code in its tag (BoxTag); codes 1000 + 100 *
// (part - 1) + position are names of the signal names page, 10000 ... 13099 are
// entries of the output pick-off and monitor lists.
class SourcePicker
{
public:
    enum Kind {
        VtrSource = 10, // ESAM page: each source in one VTR box only, second needs a first
        LayerCell = 11, // layer page: code 1406 in one cell only
    };

    explicit SourcePicker(PageContext& context);

    void ShowSourceName(QLineEdit* box, int code) const;
    // Refills the choice list from the names page and refreshes every layer cell
    // and ESAM VTR box from its tag.
    void FillSourceChoiceList(bool withNone) const;
    void PickSource(QLineEdit* box, Kind kind, bool withNone) const;

    // The text boxes of a page whose name starts with `prefix` (compared upper-case).
    QList<QLineEdit*> boxes(const QString& formName, const QString& prefix) const;

private:
    QString notDefined() const;
    // The text of the first entry, from entry 1 on, that carries `code`.
    bool listText(int group, int code, QString& text) const;
    void centreChooser() const;

    PageContext& m_context;
};
