#include "device/uikit/search_bar.h"

#include "device/objc/message.h"

namespace device::uikit {

namespace {

constexpr double kInset = 8;
constexpr double kCancelWidth = 60;

}  // namespace

UITextField* UISearchBar::searchField()
{
    if (!m_field) {
        m_field = objc::create<UITextField>();
        m_field->setDelegate(this);
        m_field->addTargetActionForControlEvents(this, objc::sel_registerName("_searchFieldEditingChanged:"),
                                                 UIControlEventEditingChanged);
        m_field->setBackgroundColor(UIColor::white(0.9));
        m_field->layer().cornerRadius = 5;
        m_field->setFont(UIFont::systemFontOfSize(14));
        addSubview(m_field);
        layOut();
    }
    return m_field.get();
}

void UISearchBar::setText(std::string text)
{
    searchField()->setText(std::move(text));
}

void UISearchBar::setPlaceholder(std::string placeholder)
{
    searchField()->setPlaceholder(std::move(placeholder));
}

void UISearchBar::setShowsCancelButton(bool shows)
{
    if (shows == showsCancelButton()) {
        return;
    }
    if (shows) {
        m_cancelButton = UIButton::buttonWithType(UIButtonType::System);
        m_cancelButton->setTitle("Cancel");
        m_cancelButton->addTargetActionForControlEvents(this, objc::sel_registerName("_cancelButtonPressed:"),
                                                        UIControlEventTouchUpInside);
        addSubview(m_cancelButton);
    } else {
        m_cancelButton->removeFromSuperview();
        m_cancelButton.reset();
    }
    layOut();
}

void UISearchBar::setShowsCancelButtonAnimated(bool shows, bool)
{
    setShowsCancelButton(shows);
}

void UISearchBar::setSearchBarStyle(UISearchBarStyle style)
{
    m_style = style;
    layOut();
}

void UISearchBar::setDelegate(objc::id delegate)
{
    m_delegate = objc::weakReference(delegate);
    layOut();
}

void UISearchBar::setFrame(CGRect frame)
{
    UIView::setFrame(frame);
    layOut();
}

void UISearchBar::layOut()
{
    setBackgroundColor(m_style == UISearchBarStyle::Minimal ? UIColor::clearColor() : UIColor::rgba(0.79, 0.79, 0.81));
    CGRect inside = bounds();
    double cancel = m_cancelButton ? kCancelWidth : 0;
    searchField()->setFrame(
        CGRectMake(kInset, kInset, inside.width() - 2 * kInset - cancel, inside.height() - 2 * kInset));
    if (m_cancelButton) {
        m_cancelButton->setFrame(CGRectMake(inside.width() - cancel - kInset / 2, 0, cancel, inside.height()));
    }
}

void UISearchBar::textFieldDidBeginEditing(UITextField*)
{
    if (objc::respondsTo(delegate(), "searchBarTextDidBeginEditing:")) {
        objc::msgSend<void>(delegate(), "searchBarTextDidBeginEditing:", this);
    }
}

void UISearchBar::textFieldDidEndEditing(UITextField*)
{
    if (objc::respondsTo(delegate(), "searchBarTextDidEndEditing:")) {
        objc::msgSend<void>(delegate(), "searchBarTextDidEndEditing:", this);
    }
}

void UISearchBar::searchFieldChanged(UITextField* field)
{
    if (objc::respondsTo(delegate(), "searchBar:textDidChange:")) {
        objc::msgSend<void>(delegate(), "searchBar:textDidChange:", this, field->text());
    }
}

void UISearchBar::cancelButtonPressed(UIButton*)
{
    if (objc::respondsTo(delegate(), "searchBarCancelButtonClicked:")) {
        objc::msgSend<void>(delegate(), "searchBarCancelButtonClicked:", this);
    }
}

}  // namespace device::uikit
