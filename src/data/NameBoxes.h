#pragma once

#include <QString>

// The name text boxes of the signal names page, as the blank-name check sees
// them. part is 1..5, index is the 0-based box of the part.
class NameBoxes
{
public:
    virtual ~NameBoxes() = default;
    virtual QString nameText(int part, int index) const = 0;
    // Tells the user which field a name belongs to.
    virtual QString toolTip(int part, int index) const = 0;
};
