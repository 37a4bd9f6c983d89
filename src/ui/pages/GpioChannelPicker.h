#pragma once

#include <QString>

class PageContext;
class QLineEdit;
class QWidget;

// Assigns GPIO channel definitions to the boxes of the GPIO and fader-box pages.
// A box keeps its channel code as decimal text in its "Tag" property; an empty
// tag means not assigned. The definitions are context.lists.lstData[listIndex]
// (0 inputs, 1 outputs).
class GpioChannelPicker
{
public:
    explicit GpioChannelPicker(PageContext& context);

    // Offers the definitions in the choice dialog, centred over the main window,
    // and shows what the user chose. Cancel keeps the box as it was.
    void pickGpioChannel(QLineEdit* box, QLineEdit* infoBox, int listIndex);
    // Code 0 shows "0" and the not-defined text. Another code shows the name and
    // info of the first definition carrying it; a code no definition carries
    // shows as unknown with its code in both boxes and is still kept in the tag.
    void showGpioChannel(QLineEdit* box, QLineEdit* infoBox, int code, int listIndex);

private:
    void centreOverMainWindow();

    PageContext& m_context;
};
