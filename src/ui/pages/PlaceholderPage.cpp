#include "PlaceholderPage.h"

#include "FramedPanel.h"
#include "Twips.h"

void PlaceholderPage::build(FramedPanel* fraTab)
{
    fraTab->resize(fraTab->width(), Twips::toPixelsY(3000));
}
