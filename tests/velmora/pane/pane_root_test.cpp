#include "tests/velmora/support/library_test.h"

#include "velmora/core/shared_state.h"

#include "device/foundation/run_loop.h"
#include "device/objc/message.h"
#include "device/uikit/label.h"
#include "device/uikit/navigation_controller.h"

#include <gmock/gmock.h>

namespace velmora::testing {
namespace {

namespace objc = device::objc;
namespace uikit = device::uikit;
using device::preferences::PSListController;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// The seven fixed rows of the pane root: the master switch alone, then the five links.
const std::vector<std::string> kFixedRows{"Enable", "[]", "Gene", "Hide", "Security", "Tags", "Theme"};

std::vector<std::string> fixedRowsAnd(std::initializer_list<std::string> more)
{
    std::vector<std::string> rows = kFixedRows;
    rows.insert(rows.end(), more);
    return rows;
}

// A root list whose seventh counted section holds three tweaks, rebuilt once so that the library
// knows its tweak section, and the pane root opened from it.
class PaneRootTest : public LibraryTest {
protected:
    PaneRootTest()
    {
        writeTranslations("en", {{"anim", "Anim"}, {"groups", "Groups"}, {"locat", "Locat"}, {"title", "Title"},
                                 {"name", "Name"}, {"enable", "Enable"}, {"gene", "Gene"}, {"hide", "Hide"},
                                 {"security", "Security"}, {"tags", "Tags"}, {"theme", "Theme"}});
        writePicture("/Library/Application Support/Velmora/Themes/Default/Icons/star@2x.png");
    }

    void open(DeviceKind kind = DeviceKind::Phone)
    {
        if (kind == DeviceKind::Tablet) {
            boot(kind, "iPad3,4");
        }
        std::vector<ProfileEntry> host;
        for (int section = 0; section < 6; ++section) {
            host.push_back(group("S" + std::to_string(section)));
            host.push_back(row("Row" + std::to_string(section)));
        }
        for (const ProfileEntry& entry : {group("Tweaks", "TWEAKS"), row("T1"), row("T2"), row("T3"), group("S7"),
                                          row("Row7")}) {
            host.push_back(entry);
        }
        m_root = rootList(host);
        m_navigation = uikit::UINavigationController::initWithRootViewController(m_root);
        objc::msgSend<void>(m_root.get(), "reloadSpecifiers");
        // Opened as a person opens it, through the library's entry at the end of the root list.
        objc::msgSend<void>(m_root.get(), "tableView:didSelectRowAtIndexPath:", m_root->table(),
                            uikit::NSIndexPath{m_root->numberOfGroups() - 1, 0});
        // The selection gate lets the host open a row once the row's swipe buttons have slid away.
        device::foundation::RunLoop::main().advance(0.25);
        m_pane = std::dynamic_pointer_cast<PSListController>(
            m_navigation->topViewController()->retained<uikit::UIViewController>());
        ASSERT_TRUE(m_pane);
        ASSERT_STREQ(objc::class_getName(m_pane->isa()), "VelmoraController");
    }

    void configure(bool master, PlistDictionary advanced, PlistDictionary tags = {}, PlistDictionary hidden = {})
    {
        writeStore(Store::Enabled, {{"Enabled", master}});
        writeStore(Store::Advanced, advanced);
        writeStore(Store::Tag, tags);
        writeStore(Store::Hide, hidden);
    }

    std::vector<std::string> paneRows() { return describe(m_pane->specifiers()); }

    std::vector<uikit::UILabel*> badges()
    {
        std::vector<uikit::UILabel*> found;
        for (const auto& subview : m_pane->table()->cellForRowAtIndexPath({1, 3})->subviews()) {
            if (auto* label = objc::as<uikit::UILabel>(subview.get()); label && label->tag() == 6540) {
                found.push_back(label);
            }
        }
        return found;
    }

    std::shared_ptr<device::settings::PrefsListController> m_root;
    std::shared_ptr<uikit::UINavigationController> m_navigation;
    std::shared_ptr<PSListController> m_pane;
};

PlistDictionary tag(std::string name, std::initializer_list<std::string> members)
{
    PlistDictionary record{{"Name", std::move(name)}, {"Icon", "/nowhere.png"}};
    for (const auto& member : members) {
        record[member] = true;
    }
    return record;
}

TEST_F(PaneRootTest, ListsTheTweakSectionAsTheOptionsSay)
{
    struct Case {
        const char* what;
        bool master;
        PlistDictionary advanced;
        PlistDictionary tags;
        PlistDictionary hidden;
        std::vector<std::string> rows;
        std::string badge;
    };
    PlistDictionary twoTags{{"1", tag("Work", {"T1", "T2"})}, {"2", tag("Home", {"T2"})}};
    std::vector<Case> cases{
        {"master switch off", false, {{"Groups", true}, {"Locat", true}}, twoTags, {}, kFixedRows, "0"},
        {"groups and locat off", true, {}, twoTags, {}, kFixedRows, "0"},
        {"groups on: one section per tag", true, {{"Groups", true}}, twoTags, {},
         fixedRowsAnd({"[]", "T1", "T2", "[]", "T2"}), "2"},
        {"a hidden member is never listed", true, {{"Groups", true}}, twoTags, {{"T1", true}},
         fixedRowsAnd({"[]", "T2", "[]", "T2"}), "2"},
        {"titles head the tag sections", true, {{"Groups", true}, {"Title", true}}, twoTags, {},
         fixedRowsAnd({"[]", "Work", "T1", "T2", "[]", "Home", "T2"}), "2"},
        {"untagged entries follow the last tag, their group first", true, {{"Groups", true}, {"Locat", true}},
         twoTags, {}, fixedRowsAnd({"[]", "T1", "T2", "[]", "T2", "[Tweaks]", "T3"}), "2"},
        {"a gap ends the tags", true, {{"Groups", true}}, {{"1", tag("Work", {"T1"})}, {"3", tag("Far", {"T3"})}}, {},
         fixedRowsAnd({"[]", "T1"}), "1"},
        {"flat: only the untagged entries", true, {{"Locat", true}}, twoTags, {{"T3", true}},
         fixedRowsAnd({"[Tweaks]"}), "2"},
        {"no tags: every entry that is not hidden", true, {{"Groups", true}, {"Locat", true}}, {}, {{"T2", true}},
         fixedRowsAnd({"[Tweaks]", "T1", "T3"}), "0"},
    };
    open();
    for (const Case& test : cases) {
        configure(test.master, test.advanced, test.tags, test.hidden);
        objc::msgSend<void>(m_pane.get(), "viewWillAppear:", false);
        EXPECT_THAT(paneRows(), ElementsAreArray(test.rows)) << test.what;
        auto shown = badges();
        ASSERT_EQ(shown.size(), 1u) << test.what;
        EXPECT_EQ(shown.front()->text(), test.badge) << test.what;
    }
}

TEST_F(PaneRootTest, TweaksOnThePaneAreTheRootListsOwnEntries)
{
    open();
    configure(true, {{"Locat", true}});
    objc::msgSend<void>(m_pane.get(), "viewWillAppear:", false);
    const auto& tweaks = core::sharedState().tweakSection;
    ASSERT_EQ(tweaks.size(), 4u);
    EXPECT_EQ(m_pane->specifiers()[8], tweaks[1]);

    objc::msgSend<void>(m_pane.get(), "viewWillDisappear:", false);
    EXPECT_TRUE(core::sharedState().pageLists[static_cast<std::size_t>(core::PageList::PaneRoot)]->empty());
}

TEST_F(PaneRootTest, TheMasterSwitchWritesItsStoreAndRebuildsThePageAtOnce)
{
    open();
    configure(false, {{"Locat", true}});
    objc::msgSend<void>(m_pane.get(), "viewWillAppear:", false);
    core::sharedState().listIsCurrent = true;
    auto master = m_pane->specifiers()[0];
    EXPECT_FALSE(master->readValue()->boolValue());

    master->writeValue(true);
    EXPECT_EQ(store::load(Store::Enabled), (PlistDictionary{{"Enabled", true}}));
    EXPECT_THAT(paneRows(), ElementsAreArray(fixedRowsAnd({"[Tweaks]", "T1", "T2", "T3"})));
    EXPECT_FALSE(core::sharedState().listIsCurrent);
}

TEST_F(PaneRootTest, OnATabletTheMasterSwitchRebuildsTheRootListBesideThePane)
{
    open(DeviceKind::Tablet);
    configure(false, {}, {{"1", tag("Work", {"Row0"})}});
    objc::msgSend<void>(m_pane.get(), "viewWillAppear:", false);
    core::sharedState().listIsCurrent = true;
    EXPECT_THAT(describe(m_root->specifiers()), ::testing::Contains("Row0"));

    m_pane->specifiers()[0]->writeValue(true);
    auto rootRows = describe(m_root->specifiers());
    EXPECT_THAT(rootRows, ::testing::Not(::testing::Contains("Row0")));
    EXPECT_THAT(rootRows, ::testing::Contains("Work"));
    EXPECT_TRUE(core::sharedState().listIsCurrent);
}

}  // namespace
}  // namespace velmora::testing
