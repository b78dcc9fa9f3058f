#include "velmora/pane/tag_editor.h"

#include "velmora/core/themed_icon.h"
#include "velmora/core/translator.h"
#include "velmora/pane/alerts.h"
#include "velmora/pane/root_list_beside.h"
#include "velmora/pane/right_button.h"
#include "velmora/pane/rows.h"
#include "velmora/pane/tag_names.h"
#include "velmora/pane/tag_scratch.h"
#include "velmora/rootlist/tag_folder_members.h"
#include "velmora/store/advanced_options.h"
#include "velmora/store/store.h"
#include "velmora/store/tag_members.h"
#include "velmora/store/tag_records.h"

#include "device/foundation/file_manager.h"
#include "device/objc/class_builder.h"

namespace velmora::pane {

namespace {

namespace objc = device::objc;
using core::Translator;
using device::foundation::PlistDictionary;
using device::foundation::PlistValue;
using device::preferences::PSSpecifier;

PlistDictionary* record(PlistDictionary& tags, long number)
{
    auto found = tags.find(store::decimalKey(number));
    return found == tags.end() ? nullptr : found->second.dictionary();
}

// The records above the removed one move down a number, so the keys stay contiguous from 1.
void removeRecord(PlistDictionary& tags, long removed)
{
    long number = removed;
    for (; tags.contains(store::decimalKey(number + 1)); ++number) {
        tags[store::decimalKey(number)] = std::move(tags[store::decimalKey(number + 1)]);
    }
    tags.erase(store::decimalKey(number));
}

// In the position store, the first value naming the old tag names the new one. False only when
// that could not be stored.
bool renameInRootOrder(const std::string& oldName, const std::string& newName)
{
    std::string path = store::storePath(store::Store::Position);
    auto& files = device::foundation::FileManager::defaultManager();
    if (!files.fileExistsAtPath(path) || !files.isReadableFileAtPath(path) || !files.isWritableFileAtPath(path)) {
        return true;
    }
    auto order = store::load(path);
    for (auto& [position, identifier] : order) {
        if (identifier.string() && *identifier.string() == oldName) {
            identifier = newName;
            return store::save(path, order);
        }
    }
    return true;
}

}  // namespace

void FolderTagController::buildRows(core::EntryList& list)
{
    list.clear();
    list.push_back(groupWithFooter(Translator("change_name")));
    list.push_back(makeRow(Translator("name"), this, "PSEditTextCell", {"setTagName:", "getTagName"}));
    list.push_back(groupWithFooter(Translator("change_icon")));
    list.push_back(makeRow(Translator("icon"), this, "PSLinkCell", {}, "IconController"));
    list.push_back(emptyGroup());
    for (const core::Entry& entry : rootlist::folderCandidates(title())) {
        list.push_back(memberSwitch(entry));
    }
    list.push_back(emptyGroup());
    core::Entry remove = makeRow(Translator("remove"), this, "PSButtonCell");
    setAlignment(remove, 2);
    remove->setAction(objc::sel_registerName("RemoveCurrent"));
    list.push_back(remove);
}

core::Entry FolderTagController::memberSwitch(const core::Entry& entry)
{
    core::Entry row = entrySwitch(*entry, this, {"setFolderSpecifierValue:forSpecifier:", "isSpecifierInFolder:"});
    row->setPropertyForKey(entry->identifier().value_or(""), "identifier");
    return row;
}

PlistValue FolderTagController::getTagName(PSSpecifier*)
{
    return PlistValue(title());
}

void FolderTagController::setTagName(PlistValue value, PSSpecifier* row)
{
    auto keepAlive = retained<FolderTagController>();
    std::string newName = value.string() ? *value.string() : std::string();
    std::string oldName = title();
    if (newName.empty() || newName.starts_with(' ') || newName.ends_with(' ')) {
        showError("change_error");
        return;
    }
    if (auto reason = refusedTagName(newName)) {
        showError(*reason);
        return;
    }
    auto tags = store::load(store::Store::Tag);
    if (tagNameTaken(tags, newName)) {
        showError("duplicate");
        return;
    }
    // The tag itself first: when it cannot be renamed, its orders stay under the old name.
    auto number = store::findTag(tags, oldName);
    if (number) {
        auto renamed = tags;
        (*record(renamed, *number))[std::string(store::keys::kTagName)] = newName;
        if (!store::save(store::Store::Tag, renamed)) {
            showNotSaved(*this, row);
            return;
        }
    }
    // A root order still naming the old tag would lose the folder's place: the tag keeps its old
    // name instead, unless that cannot be stored either.
    if (!renameInRootOrder(oldName, newName) && (!number || store::save(store::Store::Tag, tags))) {
        showNotSaved(*this, row);
        return;
    }
    store::moveTagPositionStore(oldName, newName);
    core::sharedState().listIsCurrent = false;
    setTitle(newName);
    reloadSpecifierAtIndex(1);
    rebuildRootListBeside(*this);
}

void FolderTagController::setFolderSpecifierValueForSpecifier(PlistValue value, PSSpecifier* row)
{
    auto keepAlive = retained<FolderTagController>();
    view()->endEditing(true);
    if (row->name() && !store::setMemberFlags(title(), {*row->name()}, value.boolValue())) {
        showNotSaved(*this, row);
        return;
    }
    core::sharedState().listIsCurrent = false;
    rebuildRootListBeside(*this);
}

PlistValue FolderTagController::isSpecifierInFolder(PSSpecifier* row)
{
    return store::memberFlag(title(), row->nameOrEmpty()).value_or(PlistValue());
}

void FolderTagController::RemoveCurrent()
{
    auto keepAlive = retained<FolderTagController>();
    hideKeyBoard();
    std::string name = title();
    auto tags = store::load(store::Store::Tag);
    if (auto number = store::findTag(tags, name)) {
        removeRecord(tags, *number);
        if (!store::save(store::Store::Tag, tags)) {
            showNotSaved();
            return;
        }
    }
    store::removeTagPositionStore(name);
    showAlert(Translator("removed"), Translator("removed_message"), "Ok");
    core::sharedState().nextTagNumber = static_cast<std::int32_t>(store::firstFreeTagNumber(tags));
    bool animated = store::advancedOption(store::options::kAnimate);
    for (const core::Entry& row : core::EntryList(pageList())) {
        removeSpecifierAnimated(row.get(), animated);
    }
    core::sharedState().listIsCurrent = false;
    rebuildRootListBeside(*this);
}

void FolderTagController::viewWillAppear(bool animated)
{
    PSListController::viewWillAppear(animated);
    addButton();
    core::sharedState().listIsCurrent = false;
    if (!scratchText(store::keys::kNewTagIcon).ends_with(kIconSuffix)) {
        loadIconIntoScratch();
    }
}

// Hands the tag's icon to the chooser, which ticks it when it is one of the current theme's.
void FolderTagController::loadIconIntoScratch()
{
    auto tags = store::load(store::Store::Tag);
    if (auto number = store::findTag(tags, title())) {
        setScratchText(store::keys::kNewTagIcon, store::readString(*record(tags, *number), store::keys::kTagIcon));
    }
    std::string icon = scratchText(store::keys::kNewTagIcon);
    std::string folder = core::themeFolder(core::selectedTheme()) + "/Icons/";
    if (icon.starts_with(folder) && icon.ends_with(kIconSuffix)) {
        auto icons = store::load(store::Store::Icons);
        icons[icon.substr(folder.size(), icon.size() - folder.size() - kIconSuffix.size())] = "true";
        store::save(store::Store::Icons, icons);
    }
}

// A chosen icon reaches the tag when the page leaves: back to the tag list, or to the chooser again.
void FolderTagController::viewWillDisappear(bool)
{
    std::string icon = scratchText(store::keys::kNewTagIcon);
    if (!icon.ends_with(kIconSuffix)) {
        return;
    }
    core::sharedState().listIsCurrent = false;
    auto tags = store::load(store::Store::Tag);
    if (auto number = store::findTag(tags, title())) {
        PlistDictionary& tag = *record(tags, *number);
        // Leaving for the chooser and back rewrites the icon the tag has: that failing changes nothing.
        bool unchanged = store::readString(tag, store::keys::kTagIcon) == icon;
        tag[std::string(store::keys::kTagIcon)] = icon;
        if (!store::save(store::Store::Tag, tags) && !unchanged) {
            showNotSaved();
            return;
        }
    }
    rebuildRootListBeside(*this);
}

void FolderTagController::hideKeyBoard()
{
    view()->endEditing(true);
}

void FolderTagController::addButton()
{
    setRightButton(*this, "Hide KB", "hideKeyBoard");
}

void registerFolderTagController()
{
    objc::ClassBuilder<FolderTagController>(device::preferences::PSListController::className)
        .method<&FolderTagController::getTagName>("getTagName")
        .method<&FolderTagController::setTagName>("setTagName:")
        .method<&FolderTagController::setFolderSpecifierValueForSpecifier>("setFolderSpecifierValue:forSpecifier:")
        .method<&FolderTagController::isSpecifierInFolder>("isSpecifierInFolder:")
        .method<&FolderTagController::RemoveCurrent>("RemoveCurrent")
        .method<&FolderTagController::viewWillAppear>("viewWillAppear:")
        .method<&FolderTagController::viewWillDisappear>("viewWillDisappear:")
        .method<&FolderTagController::hideKeyBoard>("hideKeyBoard")
        .method<&FolderTagController::addButton>("addButton");
}

}  // namespace velmora::pane
