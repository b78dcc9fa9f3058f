#pragma once

#include "device/uikit/button.h"
#include "device/uikit/text_field.h"
#include "device/uikit/view.h"

#include <memory>
#include <string>

namespace device::uikit {

enum class UISearchBarStyle { Default = 0, Prominent = 1, Minimal = 2 };

// A search field with an optional cancel button. It is its field's delegate and passes what happens
// on to its own delegate through the runtime: searchBarTextDidBeginEditing:, searchBar:textDidChange:,
// searchBarTextDidEndEditing:, searchBarCancelButtonClicked:.
class UISearchBar : public UIView {
public:
    static constexpr std::string_view className = "UISearchBar";

    explicit UISearchBar(CGRect frame = CGRectMake(0, 0, 320, 44)) : UIView(frame) {}

    std::string text() const { return m_field ? m_field->text() : std::string(); }
    void setText(std::string text);
    std::string placeholder() const { return m_field ? m_field->placeholder() : std::string(); }
    void setPlaceholder(std::string placeholder);
    bool showsCancelButton() const { return m_cancelButton != nullptr; }
    void setShowsCancelButton(bool shows);
    void setShowsCancelButtonAnimated(bool shows, bool animated);
    UISearchBarStyle searchBarStyle() const { return m_style; }
    void setSearchBarStyle(UISearchBarStyle style);
    objc::Object* delegate() const { return m_delegate.lock().get(); }
    void setDelegate(objc::id delegate);

    UITextField* searchField();
    bool isFirstResponder() { return searchField()->isFirstResponder(); }

    void setFrame(CGRect frame) override;

    // What its field and its cancel button tell it.
    void textFieldDidBeginEditing(UITextField* field);
    void textFieldDidEndEditing(UITextField* field);
    void searchFieldChanged(UITextField* field);
    void cancelButtonPressed(UIButton* button);

private:
    void layOut();

    std::shared_ptr<UITextField> m_field;
    std::shared_ptr<UIButton> m_cancelButton;
    UISearchBarStyle m_style = UISearchBarStyle::Default;
    std::weak_ptr<objc::Object> m_delegate;
};

}  // namespace device::uikit
