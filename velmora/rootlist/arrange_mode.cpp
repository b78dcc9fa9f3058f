#include "velmora/rootlist/arrange_mode.h"

#include "velmora/core/shared_state.h"
#include "velmora/core/tablet.h"
#include "velmora/core/translator.h"
#include "velmora/pane/alerts.h"
#include "velmora/rootlist/arrange_order.h"
#include "velmora/rootlist/arrange_sheet.h"
#include "velmora/rootlist/on_show.h"
#include "velmora/store/advanced_options.h"
#include "velmora/store/store.h"

#include "device/foundation/file_manager.h"
#include "device/objc/message.h"
#include "device/uikit/alert_view.h"
#include "device/uikit/navigation_controller.h"

namespace velmora::rootlist {

namespace {

namespace objc = device::objc;
namespace uikit = device::uikit;
using device::preferences::PSListController;

bool animate()
{
    return store::advancedOption(store::options::kAnimate);
}

void enterArrangeMode(PSListController& root, uikit::UITableView& table)
{
    core::SharedState& state = core::sharedState();
    state.savedDataSource = objc::weakReference(table.dataSource());
    state.savedDelegate = objc::weakReference(table.delegate());
    showLeadingRows(state);
    table.setDelegate(nullptr);
    table.setDelegate(state.test.get());
    table.setDataSource(state.test.get());
    removeRefreshControls(table);
    root.navigationItem()->setRightBarButtonItem(arrangeButton("done", root, "setEditingState"));
    root.navigationItem()->setLeftBarButtonItem(arrangeButton("reset", root, "sortType:"));
    table.setEditingAnimated(true, animate());
}

// Only a table that arrange mode took over is given back: one never taken keeps what it has.
void giveTableBack(uikit::UITableView& table)
{
    core::SharedState& state = core::sharedState();
    if (table.dataSource() != state.test.get()) {
        return;
    }
    table.setDataSource(state.savedDataSource.lock().get());
    table.setDelegate(state.savedDelegate.lock().get());
}

void leaveArrangeMode(PSListController& root, uikit::UITableView& table)
{
    core::SharedState& state = core::sharedState();
    root.navigationItem()->setLeftBarButtonItem(nullptr);
    bool saved = true;
    if (state.positionsReset) {
        state.positionsReset = false;
    } else {
        saved = store::save(store::Store::Position, phoneOrder(state));
    }
    giveTableBack(table);
    // The rebuild shows the order as stored, so an unsaved one is not shown as kept.
    objc::msgSend<void>(&root, "reloadSpecifiers");
    objc::msgSend<void>(&root, "viewWillAppear:", true);
    table.setEditingAnimated(false, animate());
    if (!saved) {
        pane::showNotSaved();
    }
}

void openArrangeSheet(PSListController& root)
{
    core::SharedState& state = core::sharedState();
    showLeadingRows(state);
    presentArrangeSheet(root, state.test.get(), arrangeButton("reset", root, "sortType:"),
                                  arrangeButton("done", root, "ArrangeCompleted"));
}

void dismissArrangeSheet(PSListController& root)
{
    sheetPresenter(root).dismissViewControllerAnimated(true);
}

}  // namespace

void setEditingState(objc::id self, objc::SEL)
{
    auto* root = objc::as<PSListController>(self);
    if (!root) {
        return;
    }
    if (core::isTablet()) {
        openArrangeSheet(*root);
        return;
    }
    uikit::UITableView* table = root->table();
    if (!table) {
        return;
    }
    if (table->isEditing()) {
        leaveArrangeMode(*root, *table);
    } else {
        enterArrangeMode(*root, *table);
    }
}

void ArrangeCompleted(objc::id self, objc::SEL)
{
    auto* root = objc::as<PSListController>(self);
    if (!root) {
        return;
    }
    bool saved = store::save(store::Store::Position, tabletOrder(core::sharedState()));
    dismissArrangeSheet(*root);
    objc::msgSend<void>(self, "reloadSpecifiers");
    objc::msgSend<void>(self, "viewWillAppear:", true);
    if (!saved) {
        pane::showNotSaved();
    }
}

void resetPos(objc::id self, objc::SEL)
{
    auto* root = objc::as<PSListController>(self);
    std::string path = store::storePath(store::Store::Position);
    auto& files = device::foundation::FileManager::defaultManager();
    if (!root || !files.fileExistsAtPath(path) || !files.isDeletableFileAtPath(path)) {
        return;
    }
    if (!files.removeItemAtPath(path)) {
        pane::showNotSaved();
        return;
    }
    uikit::UIAlertView::initWithTitleMessageDelegateCancelButtonTitleOtherButtonTitles(
        core::Translator("resetted"), core::Translator("pos_res"), self, core::Translator("OK"))
        ->show();
    if (core::isTablet()) {
        dismissArrangeSheet(*root);
        objc::msgSend<void>(self, "reloadSpecifiers");
        return;
    }
    core::sharedState().positionsReset = true;
    objc::msgSend<void>(self, "setEditingState");
}

void closeArrangeMode(PSListController& root)
{
    if (core::isTablet()) {
        dismissArrangeSheet(root);
        objc::msgSend<void>(&root, "reloadSpecifiers");
        return;
    }
    root.navigationItem()->setLeftBarButtonItem(nullptr);
    if (uikit::UITableView* table = root.table()) {
        giveTableBack(*table);
        table->setEditingAnimated(false, animate());
    }
}

}  // namespace velmora::rootlist
