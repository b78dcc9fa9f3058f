#include "tests/velmora/rootlist/swipe_sim.h"

#include "device/uikit/table_view.h"

#include <gmock/gmock.h>

namespace velmora::testing {
namespace {

namespace uikit = device::uikit;
using device::foundation::PlistDictionary;
using store::Store;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

class SwipeActionsTest : public SwipeSimTest {
protected:
    // The root list's cell labelled so, as the screen shows it now.
    uikit::UITableViewCell* cellLabelled(const std::string& label)
    {
        for (auto* cell : m_device.root()->table()->visibleCells()) {
            if (cell->textLabel() && cell->textLabel()->text() == label) {
                return cell;
            }
        }
        return nullptr;
    }
};

TEST_P(SwipeActionsTest, ASwipeUncoversMoreAndHideAgainstTheRowsRightEdge)
{
    std::string out = screen("swipe Wi-Fi left\nshow\n");
    auto open = linesWith(out, "[More] [Hide]");
    ASSERT_EQ(open.size(), 1u) << out;
    EXPECT_THAT(open[0], HasSubstr("Wi-Fi"));

    uikit::UITableViewCell* cell = cellLabelled("Wi-Fi");
    ASSERT_NE(cell, nullptr);
    uikit::CGRect row = cell->frameInWindow();
    uikit::UIView* more = cell->viewWithTag(2000);
    uikit::UIView* hide = cell->viewWithTag(1000);
    ASSERT_TRUE(more && hide);
    EXPECT_EQ(more->frameInWindow(), uikit::CGRectMake(row.maxX() - 150, row.minY(), 75, row.height()));
    EXPECT_EQ(hide->frameInWindow(), uikit::CGRectMake(row.maxX() - 75, row.minY(), 75, row.height()));

    // A finger on the right part of the row now touches Hide.
    uikit::CGPoint centre = hide->center();
    uikit::CGPoint point = hide->superview()->convertPointToWindow(centre);
    screen("tap " + std::to_string(point.x) + " " + std::to_string(point.y) + "\n");
    EXPECT_EQ(stored(Store::Hide), (PlistDictionary{{"Wi-Fi", true}}));
}

TEST_P(SwipeActionsTest, HideTakesTheRowAwayForGood)
{
    auto dumps = run("swipe General left\ntap Hide\ndump\nrelaunch\ndump\n");
    ASSERT_EQ(dumps.size(), 2u);
    for (const auto& dump : dumps) {
        EXPECT_THAT(labelsOf(rootPage(dump)), Not(Contains("General")));
        EXPECT_THAT(labelsOf(rootPage(dump)), Contains("Sounds"));
    }
    EXPECT_EQ(stored(Store::Hide), (PlistDictionary{{"General", true}}));
}

TEST_P(SwipeActionsTest, RemoveForNowLastsUntilTheNextLaunch)
{
    bool phone = GetParam() == "phone";
    auto dumps = run("swipe General left\ntap More\ndump\ntap Remove for Now\ndump\nrelaunch\ndump\n");
    ASSERT_EQ(dumps.size(), 3u);
    EXPECT_EQ(dumps[0]["sheet"]["title"], "Choose an Action");
    auto buttons = dumps[0]["sheet"]["buttons"];
    if (phone) {
        EXPECT_EQ(buttons, ordered_json::parse(R"(["Add to Tag", "Remove for Now", "Cancel"])"));
    } else {
        EXPECT_EQ(buttons, ordered_json::parse(R"(["Add to Tag", "Remove for Now"])"));
    }
    EXPECT_THAT(labelsOf(rootPage(dumps[1])), Not(Contains("General")));
    EXPECT_TRUE(dumps[1]["sheet"].is_null());
    EXPECT_THAT(labelsOf(rootPage(dumps[2])), Contains("General"));
    EXPECT_THAT(stored(Store::Hide), IsEmpty());
    EXPECT_THAT(stored(Store::Temp), IsEmpty());
}

// A swipe across such a row is an ordinary touch on it: the row neither slides nor shows buttons.
TEST_P(SwipeActionsTest, SystemEntriesAndTagFoldersKeepStill)
{
    save(Store::Tag, {{"1", PlistDictionary{{"Name", "Work"}, {"Icon", ""}, {"Sounds", true}}}});
    for (const std::string name : {"Bluetooth", "iCloud", "Work", "Velmora"}) {
        screen("relaunch\nswipe " + name + " left\n");
        uikit::UITableViewCell* cell = cellLabelled(name);
        ASSERT_NE(cell, nullptr) << name;
        EXPECT_EQ(cell->viewWithTag(1000), nullptr) << name;
        EXPECT_EQ(cell->viewWithTag(2000), nullptr) << name;
        EXPECT_THAT(cell->gestureRecognizers(), IsEmpty()) << name;
        EXPECT_EQ(static_cast<uikit::UIScrollView*>(cell->contentView())->contentOffset().x, 0) << name;
    }
    EXPECT_THAT(stored(Store::Hide), IsEmpty());
}

TEST_P(SwipeActionsTest, OneRowIsOpenAtATime)
{
    std::string out = screen("swipe Wi-Fi left\nswipe General left\nshow\n");
    auto open = linesWith(out, "[More] [Hide]");
    ASSERT_EQ(open.size(), 1u) << out;
    EXPECT_THAT(open[0], HasSubstr("General"));

    out = screen("swipe General right\nshow\n");
    EXPECT_THAT(linesWith(out, "[More]"), IsEmpty()) << out;

    // Pulled further than both buttons, the row snaps back to show exactly both.
    out = screen("swipe Sounds left 300\nshow\n");
    open = linesWith(out, "[More] [Hide]");
    ASSERT_EQ(open.size(), 1u) << out;
    EXPECT_THAT(open[0], HasSubstr("Sounds"));
    EXPECT_EQ(static_cast<uikit::UIScrollView*>(cellLabelled("Sounds")->contentView())->contentOffset().x, 150);
}

TEST_P(SwipeActionsTest, WithTheOptionOffRowsHaveNoButtons)
{
    save(Store::Advanced, {{"FirstTimez", true}, {"Swipe Actions", false}});
    std::string out = screen("relaunch\nswipe Wi-Fi left\nshow\n");
    EXPECT_THAT(linesWith(out, "[More]"), IsEmpty()) << out;
    EXPECT_EQ(cellLabelled("Wi-Fi")->viewWithTag(1000), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Profiles, SwipeActionsTest, ::testing::Values("phone", "tablet"));

TEST_P(SwipeActionsTest, AHideOrATagThatCannotBeStoredLeavesTheRowAndSaysSo)
{
    save(Store::Tag, {{"1", PlistDictionary{{"Name", "Work"}}}});
    run("relaunch\n");
    auto tags = stored(Store::Tag);
    auto dumps = runOnFullDisk("swipe General left\ntap Hide\ndump\ntap OK\nswipe General left\ntap More\n"
                               "tap Add to Tag\ntap Work\ndump\n");
    ASSERT_EQ(dumps.size(), 2u);
    for (const auto& dump : dumps) {
        expectNotSaved(dump);
        EXPECT_THAT(labelsOf(rootPage(dump)), Contains("General"));
    }
    EXPECT_EQ(dumps[1]["modal"], nullptr);
    EXPECT_THAT(stored(Store::Hide), IsEmpty());
    EXPECT_EQ(stored(Store::Tag), tags);
}

}  // namespace
}  // namespace velmora::testing
