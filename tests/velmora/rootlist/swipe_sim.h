#pragma once

#include "tests/velmora/pane/pane_sim.h"

#include <string>
#include <vector>

namespace velmora::testing {

// The app with swipe actions on, on the profile given as the test's parameter.
class SwipeSimTest : public PaneSimTest, public ::testing::WithParamInterface<std::string> {
protected:
    SwipeSimTest();

    // What the script printed; every command must succeed.
    std::string screen(const std::string& script);
    // The root list of a dump: beside the page on a tablet, the page itself on a phone.
    static const ordered_json& rootPage(const ordered_json& dump);
    // The printed lines that hold text.
    static std::vector<std::string> linesWith(const std::string& output, const std::string& text);
};

}  // namespace velmora::testing
