#pragma once

#include <QList>
#include <QWidget>

class QToolButton;

// The small button row beside a snapshot: buttons 1 and 2 switch the slot's two
// flags, 3 is a separator, 4 fetches and 5 sends. The group row has only 4 and 5,
// at the same places, so the fetch and send buttons of all rows line up.
class SnapshotToolbar : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(SnapshotToolbar)

public:
    enum Button
    {
        Flag1 = 1,
        Flag2 = 2,
        Separator = 3,
        Fetch = 4,
        Send = 5,
    };
    static constexpr int ButtonWidth = 360;
    static constexpr int SeparatorWidth = 150;
    static constexpr int Width = 4 * ButtonWidth + SeparatorWidth;
    // As high as the boxes of its row, so a row is never taller than the shortest page area.
    static constexpr int Height = 315;
    static constexpr int IconSize = 240;

    // withFlags false leaves out buttons 1 to 3. The page places the row.
    SnapshotToolbar(QWidget* parent, const QString& name, bool withFlags);

    // Button 1, 2, 4 or 5; null for the separator and for buttons the row lacks.
    QToolButton* button(int number) const;

Q_SIGNALS:
    void buttonClicked(int number);

private:
    QToolButton* addButton(int number, int left);

    QList<QToolButton*> m_buttons; // index number - 1
};
