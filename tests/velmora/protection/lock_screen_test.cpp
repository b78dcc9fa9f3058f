#include "tests/velmora/pane/pane_sim.h"

#include "device/uikit/application.h"
#include "device/uikit/label.h"
#include "device/uikit/touchscreen.h"
#include "device/uikit/view_controller.h"

#include <gmock/gmock.h>

namespace velmora::testing {
namespace {

using device::foundation::PlistDictionary;
using store::Store;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;

constexpr const char* kRightCode = "tap 1\ntap 2\ntap 3\ntap 0\n";

struct ListShape {
    std::string name;
    PlistDictionary hidden;
    PlistDictionary order;
};

// Shapes in which a section of the root list does not open with a group entry.
std::vector<ListShape> listShapes()
{
    return {
        {"grouped", {}, {}},
        {"dividers hidden", {{"Hide Dividers", true}}, {}},
        {"entries before the first group",
         {},
         {{"0", "General"}, {"1", "com.apple.Music"}, {"2", "CONNECTIVITY"}, {"3", "AIRPLANE_MODE"}, {"4", "WIFI"}}},
        {"dividers hidden and a stored order",
         {{"Hide Dividers", true}},
         {{"0", "Privacy"}, {"1", "WIFI"}, {"2", "General"}}},
    };
}


class LockScreenTest : public PaneSimTest {
protected:
    explicit LockScreenTest(std::string profile = "phone") : PaneSimTest(std::move(profile)) {}

    void protect(const std::vector<std::string>& names, const std::string& password = "1230")
    {
        PlistDictionary contents{{"enable", true}, {"password", password}};
        for (const auto& name : names) {
            contents[name] = true;
        }
        save(Store::Protected, contents);
    }

    static bool locked(const ordered_json& dump)
    {
        return !dump["modal"].is_null() && dump["modal"]["style"] == "fullscreen"
               && dump["modal"]["texts"].size() > 0 && dump["modal"]["texts"][0] == "Enter Passcode";
    }

    // Every protected entry asks for the passcode and, given it, opens itself and nothing else; an entry beside
    // them opens at once.
    void expectEveryProtectedEntryGuarded(const std::vector<std::string>& guarded, const std::string& leave)
    {
        protect(guarded);
        for (const ListShape& shape : listShapes()) {
            SCOPED_TRACE(shape.name);
            save(Store::Hide, shape.hidden);
            save(Store::Position, shape.order);
            std::string script = "relaunch\n";
            for (const auto& name : guarded) {
                script += "tap " + name + "\ndump\n" + kRightCode + "dump\n" + leave;
            }
            script += "tap Bluetooth\ndump\n";
            auto dumps = run(script);
            ASSERT_EQ(dumps.size(), 2 * guarded.size() + 1);
            for (std::size_t i = 0; i < guarded.size(); ++i) {
                EXPECT_TRUE(locked(dumps[2 * i])) << guarded[i] << ": " << dumps[2 * i].dump();
                EXPECT_NE(dumps[2 * i]["page"]["title"], guarded[i]);
                EXPECT_TRUE(dumps[2 * i + 1]["modal"].is_null()) << guarded[i];
                EXPECT_EQ(dumps[2 * i + 1]["page"]["title"], guarded[i]);
            }
            EXPECT_TRUE(dumps.back()["modal"].is_null());
            EXPECT_EQ(dumps.back()["page"]["title"], "Bluetooth");
        }
    }
};

class TabletLockScreenTest : public LockScreenTest {
protected:
    TabletLockScreenTest() : LockScreenTest("tablet") {}
};

TEST_F(LockScreenTest, ProtectedEntriesOpenOnlyWithTheRightCodeInEveryShapeOfTheList)
{
    expectEveryProtectedEntryGuarded({"Wi-Fi", "General", "Privacy", "Music"}, "back\n");
}

// A tablet's screen takes long to frost, so it checks the rows the shapes move most: the list's first and one
// put before the first group.
TEST_F(TabletLockScreenTest, ProtectedEntriesOpenOnlyWithTheRightCodeInEveryShapeOfTheList)
{
    expectEveryProtectedEntryGuarded({"Wi-Fi", "General"}, "");
}

TEST_F(LockScreenTest, TheNextTapAfterAnUnlockAsksAgain)
{
    protect({"General"});
    auto dumps = run(std::string("tap General\n") + kRightCode + "back\ntap General\ndump\n");
    ASSERT_EQ(dumps.size(), 1u);
    EXPECT_TRUE(locked(dumps[0]));
}

TEST_F(LockScreenTest, ProtectionAppliesOnlyWhileEnabledWithAPasscode)
{
    save(Store::Protected, {{"enable", false}, {"password", "1230"}, {"General", true}});
    auto off = run("tap General\ndump\n");
    save(Store::Protected, {{"enable", true}, {"password", ""}, {"General", true}});
    auto noPasscode = run("back\ntap General\ndump\n");
    save(Store::Enabled, {{"Enabled", false}});
    save(Store::Protected, {{"enable", true}, {"password", "1230"}, {"General", true}});
    auto masterOff = run("back\nrelaunch\ntap General\ndump\n");
    for (const auto* dumps : {&off, &noPasscode}) {
        ASSERT_EQ(dumps->size(), 1u);
        EXPECT_TRUE((*dumps)[0]["modal"].is_null());
        EXPECT_EQ((*dumps)[0]["page"]["title"], "General");
    }
    ASSERT_EQ(masterOff.size(), 1u);
    EXPECT_TRUE(locked(masterOff[0]));
}

TEST_F(LockScreenTest, AWrongCodeVibratesAndLeavesTheLockScreenReadingCancel)
{
    protect({"General"});
    auto dumps = run("tap General\ntap 1\ndump\ntap 2\ntap 3\ntap 4\ndump\ntap Cancel\ndump\n");
    ASSERT_EQ(dumps.size(), 3u);
    EXPECT_THAT(dumps[0]["sounds"], ElementsAre(1104));
    EXPECT_THAT(dumps[0]["modal"]["texts"], Contains("Delete"));
    EXPECT_THAT(dumps[1]["sounds"], ElementsAre(1104, 4095));
    EXPECT_TRUE(locked(dumps[1]));
    EXPECT_THAT(dumps[1]["modal"]["texts"], Contains("Cancel"));
    EXPECT_THAT(dumps[1]["modal"]["texts"], Not(Contains("Delete")));
    EXPECT_TRUE(dumps[2]["modal"].is_null());
    EXPECT_NE(dumps[2]["page"]["title"], "General");
}

TEST_F(LockScreenTest, TheLabelDeletesTypedDigitsBeforeItCancels)
{
    protect({"General"});
    auto dumps = run("tap General\ntap 1\ntap 2\ndump\ntap Delete\ndump\ntap Delete\ndump\ntap Cancel\ndump\n"
                     "tap General\ntap 1\ntap Delete\n" + std::string(kRightCode) + "dump\n");
    ASSERT_EQ(dumps.size(), 5u);
    EXPECT_THAT(dumps[0]["modal"]["texts"], Contains("Delete"));
    EXPECT_THAT(dumps[1]["modal"]["texts"], Contains("Delete"));
    EXPECT_THAT(dumps[2]["modal"]["texts"], Contains("Cancel"));
    EXPECT_TRUE(dumps[3]["modal"].is_null());
    EXPECT_NE(dumps[3]["page"]["title"], "General");
    EXPECT_EQ(dumps[4]["page"]["title"], "General");
}

TEST_F(LockScreenTest, AStoredPasscodeOfAnotherLengthNeverMatches)
{
    protect({"General"}, "12300");
    auto dumps = run(std::string("tap General\n") + kRightCode + "dump\n");
    ASSERT_EQ(dumps.size(), 1u);
    EXPECT_TRUE(locked(dumps[0]));
    EXPECT_THAT(dumps[0]["sounds"], Contains(4095));
}

// The dots of a wrong code swing left and right and come to rest where they started, emptied.
TEST_F(LockScreenTest, AWrongCodeShakesTheDotsBackToTheirPlaces)
{
    namespace uikit = device::uikit;
    protect({"General"});
    run("tap General\ntap 1\ntap 2\ntap 3\n");
    uikit::UIViewController* lock = m_device.root()->presentedViewController();
    ASSERT_NE(lock, nullptr);
    uikit::UIView& content = *lock->childViewControllers().front()->view();
    uikit::UIView& firstDot = *content.subviews()[3];
    uikit::UIView& key4 = *content.subviews()[7 + 3];
    ASSERT_EQ(static_cast<uikit::UILabel&>(*key4.subviews()[0]).text(), "4");
    std::vector<double> rests;
    for (std::size_t i = 3; i < 7; ++i) {
        rests.push_back(content.subviews()[i]->frame().origin.x);
    }
    double rest = rests.front();
    EXPECT_EQ(firstDot.layer().borderWidth, 0);

    uikit::Touchscreen screen;
    screen.tap(key4.convertPointToWindow({38, 38}));
    EXPECT_THAT(uikit::UIApplication::sharedApplication().takeSounds(), ElementsAre(1104, 4095));
    EXPECT_DOUBLE_EQ(firstDot.frame().origin.x, rest - 50);
    m_device.device().advance(0.1);
    EXPECT_DOUBLE_EQ(firstDot.frame().origin.x, rest + 40);
    m_device.device().advance(1);
    for (std::size_t i = 3; i < 7; ++i) {
        EXPECT_DOUBLE_EQ(content.subviews()[i]->frame().origin.x, rests[i - 3]);
        EXPECT_EQ(content.subviews()[i]->layer().borderWidth, 1.5);
        EXPECT_EQ(content.subviews()[i]->backgroundColor(), uikit::UIColor::clearColor());
    }
    EXPECT_EQ(m_device.root()->presentedViewController(), lock);
}

}  // namespace
}  // namespace velmora::testing
