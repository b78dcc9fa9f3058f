#include "device/objc/message.h"
#include "device/preferences/list_controller.h"
#include "device/settings/prefs_list_controller.h"
#include "tests/support/booted_device.h"

#include <gtest/gtest.h>

using device::preferences::PSListController;
using device::preferences::PSSpecifier;
using testing_support::BootedDevice;
using testing_support::Library;

namespace {

std::vector<std::string> names(PSListController& page)
{
    std::vector<std::string> result;
    for (const auto& specifier : page.specifiers()) {
        result.push_back(specifier->isGroup() ? "|" + specifier->nameOrEmpty() : specifier->nameOrEmpty());
    }
    return result;
}

std::shared_ptr<PSSpecifier> row(const std::string& name)
{
    return PSSpecifier::preferenceSpecifierNamed(name, nullptr, nullptr, nullptr, nullptr,
                                                 device::preferences::PSLinkCell, nullptr);
}

}  // namespace

TEST(ListControllerTest, AppendMovesAnEntryAlreadyInTheListAndRemoveIgnoresAbsentOnes)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto page = device::objc::create<PSListController>();
    auto a = row("A"), b = row("B"), c = row("C");
    page->setSpecifiers({a, b, c});

    page->addSpecifierAnimated(a, true);
    EXPECT_EQ(names(*page), (std::vector<std::string>{"B", "C", "A"}));

    page->removeSpecifierAnimated(row("B").get(), false);
    page->removeSpecifierAnimated(b.get(), false);
    page->removeSpecifierAnimated(b.get(), false);
    EXPECT_EQ(names(*page), (std::vector<std::string>{"C", "A"}));

    page->insertSpecifierAtIndexAnimated(b, 0, false);
    page->removeContiguousSpecifiersAnimated({c, a}, false);
    EXPECT_EQ(names(*page), (std::vector<std::string>{"B"}));
}

TEST(ListControllerTest, RemovalsAndAppendsInARowEndInTheOrderTheyWereMadeIn)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto page = device::objc::create<PSListController>();
    auto a = row("A"), b = row("B"), c = row("C"), d = row("D"), e = row("E");
    page->setSpecifiers({a, b, a, c, d});

    page->removeSpecifierAnimated(a.get(), false);
    page->addSpecifierAnimated(c, false);
    page->removeSpecifierAnimated(a.get(), false);
    page->removeSpecifierAnimated(a.get(), false);
    page->addSpecifierAnimated(a, false);
    page->addSpecifierAnimated(e, false);
    page->removeSpecifierAnimated(e.get(), false);
    page->addSpecifierAnimated(e, false);
    page->removeContiguousSpecifiersAnimated({d, b}, false);
    page->addSpecifierAnimated(b, false);
    EXPECT_EQ(page->indexOfSpecifier(e.get()), 2);
    EXPECT_EQ(names(*page), (std::vector<std::string>{"C", "A", "E", "B"}));

    page->removeContiguousSpecifiersAnimated(device::preferences::SpecifierList(page->specifiers()), false);
    page->addSpecifierAnimated(d, false);
    page->removeSpecifierAnimated(c.get(), false);
    EXPECT_EQ(page->specifierAtIndex(0), d);
    EXPECT_EQ(names(*page), (std::vector<std::string>{"D"}));
}

TEST(ListControllerTest, GroupEntriesOpenSectionsAndTheTableShowsThem)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto page = device::objc::create<PSListController>();
    auto footerGroup = PSSpecifier::groupSpecifierWithName("Header");
    footerGroup->setPropertyForKey(std::string("Footer text"), "footerText");
    page->setSpecifiers({row("Loose"), footerGroup, row("A"), row("B"), PSSpecifier::emptyGroupSpecifier()});

    EXPECT_EQ(page->numberOfGroups(), 3);
    EXPECT_EQ(page->rowsForGroup(0), 1);
    EXPECT_EQ(page->rowsForGroup(1), 2);
    EXPECT_EQ(page->rowsForGroup(2), 0);

    auto* table = page->table();
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->numberOfSections(), 3);
    EXPECT_EQ(table->headerTitle(1), "Header");
    EXPECT_EQ(table->footerTitle(1), "Footer text");
    EXPECT_EQ(table->cellForRowAtIndexPath({1, 1})->textLabel()->text(), "B");
}

TEST(ListControllerTest, SelectingALinkPushesItsDetailPageTitledWithTheRowName)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto* root = phone.root();
    auto* navigation = phone.device().app().navigation();
    auto general = root->specifierForID("General");
    ASSERT_NE(general, nullptr);

    auto* table = root->table();
    std::optional<device::uikit::NSIndexPath> where;
    for (long s = 0; s < table->numberOfSections() && !where; ++s) {
        for (long r = 0; r < table->numberOfRowsInSection(s); ++r) {
            if (table->cellForRowAtIndexPath({s, r})->textLabel()->text() == "General") {
                where = device::uikit::NSIndexPath{s, r};
            }
        }
    }
    ASSERT_TRUE(where);
    table->selectRowAtIndexPath(*where);

    ASSERT_EQ(navigation->viewControllers().size(), 2u);
    auto* page = dynamic_cast<device::settings::HostPageController*>(navigation->topViewController());
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->title(), "General");
    EXPECT_EQ(page->parentController(), root);
    EXPECT_FALSE(page->specifiers().empty());
    EXPECT_EQ(navigation->backButtonTitle(), "Settings");
}

TEST(ListControllerTest, SwitchRowsShowTheGetterAndTellTheSetter)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto* root = phone.root();
    auto airplane = root->specifierForID("Airplane Mode");
    if (!airplane) {
        for (const auto& specifier : root->specifiers()) {
            if (specifier->name() == "Airplane Mode") {
                airplane = specifier;
            }
        }
    }
    ASSERT_NE(airplane, nullptr);
    EXPECT_FALSE(airplane->readValue()->boolValue());
    airplane->writeValue(true);
    EXPECT_TRUE(airplane->readValue()->boolValue());
}
