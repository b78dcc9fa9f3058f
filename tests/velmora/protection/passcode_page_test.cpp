#include "tests/velmora/pane/pane_sim.h"

#include "device/uikit/image_view.h"
#include "device/uikit/navigation_controller.h"
#include "device/uikit/text_field.h"

#include <gmock/gmock.h>

namespace velmora::testing {
namespace {

using device::foundation::PlistDictionary;
using store::Store;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;

constexpr const char* kPasscodePage = "tap Velmora\ntap Protection\ntap Passcode\n";
constexpr const char* kOld = "Enter your old passcode";
constexpr const char* kNew = "Enter a new passcode";
constexpr const char* kRepeat = "Enter the new passcode again";

class PasscodePageTest : public PaneSimTest {
protected:
    explicit PasscodePageTest(std::string profile = "phone") : PaneSimTest(std::move(profile)) {}

    // What the prompt on screen says: its title, its button and the labels in view.
    static std::vector<std::string> prompt(const ordered_json& dump)
    {
        return dump["modal"].is_null() ? std::vector<std::string>{}
                                       : dump["modal"]["texts"].get<std::vector<std::string>>();
    }
    static bool vibrated(const ordered_json& dump) { return dump["sounds"] == ordered_json::array({4095}); }
    static ordered_json enableSwitch(const ordered_json& dump) { return rowLabelled(dump["page"], "Enabled")["on"]; }

    std::string storedPasscode() { return store::readString(stored(Store::Protected), "password"); }

    // The pictures of the four indicators of a prompt page, "dot" or "dash".
    std::vector<std::string> indicators(int page)
    {
        auto* sheet = dynamic_cast<device::uikit::UINavigationController*>(m_device.root()->presentedViewController());
        std::vector<std::string> shown;
        if (!sheet) {
            return shown;
        }
        const auto& views = sheet->topViewController()->view()->subviews();
        for (std::size_t i = 1; i <= 4; ++i) {
            auto* indicator = dynamic_cast<device::uikit::UIImageView*>(views.at(5 * static_cast<std::size_t>(page) + i).get());
            std::string path = indicator && indicator->image() ? indicator->image()->sourcePath() : "";
            shown.push_back(path.ends_with("/dot@2x.png") ? "dot" : path.ends_with("/dash@2x.png") ? "dash" : path);
        }
        return shown;
    }
};

TEST_F(PasscodePageTest, AFirstPasscodeIsTypedTwiceAndStoredAsTypedWithItsLeadingZeros)
{
    auto dumps = run(std::string(kPasscodePage) + "tap Change Passcode\ndump\ntype 0070\ndump\ntype 0070\ndump\n");
    ASSERT_EQ(dumps.size(), 3u);
    EXPECT_THAT(prompt(dumps[0]), ElementsAre("Change Passcode", "Cancel", kNew));
    EXPECT_EQ(dumps[0]["modal"]["style"], "fullscreen");
    EXPECT_TRUE(dumps[0]["keyboard"]);
    EXPECT_THAT(prompt(dumps[1]), ElementsAre("Change Passcode", "Cancel", kRepeat));
    EXPECT_EQ(dumps[2]["modal"], nullptr);
    EXPECT_FALSE(dumps[2]["keyboard"]);
    EXPECT_EQ(stored(Store::Protected)["password"], "0070");
}

TEST_F(PasscodePageTest, ChangingAPasscodeAsksForTheOldOneAndRetypesAWrongRepeat)
{
    save(Store::Protected, {{"password", "1234"}, {"Wi-Fi", true}});
    auto dumps = run(std::string(kPasscodePage) + "tap Change Passcode\ndump\ntype 4321\ndump\ntype 1234\ndump\n"
                     + "type 123\nerase\ntype 45\ndump\ntype 1246\ndump\ntype 1245\ndump\n");
    ASSERT_EQ(dumps.size(), 6u);
    EXPECT_THAT(prompt(dumps[0]), Contains(kOld));
    EXPECT_THAT(prompt(dumps[1]), Contains(kOld));
    EXPECT_TRUE(vibrated(dumps[1]));
    EXPECT_THAT(prompt(dumps[2]), Contains(kNew));
    EXPECT_FALSE(vibrated(dumps[2]));
    EXPECT_THAT(prompt(dumps[3]), Contains(kRepeat));
    EXPECT_THAT(prompt(dumps[4]), Contains(kRepeat));
    EXPECT_TRUE(vibrated(dumps[4]));
    EXPECT_EQ(dumps[5]["modal"], nullptr);
    auto protectedStore = stored(Store::Protected);
    EXPECT_EQ(protectedStore["password"], "1245");
    EXPECT_EQ(protectedStore["Wi-Fi"], true);
}

TEST_F(PasscodePageTest, CancellingAtAnyStepKeepsTheStoredPasscodeAndTheNextChangeStartsAfresh)
{
    save(Store::Protected, {{"password", "1234"}});
    auto dumps = run(std::string(kPasscodePage) + "tap Change Passcode\ntype 12\ntap Cancel\ndump\n"
                     + "tap Change Passcode\ntype 1234\ntype 56\ntap Cancel\ndump\n"
                     + "tap Change Passcode\ntype 1234\ntype 5678\ntype 567\ntap Cancel\ndump\n"
                     + "tap Change Passcode\ndump\n");
    ASSERT_EQ(dumps.size(), 4u);
    for (std::size_t closed : {0u, 1u, 2u}) {
        EXPECT_EQ(dumps[closed]["modal"], nullptr) << closed;
        EXPECT_FALSE(dumps[closed]["keyboard"]) << closed;
    }
    EXPECT_THAT(prompt(dumps[3]), Contains(kOld));
    EXPECT_EQ(storedPasscode(), "1234");
}

TEST_F(PasscodePageTest, IndicatorsFollowTypingDeletionsAndWrongCodes)
{
    save(Store::Protected, {{"password", "1234"}});
    run(std::string(kPasscodePage) + "tap Change Passcode\ntype 987\n");
    EXPECT_THAT(indicators(0), ElementsAre("dot", "dot", "dot", "dash"));
    run("erase\n");
    EXPECT_THAT(indicators(0), ElementsAre("dot", "dot", "dash", "dash"));
    run("type 65\n");
    EXPECT_THAT(indicators(0), ElementsAre("dash", "dash", "dash", "dash"));
    EXPECT_EQ(device::uikit::UITextField::firstResponder()->text(), "");
    run("type 1234\ntype 0\n");
    EXPECT_THAT(indicators(1), ElementsAre("dot", "dash", "dash", "dash"));
}

TEST_F(PasscodePageTest, ANonDigitIsNeverPartOfAPasscode)
{
    run(std::string(kPasscodePage) + "tap Change Passcode\ntype 1a2\n");
    device::uikit::UITextField* field = device::uikit::UITextField::firstResponder();
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->text(), "12");
    // A hardware keyboard or a paste reaches the field past the number pad.
    field->insertText("é");
    field->insertText("x");
    EXPECT_EQ(field->text(), "12");
    EXPECT_THAT(indicators(1), ElementsAre("dot", "dot", "dash", "dash"));
    run("type 34\ntype 1234\n");
    EXPECT_EQ(storedPasscode(), "1234");
}

TEST_F(PasscodePageTest, WithoutAPasscodeTheSwitchIsStoredAtOnce)
{
    auto dumps = run(std::string(kPasscodePage) + "toggle Enabled\ndump\ntoggle Enabled\ndump\n");
    ASSERT_EQ(dumps.size(), 2u);
    EXPECT_EQ(dumps[0]["modal"], nullptr);
    EXPECT_EQ(enableSwitch(dumps[0]), true);
    EXPECT_EQ(enableSwitch(dumps[1]), false);
    EXPECT_EQ(stored(Store::Protected)["enable"], false);
}

TEST_F(PasscodePageTest, TheSwitchShowsTheStoredValueAfterACancelledOrFailedPrompt)
{
    save(Store::Protected, {{"password", "0000"}});
    auto dumps = run(std::string(kPasscodePage) + "toggle Enabled\ndump\ntap Cancel\ndump\n"
                     + "toggle Enabled\ntype 1111\ndump\ntap Cancel\ndump\n");
    ASSERT_EQ(dumps.size(), 4u);
    EXPECT_THAT(prompt(dumps[0]), ElementsAre("Enter Passcode", "Cancel", "Enter Passcode"));
    EXPECT_EQ(enableSwitch(dumps[1]), false);
    EXPECT_TRUE(vibrated(dumps[2]));
    EXPECT_EQ(enableSwitch(dumps[3]), false);
    EXPECT_EQ(stored(Store::Protected), (PlistDictionary{{"password", "0000"}}));
}

TEST_F(PasscodePageTest, TheRightPasscodeSwitchesProtectionAndThePageThenAsksForItOnEveryVisit)
{
    save(Store::Protected, {{"password", "0000"}, {"Notes", true}});
    auto dumps = run(std::string(kPasscodePage) + "toggle Enabled\ntype 0000\ndump\nback\ntap Passcode\ndump\n"
                     + "type 0001\ndump\ntype 0000\ndump\nback\ntap Passcode\ntap Cancel\ndump\n");
    ASSERT_EQ(dumps.size(), 5u);
    EXPECT_EQ(dumps[0]["modal"], nullptr);
    EXPECT_EQ(enableSwitch(dumps[0]), true);
    EXPECT_THAT(prompt(dumps[1]), Contains("Enter Passcode"));
    EXPECT_TRUE(vibrated(dumps[2]));
    EXPECT_THAT(prompt(dumps[2]), Contains("Enter Passcode"));
    EXPECT_EQ(dumps[3]["modal"], nullptr);
    EXPECT_EQ(dumps[3]["page"]["title"], "Passcode");
    EXPECT_EQ(dumps[4]["modal"], nullptr);
    EXPECT_EQ(dumps[4]["page"]["title"], "Protection");
    EXPECT_EQ(stored(Store::Protected), (PlistDictionary{{"password", "0000"}, {"Notes", true}, {"enable", true}}));
}

class TabletPasscodePageTest : public PasscodePageTest {
protected:
    TabletPasscodePageTest() : PasscodePageTest("tablet") {}
};

TEST_F(TabletPasscodePageTest, PromptsAreFormSheetsThatShowNothingOfTheHiddenField)
{
    save(Store::Protected, {{"password", "2580"}, {"enable", true}});
    auto dumps = run(std::string(kPasscodePage) + "type 2580\ntap Change Passcode\ntype 2580\ntype 01\ndump\n"
                     + "type 10\ntype 0110\ndump\ntoggle Enabled\ntap Cancel\ndump\n");
    ASSERT_EQ(dumps.size(), 3u);
    EXPECT_EQ(dumps[0]["modal"]["style"], "formsheet");
    EXPECT_THAT(prompt(dumps[0]), ElementsAre("Change Passcode", "Cancel", kNew));
    EXPECT_EQ(dumps[1]["modal"], nullptr);
    EXPECT_EQ(enableSwitch(dumps[2]), true);
    EXPECT_EQ(storedPasscode(), "0110");
}

// Neither the switch nor a new passcode is shown as taken when the store cannot be written: the
// switch shows the store again, the prompt closes on the alert, and the store keeps what it held.
TEST_F(PasscodePageTest, WhatCannotBeStoredIsNotShownAsStored)
{
    run(kPasscodePage);
    auto dumps = runOnFullDisk("toggle Enabled\ndump\ntap OK\n");
    EXPECT_FALSE(exists(store::storePath(Store::Protected)));

    run("tap Change Passcode\ntype 1234\ntype 1234\ntoggle Enabled\n");
    auto withPasscode = stored(Store::Protected);
    for (auto& dump : runOnFullDisk("type 1234\ndump\ntap OK\n")) {
        dumps.push_back(std::move(dump));
    }
    run("tap Change Passcode\ntype 1234\ntype 5678\n");
    for (auto& dump : runOnFullDisk("type 5678\ndump\n")) {
        dumps.push_back(std::move(dump));
    }
    ASSERT_EQ(dumps.size(), 3u);
    for (const auto& dump : dumps) {
        expectNotSaved(dump);
        EXPECT_EQ(dump["modal"], nullptr);
        EXPECT_EQ(enableSwitch(dump), false);
    }
    EXPECT_EQ(stored(Store::Protected), withPasscode);
    EXPECT_EQ(storedPasscode(), "1234");
}

}  // namespace
}  // namespace velmora::testing
