#include "device/objc/class_builder.h"
#include "device/objc/message.h"
#include "device/preferences/list_controller.h"
#include "device/preferences/table_cell.h"
#include "device/settings/prefs_list_controller.h"
#include "device/uikit/navigation_controller.h"
#include "tests/support/booted_device.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

namespace objc = device::objc;
namespace uikit = device::uikit;
using device::preferences::PSListController;
using device::preferences::PSListItemsController;
using device::preferences::PSSpecifier;
using testing_support::BootedDevice;
using testing_support::Library;
using ::testing::ElementsAre;

std::shared_ptr<PSSpecifier> row(const std::string& name, device::preferences::PSCellType cell = device::preferences::PSLinkCell,
                                 objc::id target = nullptr)
{
    return PSSpecifier::preferenceSpecifierNamed(name, target, nullptr, nullptr, nullptr, cell, nullptr);
}

// A page of a library's own, as the host meets it: by class name, through the runtime.
class RecordingPage : public PSListController {
public:
    static constexpr std::string_view className = "RecordingPage";
    static std::vector<std::string>& calls()
    {
        static std::vector<std::string> recorded;
        return recorded;
    }
    void viewWillAppear(bool) { calls().push_back(title() + " appears"); }
    void viewWillDisappear(bool) { calls().push_back(title() + " disappears"); }
    void act(PSSpecifier* sender) { calls().push_back("act " + sender->nameOrEmpty()); }
};

class TallHeaderCell : public device::preferences::PSTableCell {
public:
    static constexpr std::string_view className = "TallHeaderCell";
    void initWithSpecifier(PSSpecifier* specifier) { initWithStyleReuseIdentifierSpecifier(0, "tall", specifier); }
    double preferredHeightForWidth(double width) { return width / 4; }
};

class PageServicesTest : public ::testing::Test {
protected:
    PageServicesTest()
    {
        m_phone.boot();
        objc::ClassBuilder<RecordingPage>(PSListController::className)
            .method<&RecordingPage::viewWillAppear>("viewWillAppear:")
            .method<&RecordingPage::viewWillDisappear>("viewWillDisappear:")
            .method<&RecordingPage::act>("act:");
        objc::ClassBuilder<TallHeaderCell>(device::preferences::PSTableCell::className)
            .method<&TallHeaderCell::initWithSpecifier>("initWithSpecifier:")
            .method<&TallHeaderCell::preferredHeightForWidth>("preferredHeightForWidth:");
        RecordingPage::calls().clear();
    }

    std::shared_ptr<RecordingPage> page(const std::string& title)
    {
        auto created = std::dynamic_pointer_cast<RecordingPage>(objc::class_createInstance(objc::objc_getClass("RecordingPage")));
        created->setTitle(title);
        return created;
    }

    BootedDevice m_phone{"phone", Library::None};
};

TEST_F(PageServicesTest, ThePageThatLeavesHearsItBeforeThePageThatComes)
{
    auto navigation = uikit::UINavigationController::initWithRootViewController(page("A"));
    navigation->pushViewControllerAnimated(page("B"), false);
    navigation->popViewControllerAnimated(false);
    navigation->setViewControllersAnimated({page("C")}, false);
    EXPECT_THAT(RecordingPage::calls(),
                ElementsAre("A disappears", "B appears", "B disappears", "A appears", "A disappears", "C appears"));
}

TEST_F(PageServicesTest, RemovingAGroupEntryLeavesItsRowsToTheSectionBefore)
{
    auto list = page("List");
    auto group = PSSpecifier::groupSpecifierWithName("Second");
    list->setSpecifiers({PSSpecifier::groupSpecifierWithName("First"), row("A"), group, row("B"), row("C")});
    EXPECT_EQ(list->numberOfGroups(), 2);
    list->removeSpecifierAtIndexAnimated(2, true);
    EXPECT_EQ(list->numberOfGroups(), 1);
    EXPECT_EQ(list->rowsForGroup(0), 3);
}

TEST_F(PageServicesTest, AGroupNamingAHeaderCellClassIsHeadedBySuchACell)
{
    auto list = page("List");
    auto banner = PSSpecifier::emptyGroupSpecifier();
    banner->setPropertyForKey(std::string("TallHeaderCell"), "headerCellClass");
    auto unknown = PSSpecifier::emptyGroupSpecifier();
    unknown->setPropertyForKey(std::string("NoSuchCell"), "headerCellClass");
    list->setSpecifiers({banner, row("A"), unknown, row("B")});
    list->view()->setFrame(uikit::CGRectMake(0, 0, 320, 568));
    auto* table = list->table();
    table->layoutSubviews();
    std::vector<TallHeaderCell*> headers;
    for (const auto& subview : table->subviews()) {
        if (auto* header = dynamic_cast<TallHeaderCell*>(subview.get())) {
            headers.push_back(header);
        }
    }
    ASSERT_EQ(headers.size(), 1u);
    EXPECT_EQ(headers[0]->specifier(), banner.get());
    EXPECT_EQ(headers[0]->frame(), uikit::CGRectMake(0, 0, 320, 80));
    EXPECT_EQ(table->rectForRowAtIndexPath({0, 0}).minY(), 80);
}

TEST_F(PageServicesTest, LinksWithoutAPageRunTheirActionAndListItemsReachTheirSetter)
{
    auto list = page("List");
    auto link = row("Follow", device::preferences::PSLinkCell, list.get());
    link->setAction(objc::sel_registerName("act:"));
    list->setSpecifiers({link});
    list->table()->selectRowAtIndexPath({0, 0});
    EXPECT_THAT(RecordingPage::calls(), ElementsAre("act Follow"));

    auto owner = row("Choice", device::preferences::PSLinkListCell);
    owner->setValuesAndTitles({"x", "y"}, {"Ex", "Why"});
    auto items = objc::create<PSListItemsController>();
    items->setSpecifier(owner);
    items->table()->reloadData();
    items->table()->selectRowAtIndexPath({0, 1});
    EXPECT_EQ(owner->readValue(), device::foundation::PlistValue("y"));
}

TEST_F(PageServicesTest, APictureBarButtonIsNamedByItsPicture)
{
    auto picture = objc::create<uikit::UIImage>(2, 2, 2.0, std::vector<std::uint8_t>(16, 255));
    auto item = uikit::UIBarButtonItem::initWithImage(picture, uikit::UIBarButtonItemStyle::Bordered, nullptr, nullptr);
    EXPECT_EQ(item->name(), "");
    auto named = uikit::UIImage::imageWithContentsOfFile("/Applications/Preferences.app/Icons/twitter.png");
    ASSERT_TRUE(named);
    EXPECT_EQ(uikit::UIBarButtonItem::initWithImage(named, uikit::UIBarButtonItemStyle::Plain, nullptr, nullptr)->name(),
              "twitter");
}

}  // namespace
