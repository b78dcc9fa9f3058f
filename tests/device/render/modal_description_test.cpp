#include "device/render/screen_description.h"
#include "device/render/screen_json.h"
#include "device/render/screen_text.h"
#include "device/uikit/action_sheet.h"
#include "device/uikit/alert_view.h"
#include "device/uikit/keyboard.h"
#include "tests/support/booted_device.h"

#include <gtest/gtest.h>

namespace device::render {
namespace {

using testing_support::BootedDevice;
using testing_support::Library;

ScreenDescription describe()
{
    return describeScreen(uikit::UIApplication::sharedApplication().keyWindow(), {});
}

TEST(ModalDescription, TheVisibleAlertWithItsButtonsInTheirNumbering)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    EXPECT_TRUE(screenToJson(describe())["alert"].is_null());
    auto alert = uikit::UIAlertView::initWithTitleMessageDelegateCancelButtonTitleOtherButtonTitles(
        "Error", "The name is blank", nullptr, "OK", {"Retry"});
    alert->show();
    auto json = screenToJson(describe());
    EXPECT_EQ(json["alert"],
              (nlohmann::ordered_json{{"title", "Error"}, {"message", "The name is blank"}, {"buttons", {"OK", "Retry"}}}));
}

TEST(ModalDescription, TheVisibleSheetWithTheButtonsItShows)
{
    BootedDevice tablet("tablet", Library::None);
    tablet.boot();
    auto sheet = uikit::UIActionSheet::initWithTitleDelegateCancelButtonTitleDestructiveButtonTitleOtherButtonTitles(
        "Sort", nullptr, "Cancel", "Reset", {"A->Z"});
    sheet->showInView(uikit::UIApplication::sharedApplication().keyWindow());
    auto json = screenToJson(describe());
    EXPECT_EQ(json["sheet"], (nlohmann::ordered_json{{"title", "Sort"}, {"buttons", {"Reset", "A->Z"}}}));
}

TEST(ModalDescription, TheKeyboardIsUpWhileAFieldHasTheFocus)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto field = objc::create<uikit::UITextField>();
    uikit::UIApplication::sharedApplication().keyWindow()->addSubview(field);
    field->becomeFirstResponder();
    EXPECT_TRUE(describe().keyboard);
    field->resignFirstResponder();
    EXPECT_FALSE(describe().keyboard);
}

TEST(ModalDescription, AnAlertOrASheetShownOverTheRootListIsReadInTheTextOfTheScreen)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto sheet = uikit::UIActionSheet::initWithTitleDelegateCancelButtonTitleDestructiveButtonTitleOtherButtonTitles(
        "Sort", nullptr, "Cancel", "Reset", {"A->Z"});
    sheet->showInView(uikit::UIApplication::sharedApplication().keyWindow());
    ScreenText withSheet(describe());
    for (const char* shown : {"Sort", "Reset", "A->Z", "Cancel", "Airplane Mode"}) {
        EXPECT_TRUE(withSheet.contains(shown)) << shown << "\n" << withSheet.str();
    }
    sheet->dismissWithClickedButtonIndexAnimated(sheet->cancelButtonIndex(), false);

    auto alert = uikit::UIAlertView::initWithTitleMessageDelegateCancelButtonTitleOtherButtonTitles(
        "Error", "The name is blank", nullptr, "OK", {"Retry"});
    alert->show();
    ScreenText withAlert(describe());
    for (const char* shown : {"Error", "The name is blank", "OK", "Retry"}) {
        EXPECT_TRUE(withAlert.contains(shown)) << shown << "\n" << withAlert.str();
    }
    EXPECT_FALSE(withAlert.contains("A->Z"));
}

}  // namespace
}  // namespace device::render
