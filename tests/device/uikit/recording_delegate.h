#pragma once

#include "device/foundation/plist_value.h"
#include "device/foundation/range.h"
#include "device/objc/object.h"
#include "device/preferences/specifier.h"
#include "device/uikit/action_sheet.h"
#include "device/uikit/alert_view.h"
#include "device/uikit/search_bar.h"
#include "device/uikit/text_field.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

// A delegate, target and row accessor object of the library's kind: registered with the runtime, so
// that the platform reaches it by selector. It writes down every call it hears, in order.
class RecordingDelegate : public device::objc::Object {
public:
    using UIAlertView = device::uikit::UIAlertView;
    using UIActionSheet = device::uikit::UIActionSheet;
    using UITextField = device::uikit::UITextField;
    using UISearchBar = device::uikit::UISearchBar;
    using PSSpecifier = device::preferences::PSSpecifier;

    static constexpr std::string_view className = "RecordingDelegate";

    static std::shared_ptr<RecordingDelegate> make();

    std::vector<std::string> calls;
    // Text that textField:shouldChangeCharactersInRange:replacementString: refuses.
    std::optional<std::string> refused;
    // The value of its rows, which the row getter answers and the row setter changes.
    std::string value;

    void alertViewClickedButtonAtIndex(UIAlertView*, long i) { calls.push_back("clicked " + std::to_string(i)); }
    void alertViewDidDismissWithButtonIndex(UIAlertView*, long i) { calls.push_back("dismissed " + std::to_string(i)); }
    void actionSheetClickedButtonAtIndex(UIActionSheet*, long i) { calls.push_back("clicked " + std::to_string(i)); }
    void actionSheetDidDismissWithButtonIndex(UIActionSheet*, long i)
    {
        calls.push_back("dismissed " + std::to_string(i));
    }
    void actionSheetCancel(UIActionSheet*) { calls.push_back("cancel"); }

    bool textFieldShouldBeginEditing(UITextField*)
    {
        calls.push_back("should begin");
        return true;
    }
    void textFieldDidBeginEditing(UITextField*) { calls.push_back("did begin"); }
    bool textFieldShouldChangeCharactersInRangeReplacementString(UITextField* field, device::foundation::NSRange range,
                                                                 std::string replacement);
    bool textFieldShouldReturn(UITextField*)
    {
        calls.push_back("return");
        return true;
    }
    void textFieldDidEndEditing(UITextField*) { calls.push_back("did end"); }
    void editingDidBegin(UITextField*) { calls.push_back("event began"); }
    void editingChanged(UITextField* field) { calls.push_back("event changed " + field->text()); }
    void editingDidEnd(UITextField*) { calls.push_back("event ended"); }

    void searchBarTextDidBeginEditing(UISearchBar*) { calls.push_back("search began"); }
    void searchBarTextDidChange(UISearchBar*, std::string text) { calls.push_back("search text " + text); }
    void searchBarTextDidEndEditing(UISearchBar*) { calls.push_back("search ended"); }
    void searchBarCancelButtonClicked(UISearchBar*) { calls.push_back("search cancelled"); }

    device::foundation::PlistValue valueOf(PSSpecifier*) { return value; }
    void setValueSpecifier(device::foundation::PlistValue newValue, PSSpecifier* row);
};

}  // namespace testing_support
