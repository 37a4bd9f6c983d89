#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

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
    // Moves the part's panel down (or up for a negative value) by twips.
    void shiftDown(int twips);
    // Panel caption and tooltip, one label per row, one tooltip per control.
    void loadTexts(const PageTexts& texts);

    FramedPanel* panel() const { return m_panel; }
    const QList<QLineEdit*>& labels() const { return m_labels; }
    const QList<QWidget*>& controls() const { return m_controls; }
    int count() const { return m_count; }
    int rows() const;

    // Where a grid page puts its parts: one panel per part, 960 apart, each with
    // label 0 above the design row of four controls.
    struct PageGeometry
    {
        int panelLeft;
        int firstPanelTop;
        int panelWidth;
        int panelHeight;
        int labelLeft;
        int labelTop;
        int labelWidth;
        int labelHeight;
        int controlTop;
        int controlPitch;
    };
    // Creates control `index` of a part at a position (0, 0 for elements beyond the design row).
    using PartControlFactory = std::function<QWidget*(QWidget* parent, int part, int index, int left, int top)>;

    // The panels of parts 1 ... parts inside fraTab with their design rows.
    static std::vector<std::unique_ptr<PartGrid>> buildParts(FramedPanel* fraTab, int parts,
                                                             const PageGeometry& geometry,
                                                             const PartControlFactory& makeControl,
                                                             int halfLabelWidth);
    // Lays out every part for its count and reads its texts, moving each panel by
    // what the parts above it grew or shrank; returns the total change in twips.
    template <typename Counts>
    static int layOutParts(const std::vector<std::unique_ptr<PartGrid>>& parts, const Counts& counts,
                           const PageTexts& texts)
    {
        int shift = 0;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            parts[i]->shiftDown(shift);
            shift += parts[i]->layOut(counts.at(i));
            parts[i]->loadTexts(texts);
        }
        return shift;
    }

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
