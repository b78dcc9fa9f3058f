#include "velmora/pane/add_tag_page.h"

#include "velmora/core/translator.h"
#include "velmora/pane/alerts.h"
#include "velmora/pane/root_list_beside.h"
#include "velmora/pane/right_button.h"
#include "velmora/pane/rows.h"
#include "velmora/pane/tag_names.h"
#include "velmora/pane/tag_scratch.h"
#include "velmora/store/store.h"
#include "velmora/store/tag_records.h"

#include "device/foundation/file_manager.h"
#include "device/objc/class_builder.h"

namespace velmora::pane {

namespace {

namespace objc = device::objc;
using core::Translator;
using device::foundation::PlistDictionary;
using device::foundation::PlistValue;

bool isFile(const std::string& path)
{
    auto& files = device::foundation::FileManager::defaultManager();
    return !path.empty() && files.fileExistsAtPath(path) && !files.isDirectoryAtPath(path);
}

// The alert for a refused name; none when the name may be saved.
bool refuse(const PlistValue& name, const PlistDictionary& tagStore)
{
    const std::string* text = name.string();
    if (!text) {
        showError("blank");
    } else if (text->empty()) {
        showAlert(Translator("OK"), Translator("blank"), "Ok");
    } else if (auto reason = refusedTagName(*text)) {
        showError(*reason);
    } else if (tagNameTaken(tagStore, *text)) {
        showError("duplicate");
    } else {
        return false;
    }
    return true;
}

}  // namespace

void addTagController::buildRows(core::EntryList& list)
{
    list.clear();
    list.push_back(makeRow(Translator("tag_number"), this, "PSTitleValueCell", {{}, "getFolders:"}));
    list.push_back(groupWithFooter(Translator("name_desc")));
    list.push_back(makeRow(Translator("name"), this, "PSEditTextCell", {"doNothing:forSpecifier:", "getNameTag"}));
    list.push_back(emptyGroup());
    list.push_back(groupWithFooter(Translator("icon_desc")));
    list.push_back(makeRow(Translator("icon"), this, "PSLinkListCell", {}, "IconController"));
}

// The number a new tag gets is the first one the store leaves free, so no walk from 1 misses it.
PlistValue addTagController::getFolders(device::preferences::PSSpecifier*)
{
    long number = store::firstFreeTagNumber(store::load(store::Store::Tag));
    core::sharedState().nextTagNumber = static_cast<std::int32_t>(number);
    return PlistValue(store::decimalKey(number));
}

// Save takes the name from the scratch store, so a name that did not reach it is not shown either.
void addTagController::doNothingForSpecifier(PlistValue value, device::preferences::PSSpecifier* row)
{
    const std::string* text = value.string();
    if (text && !setScratchText(store::keys::kNewTagName, *text)) {
        showNotSaved(*this, row);
    }
}

PlistValue addTagController::getNameTag(device::preferences::PSSpecifier*)
{
    return scratchValue(store::keys::kNewTagName);
}

PlistValue addTagController::getIconTag(device::preferences::PSSpecifier*)
{
    return scratchValue(store::keys::kNewTagIcon);
}

void addTagController::Save()
{
    auto keepAlive = retained<addTagController>();
    view()->endEditing(true);
    PlistValue name = scratchValue(store::keys::kNewTagName);
    std::string icon = scratchText(store::keys::kNewTagIcon);
    PlistDictionary tags = store::load(store::Store::Tag);
    if (refuse(name, tags)) {
        return;
    }
    long number = store::firstFreeTagNumber(tags);
    tags[store::decimalKey(number)] = PlistDictionary{
        {std::string(store::keys::kTagName), name},
        {std::string(store::keys::kTagIcon), isFile(icon) ? icon : std::string(kDefaultTagIcon)},
    };
    if (!store::save(store::Store::Tag, tags)) {
        showNotSaved();
        return;
    }
    showAlert(Translator("done"), Translator("saved"), Translator("OK"));
    core::sharedState().listIsCurrent = false;
    core::sharedState().nextTagNumber = static_cast<std::int32_t>(number) + 1;
    reloadSpecifierAtIndex(0);
    rebuildRootListBeside(*this);
}

void addTagController::addButton()
{
    setRightButton(*this, Translator("save"), "Save");
}

void addTagController::viewWillAppear(bool animated)
{
    PSListController::viewWillAppear(animated);
    addButton();
}

void registerAddTagController()
{
    objc::ClassBuilder<addTagController>(device::preferences::PSListController::className)
        .method<&addTagController::getFolders>("getFolders:")
        .method<&addTagController::doNothingForSpecifier>("doNothing:forSpecifier:")
        .method<&addTagController::getNameTag>("getNameTag")
        .method<&addTagController::getIconTag>("getIconTag")
        .method<&addTagController::Save>("Save")
        .method<&addTagController::addButton>("addButton")
        .method<&addTagController::viewWillAppear>("viewWillAppear:");
}

}  // namespace velmora::pane
