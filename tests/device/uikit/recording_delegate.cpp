#include "tests/device/uikit/recording_delegate.h"

#include "device/objc/class_builder.h"

namespace testing_support {

std::shared_ptr<RecordingDelegate> RecordingDelegate::make()
{
    device::objc::ClassBuilder<RecordingDelegate>("NSObject")
        .method<&RecordingDelegate::alertViewClickedButtonAtIndex>("alertView:clickedButtonAtIndex:")
        .method<&RecordingDelegate::alertViewDidDismissWithButtonIndex>("alertView:didDismissWithButtonIndex:")
        .method<&RecordingDelegate::actionSheetClickedButtonAtIndex>("actionSheet:clickedButtonAtIndex:")
        .method<&RecordingDelegate::actionSheetDidDismissWithButtonIndex>("actionSheet:didDismissWithButtonIndex:")
        .method<&RecordingDelegate::actionSheetCancel>("actionSheetCancel:")
        .method<&RecordingDelegate::textFieldShouldBeginEditing>("textFieldShouldBeginEditing:")
        .method<&RecordingDelegate::textFieldDidBeginEditing>("textFieldDidBeginEditing:")
        .method<&RecordingDelegate::textFieldShouldChangeCharactersInRangeReplacementString>(
            "textField:shouldChangeCharactersInRange:replacementString:")
        .method<&RecordingDelegate::textFieldShouldReturn>("textFieldShouldReturn:")
        .method<&RecordingDelegate::textFieldDidEndEditing>("textFieldDidEndEditing:")
        .method<&RecordingDelegate::editingDidBegin>("editingDidBegin:")
        .method<&RecordingDelegate::editingChanged>("editingChanged:")
        .method<&RecordingDelegate::editingDidEnd>("editingDidEnd:")
        .method<&RecordingDelegate::searchBarTextDidBeginEditing>("searchBarTextDidBeginEditing:")
        .method<&RecordingDelegate::searchBarTextDidChange>("searchBar:textDidChange:")
        .method<&RecordingDelegate::searchBarTextDidEndEditing>("searchBarTextDidEndEditing:")
        .method<&RecordingDelegate::searchBarCancelButtonClicked>("searchBarCancelButtonClicked:")
        .method<&RecordingDelegate::valueOf>("valueOf:")
        .method<&RecordingDelegate::setValueSpecifier>("setValue:specifier:");
    return device::objc::create<RecordingDelegate>();
}

bool RecordingDelegate::textFieldShouldChangeCharactersInRangeReplacementString(UITextField*,
                                                                               device::foundation::NSRange range,
                                                                               std::string replacement)
{
    calls.push_back("change " + std::to_string(range.location) + "+" + std::to_string(range.length) + " '"
                    + replacement + "'");
    return replacement != refused;
}

void RecordingDelegate::setValueSpecifier(device::foundation::PlistValue newValue, PSSpecifier* row)
{
    value = newValue.string() ? *newValue.string() : std::string();
    calls.push_back("set " + row->nameOrEmpty() + " = " + value);
}

}  // namespace testing_support
