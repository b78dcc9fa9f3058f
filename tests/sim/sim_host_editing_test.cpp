#include "tests/sim/sim_run.h"
#include "tests/support/booted_device.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using device::foundation::PlistDictionary;
using nlohmann::ordered_json;
using testing::HasSubstr;
using testing_support::BootedDevice;
using testing_support::jsonLines;
using testing_support::labelsOf;
using testing_support::Library;
using testing_support::rowLabelled;
using testing_support::runSim;

namespace {

constexpr std::string_view kOpenKeyboards = "scroll 300\ntap General\nscroll 200\ntap Keyboard\ntap Keyboards\n";

std::string storePath(std::string_view shortName)
{
    return "/var/mobile/Library/Preferences/com.corvane.velmora." + std::string(shortName) + ".plist";
}

}  // namespace

TEST(SimHostEditing, TheNameTypedInAboutIsKeptWhenEditingEnds)
{
    BootedDevice phone("phone", Library::None);
    auto run = runSim(phone.boot(), "scroll 300\ntap General\ntap About\ntap Name\nerase 6\ntype Velmora Phone\n"
                                    "erase 2\ndump\nexpect Velmora Pho▏\ntap return\ndump\n"
                                    "tap Name\ntype !\nback\ndump\ntap About\ndump");
    ASSERT_EQ(run.exit, 0) << run.err << run.out;
    auto lines = jsonLines(run.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(rowLabelled(lines[0]["page"], "Name")["value"], "Velmora Pho");
    EXPECT_EQ(rowLabelled(lines[0]["page"], "Name")["kind"], "edit");
    EXPECT_EQ(lines[0]["keyboard"], true);
    EXPECT_EQ(lines[1]["keyboard"], false) << "the return key ends editing";
    EXPECT_EQ(rowLabelled(lines[1]["page"], "Name")["value"], "Velmora Pho");
    EXPECT_EQ(lines[2]["page"]["title"], "General");
    EXPECT_EQ(lines[2]["keyboard"], false) << "leaving the page ends editing";
    EXPECT_EQ(rowLabelled(lines[3]["page"], "Name")["value"], "Velmora Pho!") << "kept when the page opens again";
}

TEST(SimHostEditing, TheKeyboardsListIsReorderedAndDeletedInEditingMode)
{
    BootedDevice phone("phone", Library::None);
    auto run = runSim(phone.boot(), std::string(kOpenKeyboards)
                                        + "dump\ntap Edit\ndrag Emoji to English\ndump\ndelete Spanish\ndump\n"
                                          "tap Done\nback\ntap Keyboards\ndump");
    ASSERT_EQ(run.exit, 0) << run.err << run.out;
    auto lines = jsonLines(run.out);
    ASSERT_EQ(lines.size(), 4u);
    using Labels = std::vector<std::string>;
    EXPECT_EQ(labelsOf(lines[0]["page"]), (Labels{"English", "Spanish", "Emoji"}));
    EXPECT_EQ(lines[0]["page"]["right"], "Edit");
    EXPECT_EQ(lines[1]["page"]["editing"], true);
    EXPECT_EQ(lines[1]["page"]["right"], "Done");
    EXPECT_EQ(labelsOf(lines[1]["page"]), (Labels{"Emoji", "English", "Spanish"}));
    EXPECT_EQ(labelsOf(lines[2]["page"]), (Labels{"Emoji", "English"}));
    EXPECT_EQ(lines[3]["page"]["editing"], false);
    EXPECT_EQ(labelsOf(lines[3]["page"]), (Labels{"Emoji", "English"})) << "the list stays as arranged";
}

TEST(SimHostEditing, ARowSwipedLeftOffersDeleteAndATapOnItDeletes)
{
    BootedDevice phone("phone", Library::None);
    auto run = runSim(phone.boot(), std::string(kOpenKeyboards)
                                        + "expect-not Delete\nswipe Spanish left\nexpect [Delete]\ndump\ntap Delete\n"
                                          "dump\nexpect-not Delete");
    ASSERT_EQ(run.exit, 0) << run.err << run.out;
    auto lines = jsonLines(run.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]["page"]["editing"], false);
    EXPECT_EQ(labelsOf(lines[1]["page"]), (std::vector<std::string>{"English", "Emoji"}));
}

TEST(SimHostEditing, PullingTheRootListRebuildsItWhenThePullOptionIsOn)
{
    BootedDevice phone("phone", Library::Linked);
    phone.writePlist(storePath("enabled"), PlistDictionary{{"Enabled", true}});
    phone.writePlist(storePath("advanced"), PlistDictionary{{"Pull to Refresh", true}, {"FirstTimez", true}});
    auto& device = phone.boot();
    auto before = runSim(device, "dump");
    ASSERT_EQ(before.exit, 0) << before.err;
    EXPECT_NE(rowLabelled(jsonLines(before.out).at(0)["page"], "Bluetooth"), nullptr);

    phone.writePlist(storePath("hide"), PlistDictionary{{"Bluetooth", true}});
    auto run = runSim(device, "dump\npull\ndump");
    ASSERT_EQ(run.exit, 0) << run.err;
    auto lines = jsonLines(run.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(rowLabelled(lines[0]["page"], "Bluetooth"), nullptr) << "the store alone changes nothing on screen";
    EXPECT_EQ(rowLabelled(lines[1]["page"], "Bluetooth"), nullptr);
    EXPECT_NE(rowLabelled(lines[1]["page"], "Wi-Fi"), nullptr);
}
