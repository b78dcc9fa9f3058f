#include "tests/velmora/rootlist/swipe_sim.h"

#include <sstream>

namespace velmora::testing {

SwipeSimTest::SwipeSimTest() : PaneSimTest(GetParam())
{
    m_device.writePlist(store::storePath(store::Store::Advanced),
                        device::foundation::PlistDictionary{{"FirstTimez", true}, {"Swipe Actions", true}});
    m_device.writePlist(store::storePath(store::Store::Enabled), device::foundation::PlistDictionary{{"Enabled", true}});
}

std::string SwipeSimTest::screen(const std::string& script)
{
    auto result = testing_support::runSim(m_device.boot(), script);
    EXPECT_EQ(result.exit, 0) << result.err;
    return result.out;
}

const ordered_json& SwipeSimTest::rootPage(const ordered_json& dump)
{
    return dump["master"].is_null() ? dump["page"] : dump["master"];
}

std::vector<std::string> SwipeSimTest::linesWith(const std::string& output, const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(output);
    for (std::string line; std::getline(in, line);) {
        if (line.find(text) != std::string::npos) {
            lines.push_back(line);
        }
    }
    return lines;
}

}  // namespace velmora::testing
