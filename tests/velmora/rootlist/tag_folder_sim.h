#pragma once

#include "tests/velmora/pane/pane_sim.h"

#include <gmock/gmock.h>

#include <string>

namespace velmora::testing {

inline constexpr const char* kMail = "Mail, Contacts, Calendars";

// A device, phone or tablet, with a tag "Apps" holding Maps, Music and Mail, plus two members it
// never shows: Safari, hidden, and iCloud, the entry kept out of tags. Wi-Fi is in the tag "Net".
class TagFolderSimTest : public PaneSimTest, public ::testing::WithParamInterface<std::string> {
protected:
    TagFolderSimTest() : PaneSimTest(GetParam())
    {
        save(store::Store::Enabled, {{"Enabled", true}});
        save(store::Store::Advanced, {{"FirstTimez", true}, {"Search in Tags", true}});
        save(store::Store::Hide, {{"Safari", true}});
        save(store::Store::Tag,
             {{"1", device::foundation::PlistDictionary{{"Name", "Apps"}, {"Maps", true}, {"Music", true},
                                                         {kMail, true}, {"Safari", true}, {"iCloud", true}}},
              {"2", device::foundation::PlistDictionary{{"Name", "Net"}, {"Wi-Fi", true}}}});
    }

    bool onTablet() const { return GetParam() == "tablet"; }
    // The root list as a dump shows it: the page itself on a phone, beside the page on a tablet.
    const ordered_json& rootOf(const ordered_json& dump) const { return onTablet() ? dump["master"] : dump["page"]; }
    device::foundation::PlistDictionary appsRecord() const { return *stored(store::Store::Tag)["1"].dictionary(); }
    device::foundation::PlistDictionary appsOrder() const { return storedAt(store::tagPositionStorePath("Apps")); }
};

}  // namespace velmora::testing
