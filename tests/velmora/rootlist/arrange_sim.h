#pragma once

#include "tests/velmora/pane/pane_sim.h"

#include <string>
#include <vector>

namespace velmora::testing {

using device::foundation::PlistDictionary;
using store::Store;
using Sections = std::vector<std::vector<std::string>>;

// The root list arranged and sorted by touch in the simulator, read back from the position store and
// from the screen.
class ArrangeSimTest : public PaneSimTest {
protected:
    explicit ArrangeSimTest(std::string profile);

    // Writes a store before the device boots.
    void prepare(store::Store which, const device::foundation::PlistDictionary& contents);
    // A small host list with named dividers, so that a tablet's trailing group rows can be named:
    // [One] Alpha Bravo Charlie [Two] Delta Echo [Three] Foxtrot.
    void useSmallList();
    // The stored order place by place; a key missing between "0" and the last fails the test.
    std::vector<std::string> storedOrder() const;
    bool orderStored() const;
    // The root list of a dump: the page on a phone, the list beside it on a tablet.
    const ordered_json& rootPage(const ordered_json& dump) const;
    static Sections sectionsOf(const ordered_json& page);
    // A sheet page's sections without the group rows that end them.
    static Sections withoutTrailingGroups(Sections sections);
    static void move(Sections& sections, const std::string& row, std::size_t section, std::size_t place);
};

}  // namespace velmora::testing
