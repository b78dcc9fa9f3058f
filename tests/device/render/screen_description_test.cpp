#include "device/render/screen_description.h"

#include "device/preferences/list_controller.h"
#include "device/uikit/screen.h"
#include "tests/support/booted_device.h"

#include <gtest/gtest.h>

namespace device::render {
namespace {

using preferences::PSSpecifier;
using testing_support::BootedDevice;
using testing_support::Library;

std::shared_ptr<PSSpecifier> entry(std::string name, preferences::PSCellType type,
                                   std::optional<preferences::PSProperty> value = std::nullopt)
{
    auto specifier
        = PSSpecifier::preferenceSpecifierNamed(std::move(name), nullptr, nullptr, nullptr, nullptr, type, nullptr);
    if (value) {
        specifier->setPropertyForKey(*value, "value");
    }
    return specifier;
}

std::shared_ptr<preferences::PSListController> listPage(std::string title, preferences::SpecifierList entries)
{
    auto page = objc::create<preferences::PSListController>();
    page->setTitle(std::move(title));
    page->setSpecifiers(std::move(entries));
    return page;
}

ScreenDescription describe()
{
    return describeScreen(uikit::UIApplication::sharedApplication().keyWindow(), {});
}

TEST(ScreenDescription, ALeftItemTakesTheBackButtonsPlaceAndLongTitlesAreCountedInCharacters)
{
    BootedDevice phone("phone", Library::None);
    auto& app = phone.boot().app();
    auto middle = listPage("Réglages éé", {});
    app.navigation()->pushViewControllerAnimated(middle, false);
    auto page = listPage("Edit", {});
    page->navigationItem()->setLeftBarButtonItem(
        uikit::UIBarButtonItem::initWithTitle("Cancel", uikit::UIBarButtonItemStyle::Bordered, nullptr, nullptr));
    app.navigation()->pushViewControllerAnimated(page, false);

    ScreenDescription covered = describe();
    EXPECT_EQ(covered.page.bar.back, std::nullopt);
    EXPECT_EQ(covered.page.bar.left, "Cancel");

    page->navigationItem()->setLeftBarButtonItem(nullptr);
    EXPECT_EQ(describe().page.bar.back, "Réglages éé") << "eleven characters, though more bytes";
    middle->setTitle("Réglages généraux");
    EXPECT_EQ(describe().page.bar.back, "Back");
}

TEST(ScreenDescription, APushedPageHasABackButtonAndRowsOfEveryKind)
{
    BootedDevice phone("phone", Library::None);
    auto& app = phone.boot().app();
    auto group = PSSpecifier::groupSpecifierWithName("Kinds");
    group->setPropertyForKey(std::string("Each cell type"), "footerText");
    app.navigation()->pushViewControllerAnimated(
        listPage("Rows", {group, entry("Link", preferences::PSLinkCell), entry("List", preferences::PSLinkListCell),
                          entry("Switch", preferences::PSSwitchCell, true), entry("Button", preferences::PSButtonCell),
                          entry("Edit", preferences::PSEditTextCell, std::string("typed")),
                          entry("Secret", preferences::PSSecureEditTextCell),
                          entry("Version", preferences::PSTitleValueCell, std::string("7.1.2")),
                          entry("Static", preferences::PSStaticTextCell), entry("Item", preferences::PSListItemCell)}),
        false);

    ScreenDescription screen = describe();
    EXPECT_EQ(screen.device, DeviceKind::Phone);
    EXPECT_EQ(screen.page.bar.title, "Rows");
    EXPECT_EQ(screen.page.bar.back, "Settings");
    ASSERT_EQ(screen.page.sections.size(), 1u);
    const auto& section = screen.page.sections[0];
    EXPECT_EQ(section.header, "Kinds");
    EXPECT_EQ(section.footer, "Each cell type");

    std::vector<RowKind> kinds;
    for (const auto& row : section.rows) {
        kinds.push_back(row.kind);
    }
    EXPECT_EQ(kinds,
              (std::vector<RowKind>{RowKind::Link, RowKind::Link, RowKind::Switch, RowKind::Button, RowKind::Edit,
                                    RowKind::Edit, RowKind::Value, RowKind::Static, RowKind::Other}));
    EXPECT_EQ(section.rows[2].on, true);
    EXPECT_EQ(section.rows[0].on, std::nullopt);
    EXPECT_EQ(section.rows[4].value, "typed");
    EXPECT_EQ(section.rows[6].value, "7.1.2");
    EXPECT_EQ(section.rows[7].value, std::nullopt);
}

TEST(ScreenDescription, APresentedListIsTheModalWithItsPageAndVisibleTexts)
{
    BootedDevice tablet("tablet", Library::None);
    auto& app = tablet.boot().app();
    auto navigation = uikit::UINavigationController::initWithRootViewController(
        listPage("Choices", {entry("First", preferences::PSLinkCell), entry("Second", preferences::PSSwitchCell)}));
    navigation->topViewController()->navigationItem()->setRightBarButtonItem(
        uikit::UIBarButtonItem::initWithTitle("Done", uikit::UIBarButtonItemStyle::Done, nullptr, nullptr));
    navigation->setModalPresentationStyle(uikit::UIModalPresentationStyle::FormSheet);
    app.rootController()->presentViewControllerAnimated(navigation, false);

    ScreenDescription screen = describe();
    EXPECT_EQ(screen.device, DeviceKind::Tablet);
    ASSERT_TRUE(screen.master);
    EXPECT_EQ(screen.master->bar.title, "Settings");
    ASSERT_TRUE(screen.modal);
    EXPECT_EQ(screen.modal->style, ModalStyle::FormSheet);
    ASSERT_TRUE(screen.modal->page);
    EXPECT_EQ(screen.modal->page->bar.title, "Choices");
    EXPECT_EQ(screen.modal->page->sections.at(0).rows.size(), 2u);
    EXPECT_EQ(screen.modal->texts(), (std::vector<std::string>{"Choices", "Done", "First", "Second"}));
}

TEST(ScreenDescription, APresentedViewIsFullScreenOnAPhoneAndHidesNothingItDoesNotShow)
{
    BootedDevice phone("phone", Library::None);
    auto& app = phone.boot().app();
    auto page = objc::create<uikit::UIViewController>();
    auto shown = objc::create<uikit::UILabel>(uikit::CGRectMake(20, 100, 200, 20));
    shown->setText("Shown");
    auto hidden = objc::create<uikit::UILabel>(uikit::CGRectMake(20, 140, 200, 20));
    hidden->setText("Hidden");
    hidden->setHidden(true);
    auto offScreen = objc::create<uikit::UILabel>(uikit::CGRectMake(20, 2000, 200, 20));
    offScreen->setText("Below the screen");
    for (const auto& label : {shown, hidden, offScreen}) {
        page->view()->addSubview(label);
    }
    page->setModalPresentationStyle(uikit::UIModalPresentationStyle::FormSheet);
    app.rootController()->presentViewControllerAnimated(page, false);

    ScreenDescription screen = describe();
    ASSERT_TRUE(screen.modal);
    EXPECT_EQ(screen.modal->style, ModalStyle::FullScreen);
    EXPECT_FALSE(screen.modal->bar);
    EXPECT_FALSE(screen.modal->page);
    EXPECT_EQ(screen.modal->texts(), std::vector<std::string>{"Shown"});
}

}  // namespace
}  // namespace device::render
