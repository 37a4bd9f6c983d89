#include "StandardPages.h"

#include "EsamPage.h"
#include "FaderBoxPage.h"
#include "GpioPage.h"
#include "LayerPage.h"
#include "MonitorPage.h"
#include "NamesPage.h"
#include "OutputPage.h"
#include "SnapshotPage.h"
#include "StatusPage.h"
#include "VersionPage.h"

std::vector<std::unique_ptr<TabPage>> CreateStandardPages(PageContext& context)
{
    std::vector<std::unique_ptr<TabPage>> pages;
    pages.push_back(std::make_unique<StatusPage>(context));
    pages.push_back(std::make_unique<NamesPage>(context));
    pages.push_back(std::make_unique<LayerPage>(context));
    pages.push_back(std::make_unique<MonitorPage>(context));
    pages.push_back(std::make_unique<GpioPage>(context));
    pages.push_back(std::make_unique<EsamPage>(context));
    pages.push_back(std::make_unique<SnapshotPage>(context));
    pages.push_back(std::make_unique<FaderBoxPage>(context));
    pages.push_back(std::make_unique<OutputPage>(context));
    pages.push_back(std::make_unique<VersionPage>(context));
    return pages;
}
