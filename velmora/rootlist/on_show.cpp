#include "velmora/rootlist/on_show.h"

#include "velmora/core/shared_state.h"
#include "velmora/core/translator.h"
#include "velmora/rootlist/setup_screen.h"
#include "velmora/store/advanced_options.h"
#include "velmora/store/store.h"

#include "device/foundation/user_defaults.h"
#include "device/objc/message.h"
#include "device/preferences/list_controller.h"
#include "device/uikit/refresh_control.h"

#include <vector>

namespace velmora::rootlist {

namespace {

namespace objc = device::objc;
namespace uikit = device::uikit;
using device::preferences::PSListController;

constexpr std::string_view kAppleLanguages = "AppleLanguages";

std::string preferredLanguage()
{
    auto languages = device::foundation::UserDefaults::standardUserDefaults().objectForKey(kAppleLanguages);
    const auto* list = languages ? languages->array() : nullptr;
    if (!list || list->empty() || !list->front().isString()) {
        return {};
    }
    return *list->front().string();
}

std::vector<uikit::UIRefreshControl*> refreshControls(uikit::UIView& table)
{
    std::vector<uikit::UIRefreshControl*> controls;
    for (const auto& subview : table.subviews()) {
        if (auto* control = objc::as<uikit::UIRefreshControl>(subview.get())) {
            controls.push_back(control);
        }
    }
    return controls;
}

void showEditButton(PSListController& root)
{
    std::string edit = core::Translator("edit");
    auto* item = root.navigationItem();
    auto* current = item->rightBarButtonItem();
    if (!current || current->title() != edit) {
        item->setRightBarButtonItem(uikit::UIBarButtonItem::initWithTitle(
            edit, uikit::UIBarButtonItemStyle::Bordered, &root, objc::sel_registerName("setEditingState")));
    }
}

// A control that is still spinning is taken away rather than replaced; the next appearance adds a
// fresh one.
void showRefreshControl(PSListController& root, uikit::UIView& table)
{
    auto controls = refreshControls(table);
    if (!controls.empty()) {
        if (controls.front()->isRefreshing()) {
            controls.front()->removeFromSuperview();
        }
        return;
    }
    auto control = objc::create<uikit::UIRefreshControl>();
    control->addTargetActionForControlEvents(&root, objc::sel_registerName("reloadSpecifiers"),
                                             uikit::UIControlEventValueChanged);
    control->setTintColor(uikit::UIColor::blackColor());
    table.insertSubviewAtIndex(control, 0);
}

}  // namespace

void removeRefreshControls(uikit::UIView& table)
{
    for (auto* control : refreshControls(table)) {
        control->removeFromSuperview();
    }
}

void viewWillAppear(objc::id self, objc::SEL cmd, bool animated)
{
    core::SharedState& state = core::sharedState();
    objc::callImp<void, bool>(state.previous(core::InstalledMethod::ViewWillAppear), self, cmd, animated);
    auto* root = objc::as<PSListController>(self);
    if (!root) {
        return;
    }
    if (!state.listIsCurrent) {
        objc::msgSend<void>(self, "reloadSpecifiers");
        state.listIsCurrent = true;
    }

    auto advanced = store::load(store::Store::Advanced);
    bool pullToRefresh = store::advancedOption(advanced, store::options::kPullToRefresh);
    advanced[std::string(store::keys::kLanguage)] = preferredLanguage();

    uikit::UIView* table = root->table();
    bool masterSwitch = store::readBool(store::load(store::Store::Enabled), store::keys::kEnabled);
    if (!masterSwitch) {
        root->navigationItem()->setRightBarButtonItem(nullptr);
        if (table) {
            removeRefreshControls(*table);
        }
    } else {
        showEditButton(*root);
        if (pullToRefresh && table) {
            showRefreshControl(*root, *table);
        }
    }
    if (!pullToRefresh && table) {
        removeRefreshControls(*table);
    }

    root->dismissViewControllerAnimated(true);

    bool firstRun = !store::readBool(store::load(store::Store::Advanced), store::keys::kFirstTime);
    if (firstRun) {
        advanced[std::string(store::keys::kFirstTime)] = true;
    }
    // Saved before the set-up screen is built, so that it speaks the language just recorded.
    store::save(store::Store::Advanced, advanced);
    if (firstRun) {
        presentSetupScreen(*root);
    }
}

}  // namespace velmora::rootlist
