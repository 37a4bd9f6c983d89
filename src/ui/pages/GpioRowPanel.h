#pragma once

#include <QList>
#include <QObject>

#include <span>

class FramedPanel;
class PageContext;
class PageTexts;
class QLineEdit;
class QToolButton;
class QWidget;

// One part of the GPIO and fader-box pages: a framed panel with a row per
// input (part 1) or output (part 2), each row a label, a box showing the
// channel name of the assigned definition (its code in the tag), a picture
// button and a box showing the definition's info text. A click on the box or
// the button picks a definition from list lstData[part - 1].
class GpioRowPanel : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(GpioRowPanel)

public:
    // The panel's height for its first `rows` rows: the top of the last box
    // plus 460.
    static int heightFor(int rows);
    // The width of a page holding the panel with its margins.
    static int outerWidth();

    GpioRowPanel(QObject* owner, PageContext& context, QWidget* fraTab, int part, int rows, int top);

    FramedPanel* panel() const { return m_panel; }
    int rowCount() const { return static_cast<int>(m_boxes.size()); }
    QLineEdit* label(int row) const { return m_labels.value(row); }
    QLineEdit* box(int row) const { return m_boxes.value(row); }
    QToolButton* pic(int row) const { return m_pics.value(row); }
    QLineEdit* info(int row) const { return m_infos.value(row); }

    // Design geometry in twips, kept so layout changes add up without
    // pixel rounding.
    int top() const { return m_top; }
    int height() const { return m_height; }
    void moveTo(int top);
    // Hides the rows from `shown` on and shortens the panel to the rows left;
    // with no row left the panel is hidden. Returns the height it lost.
    int showRows(int shown);

    // Caption, tooltip, row labels and row tooltips of the part.
    void loadTexts(const PageTexts& texts);
    // Every row not assigned.
    void clearAll();
    void pick(int row);

    void toCodes(std::span<qint16> codes) const;
    void fromCodes(std::span<const qint16> codes);

private:
    void place();

    PageContext& m_context;
    int m_part;
    int m_top;
    int m_height;
    FramedPanel* m_panel;
    QList<QLineEdit*> m_labels;
    QList<QLineEdit*> m_boxes;
    QList<QToolButton*> m_pics;
    QList<QLineEdit*> m_infos;
};
