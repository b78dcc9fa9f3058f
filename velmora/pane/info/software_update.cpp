#include "velmora/pane/info/info_pages.h"

#include "velmora/core/translator.h"
#include "velmora/pane/info/package.h"
#include "velmora/pane/rows.h"

namespace velmora::pane {

void softwareupdateController::buildRows(core::EntryList& list)
{
    core::Entry running = makeRow(core::Translator("running") + installedVersion(), this, "PSTitleValueCell");
    setAlignment(running, 2);
    list = {running};
}

// Each visit looks for a newer version on the package's page in the package manager.
void softwareupdateController::viewWillAppear(bool animated)
{
    PSListController::viewWillAppear(animated);
    openPackagePage(kPackageIdentifier);
}

}  // namespace velmora::pane
