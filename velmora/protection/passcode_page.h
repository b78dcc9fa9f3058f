#pragma once

#include "velmora/pane/pane_list_controller.h"

#include "device/foundation/plist_value.h"
#include "device/uikit/text_field.h"

#include <string_view>

namespace velmora::protection {

// Switches passcode protection and sets or changes the four-digit passcode. While protection is on
// the page asks for the passcode each time it appears.
class passwordController
    : public pane::PaneListController<device::preferences::PSListController, core::PageList::Passcode> {
public:
    static constexpr std::string_view className = "passwordController";

    void viewWillAppear(bool animated);
    device::foundation::PlistValue enable(device::preferences::PSSpecifier* row);
    void setEnable(device::foundation::PlistValue value, device::preferences::PSSpecifier* row);
    void changePass();
    void dismiss();
    void dismiss1();
    void textFieldDidChange(device::uikit::UITextField* field);
    void textFieldDidChange1(device::uikit::UITextField* field);
    void textFieldDidChange2(device::uikit::UITextField* field);

protected:
    void buildRows(core::EntryList& list) override;

private:
    void refreshSwitch();
};

void registerPasswordController();

}  // namespace velmora::protection
