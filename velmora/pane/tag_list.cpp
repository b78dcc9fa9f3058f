#include "velmora/pane/tag_list.h"

#include "velmora/core/themed_icon.h"
#include "velmora/core/translator.h"
#include "velmora/pane/alerts.h"
#include "velmora/pane/rows.h"
#include "velmora/store/store.h"
#include "velmora/store/tag_records.h"

#include "device/objc/class_builder.h"

namespace velmora::pane {

void TagsController::viewWillAppear(bool animated)
{
    PSListController::viewWillAppear(animated);
    reloadTags();
    // Each visit to the add-tag page starts blank, with no icon chosen. A name or icon left from
    // before would go into the next tag unseen, so the user hears when they could not be cleared;
    // a failed write of what is stored already leaves nothing behind.
    auto scratch = store::load(store::Store::Temp);
    auto blank = scratch;
    blank[std::string(store::keys::kNewTagIcon)] = "";
    blank[std::string(store::keys::kNewTagName)] = "";
    bool cleared = store::save(store::Store::Temp, blank) || blank == scratch;
    bool unticked = store::save(store::Store::Icons, {}) || store::load(store::Store::Icons).empty();
    if (!cleared || !unticked) {
        showNotSaved();
    }
}

void TagsController::reloadTags()
{
    core::EntryList& list = pageList();
    list.clear();
    core::Entry add = makeRow(core::Translator("add_tag"), this, "PSLinkCell", {}, "addTagController");
    setIcon(add, core::themedIcon("addTagicon"));
    list.push_back(add);
    list.push_back(emptyGroup());
    auto tags = store::tagRecords(store::load(store::Store::Tag));
    for (const auto& tag : tags) {
        core::Entry link = makeRow(store::readString(tag, store::keys::kTagName), this, "PSLinkCell", {},
                                   "FolderTagController");
        setIcon(link, imageAtPath(store::readString(tag, store::keys::kTagIcon)));
        list.push_back(link);
    }
    // With no tags the next one is tag 1 again, whatever was created before in this process.
    core::sharedState().nextTagNumber = static_cast<std::int32_t>(tags.size()) + 1;
    device::objc::msgSend<void>(this, "reloadSpecifiers");
}

void registerTagsController()
{
    device::objc::ClassBuilder<TagsController>(device::preferences::PSListController::className)
        .method<&TagsController::viewWillAppear>("viewWillAppear:")
        .method<&TagsController::reloadTags>("reloadTags");
}

}  // namespace velmora::pane
