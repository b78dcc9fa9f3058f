#include "velmora/rootlist/tag_folder_members.h"

#include "velmora/store/store.h"
#include "velmora/store/tag_members.h"
#include "velmora/store/tag_records.h"

#include "device/preferences/specifier.h"

#include <algorithm>
#include <set>

namespace velmora::rootlist {

namespace {

constexpr std::string_view kKeptOutOfTags = "CASTLE";
constexpr std::string_view kNeverTagged = "Bluetooth";

bool keptOutOfTags(const core::Entry& entry)
{
    return entry->isGroup() || !entry->name() || entry->identifier() == kKeptOutOfTags;
}

}  // namespace

core::EntryList folderMembers(const std::string& tagName)
{
    auto tags = store::load(store::Store::Tag);
    auto number = store::findTag(tags, tagName);
    if (!number) {
        return {};
    }
    const auto& record = *tags.at(store::decimalKey(*number)).dictionary();
    auto hidden = store::load(store::Store::Hide);
    core::EntryList members;
    for (const core::Entry& entry : core::sharedState().allEntries) {
        if (!keptOutOfTags(entry) && !store::readBool(hidden, *entry->name()) && store::readBool(record, *entry->name())) {
            members.push_back(entry);
        }
    }
    core::EntryList ordered;
    std::set<const device::preferences::PSSpecifier*> placed;
    for (const std::string& name : store::loadTagOrder(tagName)) {
        auto member = std::find_if(members.begin(), members.end(),
                                   [&name](const core::Entry& entry) { return entry->name() == name; });
        // A name the file repeats would otherwise show its member twice.
        if (member != members.end() && placed.insert(member->get()).second) {
            ordered.push_back(*member);
        }
    }
    for (const core::Entry& member : members) {
        if (!placed.contains(member.get())) {
            ordered.push_back(member);
        }
    }
    return ordered;
}

core::EntryList folderCandidates(const std::string& tagName)
{
    auto others = store::tagRecords(store::load(store::Store::Tag));
    std::erase_if(others, [&tagName](const store::PlistDictionary& tag) {
        return store::readString(tag, store::keys::kTagName) == tagName;
    });
    core::EntryList candidates;
    for (const core::Entry& entry : core::sharedState().allEntries) {
        if (keptOutOfTags(entry) || entry->name() == kNeverTagged) {
            continue;
        }
        bool inOtherTag = std::any_of(others.begin(), others.end(), [&entry](const store::PlistDictionary& tag) {
            return store::readBool(tag, *entry->name());
        });
        if (!inOtherTag) {
            candidates.push_back(entry);
        }
    }
    return candidates;
}

}  // namespace velmora::rootlist
