#pragma once

#include <QList>
#include <QString>

#include <functional>

class FramedPanel;
class PageTexts;
class QLineEdit;
class QWidget;

// One part of a page: a framed panel with a label array and a control array
// whose design row holds four controls. The grid grows at run time to the
// count of the data set, one row of four per 720 twips with a label per row.
class PartGrid
{
public:
    static constexpr int PerRow = 4;
    static constexpr int RowPitch = 720;
    static constexpr int HiddenPart = 960;

    // Creates array element `index` with the size of element 0, not yet placed.
    using ControlFactory = std::function<QWidget*(QWidget* parent, int index)>;

    PartGrid(int part, FramedPanel* panel, QLineEdit* label0, QList<QWidget*> designRow,
             ControlFactory makeControl, int halfLabelWidth);

    // Lays the part out for `count` controls and returns how much the panel's
    // height changed, in twips: -960 when the part is hidden, +720 per added row.
    int layOut(int count);
    // Panel caption and tooltip, one label per row, one tooltip per control.
    void loadTexts(const PageTexts& texts);

    FramedPanel* panel() const { return m_panel; }
    const QList<QLineEdit*>& labels() const { return m_labels; }
    const QList<QWidget*>& controls() const { return m_controls; }
    int count() const { return m_count; }
    int rows() const;

private:
    QLineEdit* addLabel(int row);

    int m_part;
    FramedPanel* m_panel;
    QList<QLineEdit*> m_labels;
    QList<QWidget*> m_controls;
    ControlFactory m_makeControl;
    int m_halfLabelWidth;
    int m_count = 0;
};
