#include "velmora/store/tag_records.h"

#include "velmora/store/store.h"

namespace velmora::store {

std::vector<PlistDictionary> tagRecords(const PlistDictionary& tagStore)
{
    return tagRecords(PlistDictionary(tagStore));
}

std::vector<PlistDictionary> tagRecords(PlistDictionary&& tagStore)
{
    std::vector<PlistDictionary> records;
    for (long number = 1;; ++number) {
        auto found = tagStore.find(decimalKey(number));
        if (found == tagStore.end()) {
            return records;
        }
        PlistDictionary* record = found->second.dictionary();
        records.push_back(record ? std::move(*record) : PlistDictionary{});
    }
}

long firstFreeTagNumber(const PlistDictionary& tagStore)
{
    long number = 1;
    while (tagStore.contains(decimalKey(number))) {
        ++number;
    }
    return number;
}

std::optional<long> findTag(const PlistDictionary& tagStore, std::string_view tagName)
{
    for (long number = 1;; ++number) {
        auto found = tagStore.find(decimalKey(number));
        if (found == tagStore.end()) {
            return std::nullopt;
        }
        const PlistDictionary* record = found->second.dictionary();
        auto name = record ? record->find(std::string(keys::kTagName)) : PlistDictionary::const_iterator{};
        if (record && name != record->end() && name->second.string() && *name->second.string() == tagName) {
            return number;
        }
    }
}

}  // namespace velmora::store
