#include "device/preferences/deferred_removals.h"

#include <utility>

namespace device::preferences {

void DeferredRemovals::start(const SpecifierList& list)
{
    m_occurrences.clear();
    m_occurrences.reserve(list.size() * 2);
    for (const auto& entry : list) {
        ++m_occurrences[entry.get()].kept;
    }
    m_removedTotal = 0;
    m_active = true;
}

bool DeferredRemovals::removeFirst(const PSSpecifier* entry)
{
    auto found = m_occurrences.find(entry);
    if (found == m_occurrences.end() || found->second.kept == 0) {
        return false;
    }
    --found->second.kept;
    ++found->second.removed;
    ++m_removedTotal;
    return true;
}

void DeferredRemovals::removeAll(const PSSpecifier* entry)
{
    auto found = m_occurrences.find(entry);
    if (found != m_occurrences.end()) {
        m_removedTotal += found->second.kept;
        found->second.removed += std::exchange(found->second.kept, 0);
    }
}

void DeferredRemovals::appended(const PSSpecifier* entry)
{
    ++m_occurrences[entry].kept;
}

void DeferredRemovals::apply(SpecifierList& list)
{
    if (m_removedTotal > 0) {
        auto kept = list.begin();
        for (auto& entry : list) {
            auto& occurrences = m_occurrences[entry.get()];
            if (occurrences.removed > 0) {
                --occurrences.removed;
            } else {
                if (&*kept != &entry) {
                    *kept = std::move(entry);
                }
                ++kept;
            }
        }
        list.erase(kept, list.end());
    }
    discard();
}

void DeferredRemovals::discard()
{
    m_occurrences.clear();
    m_removedTotal = 0;
    m_active = false;
}

}  // namespace device::preferences
