#pragma once

#include "device/foundation/range.h"
#include "device/uikit/control.h"
#include "device/uikit/label.h"

#include <memory>
#include <string>

namespace device::uikit {

enum class UIKeyboardType { Default = 0, NumberPad = 4 };

// A one-line text field. It takes typed text while it is the first responder, which it stays even
// when hidden or outside every visible area. Its delegate hears the platform's questions and
// notices through the runtime.
class UITextField : public UIControl {
public:
    static constexpr std::string_view className = "UITextField";

    explicit UITextField(CGRect frame = CGRectMake(0, 0, 200, 31)) : UIControl(frame) {}

    // The field that typed text reaches, if any: there is one first responder at a time.
    static UITextField* firstResponder();
    // A new launch of the app starts without a first responder.
    static void resetFirstResponder();

    const std::string& text() const { return m_text; }
    void setText(std::string text);
    const std::string& placeholder() const { return m_placeholder; }
    void setPlaceholder(std::string placeholder);
    // The text as the field shows it: one dot a character when the entry is secure.
    std::string shownText() const;

    UIKeyboardType keyboardType() const { return m_keyboardType; }
    void setKeyboardType(UIKeyboardType type);
    bool isSecureTextEntry() const { return m_secure; }
    void setSecureTextEntry(bool secure);
    NSTextAlignment textAlignment() const { return m_alignment; }
    void setTextAlignment(NSTextAlignment alignment);
    const UIFont& font() const { return m_font; }
    void setFont(UIFont font);
    const UIColor& textColor() const { return m_textColor; }
    void setTextColor(UIColor color);

    objc::Object* delegate() const { return m_delegate.lock().get(); }
    void setDelegate(objc::id delegate);

    bool becomeFirstResponder();
    bool resignFirstResponder();
    bool isFirstResponder() const { return firstResponder() == this; }

    // What the keyboard's keys do: a character inserted at the end ("\n" is the return key), and
    // the delete key.
    void insertText(const std::string& text);
    void deleteBackward();

    void setFrame(CGRect frame) override;

protected:
    // A tap on the field gives it the focus.
    void endTracking(TouchRelease where) override;

private:
    void replaceCharacters(foundation::NSRange range, const std::string& replacement);
    void returnKey();
    // The label that shows the text or the placeholder, made on first use.
    void refreshLabel();

    std::string m_text;
    std::string m_placeholder;
    UIKeyboardType m_keyboardType = UIKeyboardType::Default;
    bool m_secure = false;
    NSTextAlignment m_alignment = NSTextAlignment::Left;
    UIFont m_font;
    UIColor m_textColor = UIColor::blackColor();
    std::weak_ptr<objc::Object> m_delegate;
    std::shared_ptr<UILabel> m_label;
};

}  // namespace device::uikit
