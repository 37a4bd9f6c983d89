#pragma once

#include <QString>

#include <optional>

// The name text boxes of the signal names page, as the blank-name check sees
// them. part is 1..5, index is the 0-based box of the part.
class NameBoxes
{
public:
    virtual ~NameBoxes() = default;
    // What the box shows; nothing when the page has no such box (not built yet,
    // or beyond the part's count).
    virtual std::optional<QString> nameText(int part, int index) const = 0;
    virtual void setNameText(int part, int index, const QString& text) = 0;
    // Tells the user which field a name belongs to.
    virtual QString toolTip(int part, int index) const = 0;
};
