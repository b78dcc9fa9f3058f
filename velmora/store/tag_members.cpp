#include "velmora/store/tag_members.h"

#include "velmora/store/store.h"
#include "velmora/store/tag_records.h"

namespace velmora::store {

using device::foundation::PlistValue;

std::optional<PlistValue> memberFlag(std::string_view tagName, std::string_view entryName)
{
    auto tags = load(Store::Tag);
    auto number = findTag(tags, tagName);
    if (!number) {
        return std::nullopt;
    }
    const PlistDictionary& record = *tags.at(decimalKey(*number)).dictionary();
    auto found = record.find(std::string(entryName));
    if (found == record.end()) {
        return std::nullopt;
    }
    return found->second;
}

bool setMemberFlags(std::string_view tagName, const std::vector<std::string>& entryNames, bool member)
{
    auto tags = load(Store::Tag);
    auto number = findTag(tags, tagName);
    if (!number) {
        return true;
    }
    PlistDictionary& record = *tags.at(decimalKey(*number)).dictionary();
    for (const std::string& name : entryNames) {
        record[name] = member;
    }
    return save(Store::Tag, tags);
}

std::vector<std::string> loadTagOrder(std::string_view tagName)
{
    std::vector<std::string> names;
    if (!isSafeTagName(tagName)) {
        return names;
    }
    auto order = load(tagPositionStorePath(tagName));
    for (long position = 0; position < static_cast<long>(order.size()); ++position) {
        auto found = order.find(decimalKey(position));
        if (found != order.end() && found->second.string()) {
            names.push_back(*found->second.string());
        }
    }
    return names;
}

bool saveTagOrder(std::string_view tagName, const std::vector<std::string>& names)
{
    if (!isSafeTagName(tagName)) {
        return true;
    }
    PlistDictionary order;
    for (std::size_t position = 0; position < names.size(); ++position) {
        order[decimalKey(static_cast<long>(position))] = names[position];
    }
    return save(tagPositionStorePath(tagName), order);
}

}  // namespace velmora::store
