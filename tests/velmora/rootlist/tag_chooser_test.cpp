#include "tests/velmora/rootlist/swipe_sim.h"

#include <gmock/gmock.h>

namespace velmora::testing {
namespace {

using device::foundation::PlistDictionary;
using store::Store;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;

constexpr const char* kOpenChooser = "swipe General left\ntap More\ntap Add to Tag\n";

class TagChooserTest : public SwipeSimTest {
protected:
    const PlistDictionary kWork{{"Name", "Work"}, {"Icon", ""}, {"Mail, Contacts, Calendars", true}};
    const PlistDictionary kPlay{{"Name", "Play"}, {"Icon", ""}};
};

TEST_P(TagChooserTest, PickingATagFilesTheEntryIntoItAndTakesItOffTheList)
{
    save(Store::Tag, {{"1", kWork}, {"2", kPlay}});
    auto dumps = run(std::string("relaunch\n") + kOpenChooser + "dump\ntap Play\ndump\nrelaunch\ndump\n");
    ASSERT_EQ(dumps.size(), 3u);
    auto chooser = dumps[0]["modal"];
    ASSERT_FALSE(chooser.is_null());
    EXPECT_EQ(chooser["style"], "fullscreen");
    EXPECT_EQ(chooser["texts"], ordered_json::parse(R"(["Choose a Tag", "Cancel", "Work", "Play"])"));

    EXPECT_TRUE(dumps[1]["modal"].is_null());
    EXPECT_THAT(labelsOf(rootPage(dumps[1])), Not(Contains("General")));
    EXPECT_THAT(labelsOf(rootPage(dumps[2])), Not(Contains("General")));
    EXPECT_THAT(labelsOf(rootPage(dumps[2])), Contains("Play"));

    PlistDictionary play = kPlay;
    play["General"] = true;
    EXPECT_EQ(stored(Store::Tag), (PlistDictionary{{"1", kWork}, {"2", play}}));
    EXPECT_THAT(stored(Store::Hide), IsEmpty());
}

TEST_P(TagChooserTest, TheCancelRowChangesNothing)
{
    save(Store::Tag, {{"1", kWork}});
    auto dumps = run(std::string("relaunch\n") + kOpenChooser + "tap Cancel\ndump\n");
    ASSERT_EQ(dumps.size(), 1u);
    EXPECT_TRUE(dumps[0]["modal"].is_null());
    EXPECT_THAT(labelsOf(rootPage(dumps[0])), Contains("General"));
    EXPECT_EQ(stored(Store::Tag), (PlistDictionary{{"1", kWork}}));
}

// Rows run from tag 1 to the first missing number: a record past a gap is neither shown nor written.
TEST_P(TagChooserTest, AStoreWithAGapListsTheTagsBeforeIt)
{
    save(Store::Tag, {{"1", kWork}, {"3", kPlay}});
    auto dumps = run(std::string("relaunch\n") + kOpenChooser + "dump\ntap Work\ndump\n");
    ASSERT_EQ(dumps.size(), 2u);
    EXPECT_EQ(dumps[0]["modal"]["texts"], ordered_json::parse(R"(["Choose a Tag", "Cancel", "Work"])"));
    PlistDictionary work = kWork;
    work["General"] = true;
    EXPECT_EQ(stored(Store::Tag), (PlistDictionary{{"1", work}, {"3", kPlay}}));
}

TEST_P(TagChooserTest, WithoutTagsOnlyTheCancelRowShows)
{
    auto dumps = run(std::string(kOpenChooser) + "dump\ntap Cancel\ndump\n");
    ASSERT_EQ(dumps.size(), 2u);
    EXPECT_EQ(dumps[0]["modal"]["texts"], ordered_json::parse(R"(["Choose a Tag", "Cancel"])"));
    EXPECT_TRUE(dumps[1]["modal"].is_null());
    EXPECT_THAT(stored(Store::Tag), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Profiles, TagChooserTest, ::testing::Values("phone", "tablet"));

}  // namespace
}  // namespace velmora::testing
