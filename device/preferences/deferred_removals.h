#pragma once

#include "device/preferences/specifier.h"

#include <unordered_map>

namespace device::preferences {

// Removals from a list of entries, counted per entry and carried out in one pass when the list is
// next read, so that a page which takes hundreds of rows away one at a time does not search and
// shift the whole list for each. Removals take an entry's earliest occurrences and appends go last,
// so an entry's removed occurrences are always its first ones in the list.
class DeferredRemovals {
public:
    bool active() const { return m_active; }
    // Starts counting from the list as it stands.
    void start(const SpecifierList& list);
    // Whether an occurrence was left to remove.
    bool removeFirst(const PSSpecifier* entry);
    void removeAll(const PSSpecifier* entry);
    void appended(const PSSpecifier* entry);
    // Carries the removals out and stops counting.
    void apply(SpecifierList& list);
    void discard();

private:
    struct Occurrences {
        std::size_t kept = 0;
        std::size_t removed = 0;
    };

    bool m_active = false;
    std::size_t m_removedTotal = 0;
    std::unordered_map<const PSSpecifier*, Occurrences> m_occurrences;
};

}  // namespace device::preferences
