#include "velmora/rootlist/arrange_order.h"

#include "velmora/store/store.h"

#include "device/preferences/specifier.h"

#include <algorithm>
#include <string>

namespace velmora::rootlist {

namespace {

using core::EntryList;
using device::foundation::PlistDictionary;

const EntryList* sectionOf(const core::SharedState& state, long section)
{
    auto found = state.sectionMap.find(store::decimalKey(section));
    return found == state.sectionMap.end() ? nullptr : &found->second;
}

core::Entry groupAt(const EntryList& list, long index)
{
    for (const core::Entry& entry : list) {
        if (entry->isGroup() && index-- == 0) {
            return entry;
        }
    }
    return nullptr;
}

// An entry without an identifier cannot be named in the order, and leaves no gap in it either.
void append(PlistDictionary& order, const core::Entry& entry)
{
    if (auto identifier = entry->identifier()) {
        order[store::decimalKey(static_cast<long>(order.size()))] = *identifier;
    }
}

}  // namespace

void showLeadingRows(core::SharedState& state)
{
    const EntryList* leading = sectionOf(state, -1);
    if (!leading || std::none_of(leading->begin(), leading->end(), [](const auto& e) { return !e->isGroup(); })) {
        return;
    }
    std::map<std::string, EntryList> shifted;
    for (auto& [key, entries] : state.sectionMap) {
        shifted[store::decimalKey(std::stol(key) + 1)] = std::move(entries);
    }
    state.sectionMap = std::move(shifted);
}

PlistDictionary phoneOrder(const core::SharedState& state)
{
    PlistDictionary order;
    for (long s = 0; s < state.sectionCount; ++s) {
        const EntryList* entries = sectionOf(state, s);
        if (!entries || entries->empty()) {
            continue;
        }
        for (const core::Entry& entry : *entries) {
            append(order, entry);
        }
        if (core::Entry group = groupAt(state.listSnapshot, s)) {
            append(order, group);
        }
    }
    return order;
}

PlistDictionary tabletOrder(const core::SharedState& state)
{
    PlistDictionary order;
    for (long s = 0; s < state.sectionCount; ++s) {
        if (const EntryList* entries = sectionOf(state, s)) {
            for (const core::Entry& entry : *entries) {
                append(order, entry);
            }
        }
    }
    return order;
}

}  // namespace velmora::rootlist
