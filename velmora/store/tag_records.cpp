#include "velmora/store/tag_records.h"

#include "velmora/store/store.h"

namespace velmora::store {

std::vector<PlistDictionary> tagRecords(const PlistDictionary& tagStore)
{
    std::vector<PlistDictionary> records;
    for (long number = 1;; ++number) {
        auto found = tagStore.find(decimalKey(number));
        if (found == tagStore.end()) {
            return records;
        }
        const PlistDictionary* record = found->second.dictionary();
        records.push_back(record ? *record : PlistDictionary{});
    }
}

}  // namespace velmora::store
