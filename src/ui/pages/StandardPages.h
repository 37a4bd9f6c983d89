#pragma once

#include <memory>
#include <vector>

class PageContext;
class TabPage;
struct AppSettings;

// The ten page forms in their order, frmTabStripData01 ... 09 and 99.
std::vector<std::unique_ptr<TabPage>> CreateStandardPages(PageContext& context);
