#include "velmora/rootlist/arrange_mode.h"

#include "velmora/core/shared_state.h"
#include "velmora/core/tablet.h"
#include "velmora/core/translator.h"
#include "velmora/rootlist/arrange_order.h"
#include "velmora/store/advanced_options.h"
#include "velmora/store/store.h"

#include "device/foundation/file_manager.h"
#include "device/objc/message.h"
#include "device/uikit/alert_view.h"
#include "device/uikit/navigation_controller.h"
#include "device/uikit/refresh_control.h"

#include <vector>

namespace velmora::rootlist {

namespace {

namespace objc = device::objc;
namespace uikit = device::uikit;
using device::preferences::PSListController;

constexpr double kSheetTableWidth = 540;
constexpr double kSheetTableHeight = 625;

bool animate()
{
    return store::advancedOption(store::options::kAnimate);
}

std::shared_ptr<uikit::UIBarButtonItem> barButton(std::string_view textKey, PSListController& root,
                                                  std::string_view action)
{
    return uikit::UIBarButtonItem::initWithTitle(core::Translator(textKey), uikit::UIBarButtonItemStyle::Bordered,
                                                 &root, objc::sel_registerName(action));
}

uikit::UIViewController& sheetPresenter(PSListController& root)
{
    uikit::UIViewController* parent = root.parentController();
    return parent ? *parent : root;
}

// Only a pull-to-refresh control goes: whatever else lies in the table stays.
void removeRefreshControls(uikit::UIView& table)
{
    std::vector<uikit::UIView*> controls;
    for (const auto& subview : table.subviews()) {
        if (objc::as<uikit::UIRefreshControl>(subview.get())) {
            controls.push_back(subview.get());
        }
    }
    for (uikit::UIView* control : controls) {
        control->removeFromSuperview();
    }
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
    root.navigationItem()->setRightBarButtonItem(barButton("done", root, "setEditingState"));
    root.navigationItem()->setLeftBarButtonItem(barButton("reset", root, "sortType:"));
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
    if (state.positionsReset) {
        state.positionsReset = false;
    } else {
        store::save(store::Store::Position, phoneOrder(state));
    }
    giveTableBack(table);
    objc::msgSend<void>(&root, "reloadSpecifiers");
    objc::msgSend<void>(&root, "viewWillAppear:", true);
    table.setEditingAnimated(false, animate());
}

void presentArrangeSheet(PSListController& root)
{
    core::SharedState& state = core::sharedState();
    showLeadingRows(state);
    auto page = objc::create<uikit::UIViewController>();
    auto navigation = uikit::UINavigationController::initWithRootViewController(page);
    page->setModalPresentationStyle(uikit::UIModalPresentationStyle::FormSheet);
    navigation->setModalPresentationStyle(uikit::UIModalPresentationStyle::FormSheet);
    page->view()->setBackgroundColor(uikit::UIColor::whiteColor());
    page->navigationItem()->setTitle(core::Translator("edit"));
    page->navigationItem()->setLeftBarButtonItem(barButton("reset", root, "sortType:"));
    page->navigationItem()->setRightBarButtonItem(barButton("done", root, "ArrangeCompleted"));

    auto table = objc::create<uikit::UITableView>(uikit::CGRectMake(0, 0, kSheetTableWidth, kSheetTableHeight));
    table->setDelegate(state.test.get());
    table->setDataSource(state.test.get());
    table->setEditingAnimated(true, animate());
    page->view()->addSubview(table);
    sheetPresenter(root).presentViewControllerAnimated(navigation, true);
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
        presentArrangeSheet(*root);
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
    store::save(store::Store::Position, tabletOrder(core::sharedState()));
    dismissArrangeSheet(*root);
    objc::msgSend<void>(self, "reloadSpecifiers");
    objc::msgSend<void>(self, "viewWillAppear:", true);
}

void resetPos(objc::id self, objc::SEL)
{
    auto* root = objc::as<PSListController>(self);
    std::string path = store::storePath(store::Store::Position);
    auto& files = device::foundation::FileManager::defaultManager();
    if (!root || !files.fileExistsAtPath(path) || !files.isDeletableFileAtPath(path)) {
        return;
    }
    files.removeItemAtPath(path);
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
