#include "velmora/pane/advanced_page.h"

#include "velmora/core/translator.h"
#include "velmora/pane/alerts.h"
#include "velmora/pane/root_list_beside.h"
#include "velmora/pane/right_button.h"
#include "velmora/pane/rows.h"
#include "velmora/store/advanced_options.h"
#include "velmora/store/store.h"

#include "device/objc/class_builder.h"

namespace velmora::pane {

namespace {

namespace objc = device::objc;
namespace options = store::options;
using core::Translator;
using device::foundation::PlistValue;

struct Option {
    std::string_view name;
    std::string_view footerKey;
    std::string_view cellType;
};

constexpr Option kOptions[] = {
    {options::kTagsInPane, "desc_groups", "PSSwitchCell"},   {options::kTagTitles, "desc_title", "PSSwitchCell"},
    {options::kTweaksInPane, "desc_locat", "PSSwitchCell"},  {options::kSwipeCells, "desc_swipe", "PSSwitchCell"},
    {options::kPullToRefresh, "desc_refresh", "PSSwitchCell"}, {options::kAnimate, "desc_anim", "PSSwitchCell"},
    {options::kSearchBox, "desc_search_box", "PSSwitchCell"}, {options::kEntryTitle, "desc_name", "PSEditTextCell"},
};

// The "title" option's group and switch.
constexpr std::size_t kTitleGroup = 2;
constexpr std::size_t kTitleSwitch = 3;

}  // namespace

void advancedController::buildRows(core::EntryList& list)
{
    list.clear();
    for (const Option& option : kOptions) {
        list.push_back(groupWithFooter(Translator(option.footerKey)));
        list.push_back(makeRow(Translator(option.name), this, option.cellType,
                               {"setPreference:forSpecifier:", "readPreference:"}));
    }
}

void advancedController::hideKeyBoard()
{
    view()->endEditing(true);
}

void advancedController::addButton()
{
    setRightButton(*this, "Hide KB", "hideKeyBoard");
}

void advancedController::viewWillAppear(bool animated)
{
    PSListController::viewWillAppear(animated);
    objc::msgSend<void>(this, "reloadSpecifiers");
    addButton();
    if (!store::advancedOption(options::kTagsInPane)) {
        removeTitleOption(store::advancedOption(options::kAnimate));
    }
}

PlistValue advancedController::readPreference(device::preferences::PSSpecifier* row)
{
    return store::storedValue(store::Store::Advanced, row->nameOrEmpty());
}

void advancedController::setPreferenceForSpecifier(PlistValue value, device::preferences::PSSpecifier* row)
{
    auto keepAlive = retained<advancedController>();
    std::string name = row->nameOrEmpty();
    if (!store::storeValue(store::Store::Advanced, name, value)) {
        showNotSaved(*this, row);
        return;
    }
    core::sharedState().listIsCurrent = false;
    rebuildRootListBeside(*this);
    if (name == Translator(options::kTagsInPane)) {
        bool animated = store::advancedOption(options::kAnimate);
        if (value.boolValue()) {
            insertTitleOption(animated);
        } else {
            removeTitleOption(animated);
        }
    }
}

// The host removes a group entry alone, so the switch under it goes as well.
void advancedController::removeTitleOption(bool animated)
{
    const core::EntryList& list = pageList();
    if (list.size() > kTitleSwitch) {
        removeSpecifierAnimated(list[kTitleSwitch].get(), animated);
        removeSpecifierAnimated(list[kTitleGroup].get(), animated);
    }
}

void advancedController::insertTitleOption(bool animated)
{
    const core::EntryList& list = pageList();
    if (list.size() > kTitleSwitch) {
        insertSpecifierAtIndexAnimated(list[kTitleGroup], static_cast<long>(kTitleGroup), animated);
        insertSpecifierAtIndexAnimated(list[kTitleSwitch], static_cast<long>(kTitleSwitch), animated);
    }
}

void registerAdvancedController()
{
    objc::ClassBuilder<advancedController>(device::preferences::PSListController::className)
        .method<&advancedController::hideKeyBoard>("hideKeyBoard")
        .method<&advancedController::addButton>("addButton")
        .method<&advancedController::viewWillAppear>("viewWillAppear:")
        .method<&advancedController::setPreferenceForSpecifier>("setPreference:forSpecifier:")
        .method<&advancedController::readPreference>("readPreference:");
}

}  // namespace velmora::pane
