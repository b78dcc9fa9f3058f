#include "tests/sim/sim_run.h"
#include "tests/support/booted_device.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using nlohmann::ordered_json;
using testing::HasSubstr;
using testing_support::BootedDevice;
using testing_support::jsonLines;
using testing_support::rowLabelled;
using testing_support::Library;
using testing_support::runSim;

TEST(SimTouch, TappingAnEntryPushesItsPageBackReturnsAndScrollingRevealsRowsBelow)
{
    BootedDevice phone("phone", Library::None);
    auto run = runSim(phone.boot(), "tap Wi-Fi\ndump\nback\ndump\nscroll 300\ntap General\ndump");
    ASSERT_EQ(run.exit, 0) << run.err;
    auto lines = jsonLines(run.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0]["page"]["title"], "Wi-Fi");
    EXPECT_EQ(lines[0]["page"]["back"], "Settings");
    EXPECT_EQ(lines[1]["page"]["title"], "Settings");
    EXPECT_EQ(lines[1]["page"]["back"], nullptr);
    EXPECT_EQ(lines[2]["page"]["title"], "General");
}

TEST(SimTouch, ToggleFlipsTheSwitchOfTheRow)
{
    BootedDevice phone("phone", Library::None);
    auto run = runSim(phone.boot(), "toggle Airplane Mode\ndump\ntoggle \"Airplane Mode\"\ndump");
    ASSERT_EQ(run.exit, 0) << run.err;
    auto lines = jsonLines(run.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(rowLabelled(lines[0]["page"], "Airplane Mode")["on"], true);
    EXPECT_EQ(rowLabelled(lines[1]["page"], "Airplane Mode")["on"], false);
}

TEST(SimTouch, TappingDoneClosesTheSetUpScreenOfAFreshDevice)
{
    BootedDevice phone("phone", Library::Linked);
    auto run = runSim(phone.boot(), "dump\ntap Done\ndump");
    ASSERT_EQ(run.exit, 0) << run.err;
    auto lines = jsonLines(run.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0]["modal"], nullptr);
    EXPECT_EQ(lines[1]["modal"], nullptr);
    EXPECT_NE(rowLabelled(lines[1]["page"], "Airplane Mode"), nullptr);
}

TEST(SimTouch, TargetsThatAreNotOnScreenExitWithTwo)
{
    BootedDevice phone("phone", Library::None);
    auto& device = phone.boot();
    struct Case {
        std::string_view script;
        std::string_view message;
    };
    for (const auto& [script, message] : std::initializer_list<Case>{
             {"echo first\ntap Nowhere To Be Seen",
              "test, line 2: tap: nothing on screen shows \"Nowhere To Be Seen\""},
             {"tap Wi-Fi #2", "test, line 1: tap: 1 element(s) on screen show \"Wi-Fi\", not 2"},
             {"toggle Wi-Fi", "test, line 1: toggle: the row \"Wi-Fi\" has no switch"},
             {"toggle Flashlight", "test, line 1: toggle: no row on screen is labelled \"Flashlight\""},
             {"back", "test, line 1: back: the navigation bar shows no back button"},
             {"type hello", "test, line 1: type: no text field has the focus"},
             {"erase 3", "test, line 1: erase: no text field has the focus"},
             {"delete Wi-Fi", "test, line 1: delete: the row \"Wi-Fi\" cannot be deleted"},
         }) {
        auto result = runSim(device, script);
        EXPECT_EQ(result.exit, 2) << script;
        EXPECT_THAT(result.err, HasSubstr(message)) << script;
    }
    auto missing = runSim(device, "tap Nowhere");
    EXPECT_THAT(missing.err, HasSubstr("On screen:"));
    EXPECT_THAT(missing.err, HasSubstr("\"Airplane Mode\""));
}
