#include "velmora/pane/pane_root.h"

#include "velmora/core/themed_icon.h"
#include "velmora/core/translator.h"
#include "velmora/pane/alerts.h"
#include "velmora/pane/pane_root_rows.h"
#include "velmora/pane/root_list_beside.h"
#include "velmora/pane/rows.h"
#include "velmora/pane/tag_count_badge.h"
#include "velmora/store/advanced_options.h"
#include "velmora/store/store.h"

#include "device/objc/class_builder.h"
#include "device/uikit/tweet_compose_view_controller.h"

namespace velmora::pane {

namespace {

namespace objc = device::objc;
namespace uikit = device::uikit;
using core::Translator;
using device::foundation::PlistValue;

constexpr std::string_view kPaneTitle = "Velmora";

struct PaneLink {
    std::string_view labelKey;
    std::string_view pageClass;
    std::string_view iconName;
};

constexpr PaneLink kLinks[] = {
    {"gene", "GeneralsController", "Generalicon"},
    {"hide", "allSpecifiersController", "hideicon"},
    {"security", "protectionController", "security"},
    {"tags", "TagsController", "Tagsicon"},
    {"theme", "ThemeController", "Themeicon"},
};

}  // namespace

PlistValue VelmoraController::isEnabledd(device::preferences::PSSpecifier*)
{
    return store::storedValue(store::Store::Enabled, store::keys::kEnabled);
}

void VelmoraController::setEnabled(PlistValue value, device::preferences::PSSpecifier* row)
{
    if (!store::storeValue(store::Store::Enabled, store::keys::kEnabled, value)) {
        showNotSaved(*this, row);
        return;
    }
    reloadSpecs();
    core::sharedState().listIsCurrent = false;
    refreshRootListBeside(*this);
}

void VelmoraController::viewWillAppear(bool animated)
{
    PSListController::viewWillAppear(animated);
    setTitle(std::string(kPaneTitle));
    reloadSpecs();
    addButton();
}

void VelmoraController::viewWillDisappear(bool)
{
    pageList().clear();
}

void VelmoraController::addButton()
{
    navigationItem()->setRightBarButtonItem(uikit::UIBarButtonItem::initWithImage(
        core::themedIcon("Heart"), uikit::UIBarButtonItemStyle::Bordered, this, objc::sel_registerName("Tweet")));
}

void VelmoraController::Tweet()
{
    auto compose = objc::create<uikit::TWTweetComposeViewController>();
    compose->setInitialText(Translator("tweet"));
    presentViewControllerAnimated(compose, store::advancedOption(store::options::kAnimate));
}

void VelmoraController::reloadSpecs()
{
    core::EntryList& list = pageList();
    list = {};
    core::Entry master = makeRow(Translator("enable"), this, "PSSwitchCell", {"setEnabled:", "isEnabledd:"});
    setIcon(master, core::themedIcon("enableicon"));
    list.push_back(master);
    list.push_back(emptyGroup());
    for (const PaneLink& link : kLinks) {
        core::Entry row = makeRow(Translator(link.labelKey), this, "PSLinkCell", {}, link.pageClass);
        setIcon(row, core::themedIcon(link.iconName));
        list.push_back(row);
    }

    PaneSettings settings = PaneSettings::read();
    const core::EntryList& tweaks = core::sharedState().tweakSection;
    if (!settings.masterSwitch) {
        bool animated = store::advancedOption(store::options::kAnimate);
        for (const core::Entry& entry : tweaks) {
            removeSpecifierAnimated(entry.get(), animated);
        }
    }
    PaneRows rows = tweakRows(tweaks, settings, this);
    list.insert(list.end(), rows.rows.begin(), rows.rows.end());
    objc::msgSend<void>(this, "reloadSpecifiers");
    showTagCountBadge(*this, rows.tagCount);
}

void registerVelmoraController()
{
    objc::ClassBuilder<VelmoraController>(device::preferences::PSListController::className)
        .method<&VelmoraController::isEnabledd>("isEnabledd:")
        .method<&VelmoraController::setEnabled>("setEnabled:")
        .method<&VelmoraController::viewWillAppear>("viewWillAppear:")
        .method<&VelmoraController::viewWillDisappear>("viewWillDisappear:")
        .method<&VelmoraController::Tweet>("Tweet")
        .method<&VelmoraController::addButton>("addButton")
        .method<&VelmoraController::reloadSpecs>("reloadSpecs");
}

}  // namespace velmora::pane
