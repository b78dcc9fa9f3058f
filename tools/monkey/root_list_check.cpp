#include "monkey/root_list_check.h"

#include <set>

namespace monkey {

std::vector<std::string> entriesShownTwice(device::preferences::PSListController& rootList)
{
    std::set<std::string> seen;
    std::vector<std::string> twice;
    for (const auto& entry : rootList.specifiers()) {
        auto key = entry->identifier();
        if (entry->isGroup() || !key) {
            continue;
        }
        if (!seen.insert(*key).second) {
            twice.push_back(entry->name().value_or(*key));
        }
    }
    return twice;
}

}  // namespace monkey
