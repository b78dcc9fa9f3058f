#pragma once

#include "device/foundation/plist_value.h"
#include "device/preferences/specifier.h"

#include <string>
#include <vector>

namespace velmora::rootlist {

// What a rebuild reads from the stores. Nothing writes a store while the root list rebuilds, so
// reading each store once per rebuild gives what reading it at every test would.
struct RebuildSettings {
    bool masterSwitch = false;
    bool dividersHidden = false;
    bool tweaksInPane = false;
    bool tagsInPane = false;
    bool animate = false;
    bool pullToRefresh = false;
    bool swipeCells = false;
    std::string entryTitle;
    device::foundation::PlistDictionary hideStore;
    std::vector<device::foundation::PlistDictionary> tags;

    static RebuildSettings read();

    bool isHidden(const device::preferences::PSSpecifier& entry) const;
};

// The boolean a store keeps under an entry's name; an entry without a name has none.
bool entryFlag(const device::foundation::PlistDictionary& store, const device::preferences::PSSpecifier& entry);

}  // namespace velmora::rootlist
