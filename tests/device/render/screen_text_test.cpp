#include "device/render/screen_text.h"
#include "device/render/screen_text_width.h"

#include <tuple>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace device::render {
namespace {

using testing::EndsWith;
using testing::HasSubstr;
using testing::Not;
using testing::StartsWith;

const std::string kFooter = "A footer long enough to need several lines on a phone screen, so it must be wrapped at "
                            "spaces and nowhere else.";

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::string lineWith(const std::string& text, std::string_view needle)
{
    for (const auto& line : linesOf(text)) {
        if (line.find(needle) != std::string::npos) {
            return line;
        }
    }
    return {};
}

PageDescription generalPage()
{
    PageDescription page;
    page.bar = {"General", "Settings", std::nullopt, "Edit"};
    SectionDescription section;
    section.header = "ABOUT";
    section.footer = kFooter;
    section.rows = {
        {"Airplane Mode", std::nullopt, true, RowKind::Switch, true, false},
        {"Wi-Fi", "HomeNet", std::nullopt, RowKind::Link, true, false},
        {"A label far too long to share its line with the value beside it", "Some value", std::nullopt, RowKind::Value,
         false, false},
        {"English", std::nullopt, std::nullopt, RowKind::Other, false, true},
        {"中文", "简体", std::nullopt, RowKind::Value, false, false},
    };
    page.sections = {section};
    return page;
}

ScreenDescription phoneShowing(PageDescription page)
{
    ScreenDescription screen;
    screen.page = std::move(page);
    return screen;
}

TEST(ScreenText, APhonePageShowsEveryTextVerbatimWithinThePhoneWidth)
{
    ScreenText text(phoneShowing(generalPage()));
    auto lines = linesOf(text.str());
    ASSERT_FALSE(lines.empty());
    EXPECT_THAT(lines[0], StartsWith(" ‹ Settings"));
    EXPECT_THAT(lines[0], HasSubstr("General"));
    EXPECT_THAT(lines[0], EndsWith("Edit"));
    EXPECT_THAT(lineWith(text.str(), "Airplane Mode"), EndsWith("[ON]"));
    EXPECT_THAT(lineWith(text.str(), "Wi-Fi"), EndsWith("HomeNet ›"));
    EXPECT_THAT(lineWith(text.str(), "English"), EndsWith("✓"));
    EXPECT_THAT(lineWith(text.str(), "中文"), EndsWith("简体"));
    for (const auto& line : lines) {
        EXPECT_LE(displayWidth(line), 46) << line;
    }
    for (const char* shown : {"ABOUT", "A label far too long", "Some value"}) {
        EXPECT_TRUE(text.contains(shown)) << shown;
    }
    EXPECT_FALSE(text.contains("Bluetooth"));
}

TEST(ScreenText, ALongFooterIsWrappedAtSpacesAndStillMatchesWhole)
{
    ScreenText text(phoneShowing(generalPage()));
    EXPECT_EQ(text.str().find(kFooter), std::string::npos) << "the footer needs several lines";
    EXPECT_TRUE(text.contains(kFooter));
    EXPECT_TRUE(text.contains("wrapped at spaces and nowhere"));

    std::string rejoined;
    bool inFooter = false;
    for (const auto& line : linesOf(text.str())) {
        inFooter = inFooter || line.starts_with(" A footer");
        if (inFooter) {
            rejoined += (rejoined.empty() ? "" : " ") + line.substr(1);
        }
    }
    EXPECT_EQ(rejoined, kFooter);
}

TEST(ScreenText, WideAndCombiningCharactersKeepTheValueColumnAligned)
{
    EXPECT_EQ(displayWidth("完成，好"), 8) << "ideographs and fullwidth punctuation take two columns";
    EXPECT_EQ(displayWidth("شكرًا"), 4) << "the tanween is a combining mark";
    EXPECT_EQ(displayWidth("e\u0301\u200D"), 1);
    EXPECT_EQ(displayWidth("👍"), 2);

    PageDescription page;
    page.bar = {"设置", std::nullopt, std::nullopt, std::nullopt};
    SectionDescription section;
    section.rows = {
        {"Wi-Fi", "HomeNet", std::nullopt, RowKind::Value, false, false},
        {"通知，声音", "开启", std::nullopt, RowKind::Value, false, false},
        {"شكرًا لك", "تم", std::nullopt, RowKind::Value, false, false},
    };
    page.sections = {section};
    ScreenText text(phoneShowing(page));
    int width = displayWidth(lineWith(text.str(), "Wi-Fi"));
    EXPECT_EQ(displayWidth(lineWith(text.str(), "通知")), width);
    EXPECT_EQ(displayWidth(lineWith(text.str(), "لك")), width);
}

TEST(ScreenText, ATabletShowsTheListBesideThePage)
{
    ScreenDescription screen = phoneShowing(generalPage());
    screen.device = DeviceKind::Tablet;
    PageDescription master;
    master.bar.title = "Settings";
    master.sections
        = {{std::nullopt, std::nullopt, {{"General", std::nullopt, std::nullopt, RowKind::Link, true, false}}}};
    screen.master = master;

    ScreenText text(screen);
    auto lines = linesOf(text.str());
    ASSERT_GT(lines.size(), 3u);
    EXPECT_LT(lines[0].find("Settings"), lines[0].find("│"));
    EXPECT_GT(lines[0].find("General"), lines[0].find("│"));
    EXPECT_THAT(lineWith(text.str(), "■ General"), HasSubstr("›  │"));
    EXPECT_TRUE(text.contains("HomeNet"));
}

TEST(ScreenText, APresentedControllerIsFramedOverTheScreen)
{
    ModalDescription modal;
    modal.bar = NavigationBarDescription{"Thank You!", std::nullopt, std::nullopt, "Done"};
    modal.area = {{0, 0}, {320, 568}};
    modal.viewTexts = {"Welcome to the set-up"};
    modal.textsBesideList = {{"Welcome to the set-up", {{20, 100}, {280, 30}}}};

    ScreenDescription phone = phoneShowing(generalPage());
    phone.modal = modal;
    ScreenText covered(phone);
    auto lines = linesOf(covered.str());
    EXPECT_THAT(lines.front(), StartsWith("┌"));
    EXPECT_THAT(lines.back(), StartsWith("└"));
    EXPECT_THAT(lineWith(covered.str(), "Thank You!"), HasSubstr("Done"));
    EXPECT_TRUE(covered.contains("Welcome to the set-up"));
    EXPECT_FALSE(covered.contains("Airplane Mode")) << "a full-screen page hides the one under it";

    ScreenDescription tablet = phone;
    tablet.device = DeviceKind::Tablet;
    tablet.modal->style = ModalStyle::FormSheet;
    tablet.master = PageDescription{{"Settings", std::nullopt, std::nullopt, std::nullopt}, false, {}};
    ScreenText sheet(tablet);
    EXPECT_THAT(linesOf(sheet.str()).front(), HasSubstr("Settings"));
    EXPECT_TRUE(sheet.contains("Thank You!"));
    EXPECT_THAT(sheet.str(), HasSubstr("┌"));
}

TEST(ScreenText, APresentedViewsLabelsStandWhereTheScreenHasThem)
{
    ModalDescription modal;
    modal.area = {{0, 0}, {320, 568}};
    // A keypad's row in view order 3, 1, 2, with the letters under two of the keys.
    for (auto [text, x, y] : {std::tuple{"3", 230.0, 200.0}, {"1", 30.0, 200.0}, {"2", 130.0, 200.0},
                              {"ABC", 130.0, 236.0}, {"DEF", 230.0, 236.0}}) {
        modal.textsBesideList.push_back({text, {{x, y}, {60, 40}}});
    }
    modal.textsBesideList.push_back({"A heading far too long to share its line with anything else at all", {{0, 20}, {320, 30}}});
    ScreenDescription phone = phoneShowing(generalPage());
    phone.modal = modal;
    ScreenText text(phone);
    std::string digits = lineWith(text.str(), "1");
    EXPECT_LT(digits.find('1'), digits.find('2'));
    EXPECT_LT(digits.find('2'), digits.find('3'));
    std::string letters = lineWith(text.str(), "ABC");
    EXPECT_THAT(letters, HasSubstr("DEF"));
    EXPECT_EQ(displayWidth(letters.substr(0, letters.find("ABC"))), displayWidth(digits.substr(0, digits.find('2'))) - 1)
        << "each text centred under the one above it:\n" << text.str();
    EXPECT_TRUE(text.contains("A heading far too long to share its line with anything else at all"));
}

TEST(ScreenText, AnAlertIsACentredBoxWithItsButtonsInARowForTwoAndStackedOtherwise)
{
    ScreenDescription screen = phoneShowing(generalPage());
    screen.alert = AlertDescription{"Delete Tag", "The entries of the tag go back to the list they came from.",
                                    {"Cancel", "Delete"}, 0};
    ScreenText two(screen);
    EXPECT_TRUE(two.contains("Delete Tag"));
    EXPECT_TRUE(two.contains("The entries of the tag go back to the list they came from."));
    std::string buttons = lineWith(two.str(), "Cancel");
    auto between = buttons.find("│", buttons.find("Cancel"));
    EXPECT_LT(between, buttons.find("Delete")) << "side by side, a line between: " << buttons;
    std::string title = lineWith(two.str(), "Delete Tag");
    EXPECT_EQ(displayWidth(title.substr(0, title.find("│"))), 7) << "centred: " << title;

    screen.alert = AlertDescription{"Passcode", "", {"Cancel", "Try Again", "Reset"}, 0};
    ScreenText three(screen);
    auto lines = linesOf(three.str());
    auto row = [&](std::string_view text) {
        return std::find_if(lines.begin(), lines.end(), [&](const std::string& line) {
                   return line.find(text) != std::string::npos;
               }) - lines.begin();
    };
    EXPECT_LT(row("Try Again"), row("Reset"));
    EXPECT_LT(row("Reset"), row("Cancel")) << "stacked, the cancel button last";
}

TEST(ScreenText, AnActionSheetRisesBelowThePageOnAPhoneAndIsAPopoverOnATablet)
{
    ScreenDescription screen = phoneShowing(generalPage());
    screen.sheet = SheetDescription{"Move to", {"Remove", "Work", "Games", "Cancel"}, 3};
    ScreenText phone(screen);
    auto lines = linesOf(phone.str());
    auto row = [&](std::string_view text) {
        return std::find_if(lines.begin(), lines.end(), [&](const std::string& line) {
                   return line.find(text) != std::string::npos;
               }) - lines.begin();
    };
    EXPECT_GT(row("Move to"), row("中文")) << "below the page";
    EXPECT_LT(row("Remove"), row("Work"));
    EXPECT_LT(row("Games"), row("Cancel"));
    EXPECT_THAT(lines[static_cast<std::size_t>(row("Cancel")) - 1], StartsWith("┌")) << "the cancel button apart";

    screen.device = DeviceKind::Tablet;
    screen.sheet = SheetDescription{"Move to", {"Remove", "Work"}, std::nullopt};
    ScreenText tablet(screen);
    EXPECT_THAT(lineWith(tablet.str(), "Move to"), EndsWith("│"));
    EXPECT_FALSE(tablet.contains("Cancel"));
}

TEST(ScreenText, TheKeyboardSitsBelowAndTheFocusedFieldShowsACaret)
{
    PageDescription about;
    about.bar = {"About", "General", std::nullopt, std::nullopt};
    about.sections = {{std::nullopt, std::nullopt, {{"Name", "Velmora", std::nullopt, RowKind::Edit, false, false, true}}}};
    ScreenDescription screen = phoneShowing(about);
    screen.keyboard = true;
    ScreenText letters(screen);
    EXPECT_THAT(lineWith(letters.str(), "Name"), EndsWith("Velmora▏"));
    auto lines = linesOf(letters.str());
    ASSERT_FALSE(lines.empty());
    EXPECT_THAT(lines.back(), StartsWith("└"));
    EXPECT_TRUE(letters.contains("Q  W  E  R  T  Y"));
    EXPECT_TRUE(letters.contains("return"));

    screen.keyboardKind = KeyboardKind::NumberPad;
    ScreenText digits(screen);
    EXPECT_TRUE(digits.contains("7     8     9"));
    EXPECT_FALSE(digits.contains("Q  W"));
}

TEST(ScreenText, RowsInEditingModeShowTheirControlsAndASwipedRowItsDeleteButton)
{
    PageDescription keyboards;
    keyboards.bar = {"Keyboards", "Keyboard", std::nullopt, "Done"};
    keyboards.editing = true;
    RowDescription english{"English", std::nullopt, std::nullopt, RowKind::Static, false, false};
    english.deleteControl = true;
    english.reorderControl = true;
    RowDescription emoji = english;
    emoji.label = "Emoji";
    emoji.showsDeleteButton = true;
    RowDescription fixed{"Fixed", std::nullopt, std::nullopt, RowKind::Static, false, false};
    keyboards.sections = {{std::nullopt, std::nullopt, {english, emoji, fixed}}};
    ScreenText text(phoneShowing(keyboards));
    EXPECT_THAT(lineWith(text.str(), "English"), StartsWith(" ⊖ English"));
    EXPECT_THAT(lineWith(text.str(), "English"), EndsWith("≡"));
    EXPECT_THAT(lineWith(text.str(), "Emoji"), EndsWith("[Delete]"));
    EXPECT_THAT(lineWith(text.str(), "Fixed"), Not(HasSubstr("≡")));
}

}  // namespace
}  // namespace device::render
