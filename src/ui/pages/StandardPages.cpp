#include "StandardPages.h"

#include "NamesPage.h"
#include "PlaceholderPage.h"
#include "StatusPage.h"

std::vector<std::unique_ptr<TabPage>> CreateStandardPages(PageContext& context)
{
    struct Design
    {
        const char* form;
        const char* caption;
        const char* section;
    };
    // The pages whose controls come later keep their form name, caption and section.
    static const Design later[] = {
        {"frmTabStripData03", "layer", "TabStrip_Layer_"},
        {"frmTabStripData04", "monitor", "TabStrip_Monitor_"},
        {"frmTabStripData05", "gpio", "TabStrip_GPIO_"},
        {"frmTabStripData06", "esam", "TabStrip_Esam_"},
        {"frmTabStripData07", "snapshot", "TabStrip_SnapShot_"},
        {"frmTabStripData08", "fbox", "TabStrip_FBox_"},
        {"frmTabStripData09", "output", "TabStrip_Output_"},
        {"frmTabStripData99", "SYSTEM", "TabStrip_System_"},
    };
    std::vector<std::unique_ptr<TabPage>> pages;
    pages.push_back(std::make_unique<StatusPage>(context));
    pages.push_back(std::make_unique<NamesPage>(context));
    for (const Design& d : later)
        pages.push_back(std::make_unique<PlaceholderPage>(context, QString::fromLatin1(d.form),
                                                          QString::fromLatin1(d.caption),
                                                          QString::fromLatin1(d.section)));
    return pages;
}
