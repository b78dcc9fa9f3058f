#include "tests/velmora/rootlist/arrange_sim.h"
#include "tests/velmora/support/library_test.h"

#include "device/objc/message.h"
#include "device/uikit/action_sheet.h"

#include "device/foundation/file_manager.h"

#include <gmock/gmock.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>

namespace velmora::testing {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;

// A file that nobody, root included, may delete while this lives.
class ImmutableFile {
public:
    explicit ImmutableFile(const std::filesystem::path& path) : m_fd(::open(path.c_str(), O_RDONLY))
    {
        m_set = m_fd >= 0 && setImmutable(true);
    }
    ~ImmutableFile()
    {
        if (m_set) {
            setImmutable(false);
        }
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    ImmutableFile(const ImmutableFile&) = delete;
    ImmutableFile& operator=(const ImmutableFile&) = delete;
    explicit operator bool() const { return m_set; }

private:
    bool setImmutable(bool on)
    {
        int flags = 0;
        if (::ioctl(m_fd, FS_IOC_GETFLAGS, &flags) != 0) {
            return false;
        }
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        return ::ioctl(m_fd, FS_IOC_SETFLAGS, &flags) == 0;
    }

    int m_fd;
    bool m_set = false;
};

class PhoneSortTest : public ArrangeSimTest {
protected:
    PhoneSortTest() : ArrangeSimTest("phone") {}
};

class TabletSortTest : public ArrangeSimTest {
protected:
    TabletSortTest() : ArrangeSimTest("tablet") { useSmallList(); }
};

// Upper case sorts before lower case: "Weather+" comes before "iBooks".
TEST_F(PhoneSortTest, TheSheetSortsByNameCaseFirstAndTheOrderHolds)
{
    auto dumps = run("tap Edit\ntap Reset\ndump\ntap A->Z\ndump\nrelaunch\ndump\n");
    ASSERT_EQ(dumps.size(), 3u);
    EXPECT_EQ(dumps[0]["sheet"]["title"], "Choose an Action");
    EXPECT_THAT(dumps[0]["sheet"]["buttons"], ElementsAre("A->Z", "Z->A", "Cancel"));
    const auto& sorted = dumps[1]["page"];
    EXPECT_FALSE(sorted["editing"]);
    EXPECT_EQ(sorted["left"], nullptr);
    EXPECT_EQ(sorted["right"], "Edit");
    Sections shown = sectionsOf(sorted);
    ASSERT_EQ(shown.size(), 1u) << "a sorted list has no dividers";
    EXPECT_TRUE(std::is_sorted(shown[0].begin(), shown[0].end()));
    auto weather = std::find(shown[0].begin(), shown[0].end(), "Weather+");
    auto books = std::find(shown[0].begin(), shown[0].end(), "iBooks");
    EXPECT_LT(weather, books);
    EXPECT_EQ(sectionsOf(dumps[2]["page"]), shown);
    auto order = storedOrder();
    EXPECT_EQ(order.size(), shown[0].size());
    EXPECT_THAT(order, Not(Contains("CONNECTIVITY")));

    dumps = run("tap Edit\ntap Reset\ndump\ntap Z->A\ndump\ntap Edit\ntap Reset\ntap Reset\ndump\n");
    ASSERT_EQ(dumps.size(), 3u);
    EXPECT_THAT(dumps[0]["sheet"]["buttons"], ElementsAre("Reset", "A->Z", "Z->A", "Cancel"));
    Sections descending = sectionsOf(dumps[1]["page"]);
    ASSERT_EQ(descending.size(), 1u);
    EXPECT_TRUE(std::is_sorted(descending[0].begin(), descending[0].end(), std::greater<>()));
    EXPECT_EQ(descending[0].front(), "iTunes & App Store");
    // Reset forgets the order and leaves arrange mode: the host's own order, dividers and all.
    const auto& reset = dumps[2];
    EXPECT_EQ(reset["alert"]["title"], "Reset Complete");
    EXPECT_EQ(reset["alert"]["message"], "The Settings list is back in its original order.");
    EXPECT_FALSE(reset["page"]["editing"]);
    EXPECT_EQ(reset["page"]["right"], "Edit");
    EXPECT_FALSE(orderStored());
    Sections host = sectionsOf(reset["page"]);
    ASSERT_GT(host.size(), 1u);
    EXPECT_THAT(host[0], ElementsAre("Airplane Mode", "Wi-Fi", "Bluetooth", "Cellular", "Personal Hotspot", "Carrier"));
}

TEST_F(TabletSortTest, TheSheetBesideTheResetButtonSortsAndResetBringsBackTheDividers)
{
    auto dumps = run("tap Edit\ntap Reset\ndump\ntap Z->A\ndump\nrelaunch\ndump\ntap Edit\ntap Reset\ndump\n"
                     "tap Reset\ndump\n");
    ASSERT_EQ(dumps.size(), 5u);
    // A popover has no cancel button: a tap outside it cancels.
    EXPECT_THAT(dumps[0]["sheet"]["buttons"], ElementsAre("A->Z", "Z->A"));
    Sections descending{{"Velmora", "Foxtrot", "Echo", "Delta", "Charlie", "Bravo", "Alpha"}};
    EXPECT_EQ(dumps[1]["modal"], nullptr);
    EXPECT_EQ(sectionsOf(rootPage(dumps[1])), descending);
    EXPECT_EQ(sectionsOf(rootPage(dumps[2])), descending);
    EXPECT_THAT(dumps[3]["sheet"]["buttons"], ElementsAre("Reset", "A->Z", "Z->A"));
    EXPECT_EQ(dumps[4]["alert"]["title"], "Reset Complete");
    EXPECT_EQ(dumps[4]["modal"], nullptr);
    EXPECT_EQ(sectionsOf(rootPage(dumps[4])),
              (Sections{{"Alpha", "Bravo", "Charlie"}, {"Delta", "Echo"}, {"Foxtrot"}, {"Velmora"}}));
    EXPECT_FALSE(orderStored());
}

class SortStoreTest : public LibraryTest {};

TEST_F(SortStoreTest, AListWithoutRowsStoresAnEmptyOrderThatTheNextSheetOffersToReset)
{
    boot(DeviceKind::Phone, "iPhone6,1");
    auto root = rootList({group("Only")});
    root->setSpecifiers({});
    device::objc::msgSend<void>(root.get(), "sortAZ");
    EXPECT_TRUE(std::filesystem::exists(m_root / store::storePath(Store::Position)));
    EXPECT_TRUE(store::load(Store::Position).empty());
    device::objc::msgSend<void>(root.get(), "sortType:", static_cast<device::objc::id>(nullptr));
    auto* sheet = device::uikit::UIActionSheet::visibleSheet();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->destructiveButtonIndex(), 0);
    EXPECT_EQ(sheet->numberOfButtons(), 4);
}

// A reset that cannot take the stored order away says so, and the order stays as stored.
TEST_F(PhoneSortTest, AResetThatCannotForgetTheOrderSaysSoAndKeepsIt)
{
    run("tap Edit\ntap Reset\ntap A->Z\n");
    auto order = storedOrder();
    ASSERT_FALSE(order.empty());
    ImmutableFile pinned(*device::foundation::DeviceRoot::map(store::storePath(store::Store::Position)));
    if (!pinned) {
        GTEST_SKIP() << "this file system cannot make a file immutable";
    }
    auto dumps = run("tap Edit\ntap Reset\ntap Reset\ndump\n");
    ASSERT_EQ(dumps.size(), 1u);
    expectNotSaved(dumps[0]);
    EXPECT_EQ(storedOrder(), order);
}

}  // namespace
}  // namespace velmora::testing
