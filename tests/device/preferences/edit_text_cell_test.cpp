#include "device/preferences/list_controller.h"
#include "device/preferences/table_cell.h"
#include "device/uikit/keyboard.h"
#include "device/uikit/touchscreen.h"
#include "tests/device/uikit/recording_delegate.h"
#include "tests/device/uikit/touch_support.h"
#include "tests/support/booted_device.h"

#include <gtest/gtest.h>

namespace device::preferences {
namespace {

using testing_support::BootedDevice;
using testing_support::Library;
using testing_support::RecordingDelegate;
using testing_support::centreOf;
using uikit::Keyboard;
using uikit::Touchscreen;
using uikit::UITextField;
using Calls = std::vector<std::string>;

// A page of text rows pushed on the app's navigation; each row reads and writes its value through
// the recorder, whose getter answers the same value for every row.
class TextRowsPage {
public:
    TextRowsPage(BootedDevice& device, std::vector<std::pair<std::string, PSCellType>> rows, std::string value)
        : m_recorder(RecordingDelegate::make()), m_page(objc::create<PSListController>())
    {
        m_recorder->value = std::move(value);
        SpecifierList list{PSSpecifier::emptyGroupSpecifier()};
        for (auto& [name, type] : rows) {
            list.push_back(PSSpecifier::preferenceSpecifierNamed(name, m_recorder.get(),
                                                                 objc::sel_registerName("setValue:specifier:"),
                                                                 objc::sel_registerName("valueOf:"), nullptr, type,
                                                                 nullptr));
        }
        m_page->setSpecifiers(std::move(list));
        m_page->setTitle("Rows");
        device.device().app().navigation()->pushViewControllerAnimated(m_page, false);
        device.device().advance(1);
    }

    RecordingDelegate& recorder() { return *m_recorder; }
    PSListController& page() { return *m_page; }
    PSTableCell& cell(long row) { return dynamic_cast<PSTableCell&>(*m_page->table()->cellForRowAtIndexPath({0, row})); }
    // A tap on the row's label, beside its field.
    void tapRow(long row)
    {
        uikit::CGRect frame = cell(row).frameInWindow();
        Touchscreen().tap({frame.minX() + 30, frame.minY() + frame.height() / 2});
    }

private:
    std::shared_ptr<RecordingDelegate> m_recorder;
    std::shared_ptr<PSListController> m_page;
};

TEST(EditTextCell, ShowsTheValueInAFieldThatATapFocusesAndCommitsAtTheReturnKey)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    TextRowsPage rows(phone, {{"Name", PSEditTextCell}}, "Work");
    UITextField* field = rows.cell(0).editField();
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->text(), "Work");
    Touchscreen().tap(centreOf(*field));
    EXPECT_TRUE(field->isFirstResponder());
    EXPECT_TRUE(Keyboard::isVisible());
    Keyboard::erase(4);
    Keyboard::type("Home");
    EXPECT_TRUE(rows.recorder().calls.empty());

    Keyboard::type("\n");
    EXPECT_EQ(rows.recorder().calls, (Calls{"set Name = Home"}));
    EXPECT_EQ(UITextField::firstResponder(), nullptr);
    EXPECT_FALSE(Keyboard::isVisible());
}

TEST(EditTextCell, FocusingAnotherRowOrEndingEditingInThePageCommits)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    TextRowsPage rows(phone, {{"Name", PSEditTextCell}, {"Path", PSEditTextCell}}, "a");
    rows.tapRow(0);
    Keyboard::type("b");
    rows.tapRow(1);
    EXPECT_EQ(rows.recorder().calls, (Calls{"set Name = ab"}));
    EXPECT_TRUE(rows.cell(1).editField()->isFirstResponder());

    Keyboard::type("c");
    rows.page().view()->endEditing(true);
    EXPECT_EQ(rows.recorder().calls, (Calls{"set Name = ab", "set Path = ac"}));
}

TEST(EditTextCell, CommitsOnlyWhenTheTextWasEditedEvenIfBackToWhatItWas)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    TextRowsPage rows(phone, {{"Name", PSEditTextCell}}, "Work");
    rows.tapRow(0);
    rows.page().view()->endEditing(true);
    EXPECT_TRUE(rows.recorder().calls.empty());

    rows.tapRow(0);
    Keyboard::erase();
    Keyboard::type("k");
    rows.page().view()->endEditing(true);
    EXPECT_EQ(rows.recorder().calls, (Calls{"set Name = Work"}));
}

TEST(EditTextCell, ASecureRowShowsDotsAndCommitsThePlainText)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    TextRowsPage rows(phone, {{"Password", PSSecureEditTextCell}}, "1234");
    UITextField* field = rows.cell(0).editField();
    EXPECT_TRUE(field->isSecureTextEntry());
    EXPECT_EQ(field->shownText(), "••••");

    rows.tapRow(0);
    Keyboard::type("5\n");
    EXPECT_EQ(rows.recorder().calls, (Calls{"set Password = 12345"}));
}

}  // namespace
}  // namespace device::preferences
