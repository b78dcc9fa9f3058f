#include "device/uikit/modal_ui.h"

#include "device/objc/class_builder.h"
#include "device/uikit/action_sheet.h"
#include "device/uikit/alert_view.h"
#include "device/uikit/search_bar.h"
#include "device/uikit/text_field.h"
#include "device/uikit/tweet_compose_view_controller.h"

namespace device::uikit {

using objc::ClassBuilder;

void registerModalUIClasses()
{
    ClassBuilder<UITextField>("UIControl");
    ClassBuilder<UISearchBar>("UIView")
        .method<&UISearchBar::textFieldDidBeginEditing>("textFieldDidBeginEditing:")
        .method<&UISearchBar::textFieldDidEndEditing>("textFieldDidEndEditing:")
        .method<&UISearchBar::searchFieldChanged>("_searchFieldEditingChanged:")
        .method<&UISearchBar::cancelButtonPressed>("_cancelButtonPressed:");
    ClassBuilder<UIAlertView>("UIView").method<&UIAlertView::buttonClicked>("_buttonClicked:");
    ClassBuilder<UIActionSheet>("UIView")
        .method<&UIActionSheet::buttonClicked>("_buttonClicked:")
        .method<&UIActionSheet::outsideTapped>("_outsideTapped:");
    ClassBuilder<TWTweetComposeViewController>("UIViewController")
        .method<&TWTweetComposeViewController::viewWillAppear>("viewWillAppear:")
        .method<&TWTweetComposeViewController::cancelPressed>("_cancelPressed:")
        .method<&TWTweetComposeViewController::sendPressed>("_sendPressed:");
}

void resetModalUI()
{
    UIAlertView::reset();
    UIActionSheet::reset();
    UITextField::resetFirstResponder();
}

}  // namespace device::uikit
