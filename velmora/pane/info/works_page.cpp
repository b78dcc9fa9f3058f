#include "velmora/pane/info/info_pages.h"

#include "velmora/pane/info/package.h"
#include "velmora/pane/rows.h"

namespace velmora::pane {

namespace {

struct Work {
    std::string_view name;
    std::string_view package;
};

constexpr Work kWorks[] = {
    {"QuietHours", "com.corvane.quiethours"},
    {"DockTidy", "com.corvane.docktidy"},
    {"SwitchBoard", "com.corvane.switchboard"},
};

constexpr std::string_view kPackageKey = "package";

}  // namespace

void worksController::buildRows(core::EntryList& list)
{
    list.clear();
    for (const Work& work : kWorks) {
        core::Entry link = makeRow(std::string(work.name), this, "PSLinkCell");
        link->setPropertyForKey(std::string(work.package), std::string(kPackageKey));
        link->setAction(device::objc::sel_registerName("openPackage:"));
        list.push_back(link);
    }
}

void worksController::openPackage(PSSpecifier* row)
{
    if (auto package = row ? row->stringProperty(std::string(kPackageKey)) : std::nullopt) {
        openPackagePage(*package);
    }
}

}  // namespace velmora::pane
