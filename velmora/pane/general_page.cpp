#include "velmora/pane/general_page.h"

#include "velmora/core/translator.h"
#include "velmora/pane/rows.h"

#include "device/objc/class_builder.h"

namespace velmora::pane {

void GeneralsController::buildRows(core::EntryList& list)
{
    auto link = [this](std::string_view labelKey, std::string_view pageClass) {
        return makeRow(core::Translator(labelKey), this, "PSLinkCell", {}, pageClass);
    };
    core::EntryList rows{
        link("info", "infoController"),    link("update", "softwareupdateController"), emptyGroup(),
        link("advanced", "advancedController"), link("about", "AboutUs"),             emptyGroup(),
        link("works", "worksController"),
    };
    // The list is never emptied: each build writes its rows over the same places.
    if (list.size() < rows.size()) {
        list.resize(rows.size());
    }
    std::copy(rows.begin(), rows.end(), list.begin());
}

void registerGeneralsController()
{
    device::objc::ClassBuilder<GeneralsController>(device::preferences::PSListController::className);
}

}  // namespace velmora::pane
