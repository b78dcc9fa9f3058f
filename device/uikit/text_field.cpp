#include "device/uikit/text_field.h"

#include "device/objc/message.h"
#include "device/uikit/character_count.h"
#include "device/uikit/keyboard.h"

#include <utility>

namespace device::uikit {

namespace {

// Held, not observed: a field keeps the focus (and its typed text) until editing ends.
std::shared_ptr<UITextField> g_firstResponder;

// Characters beyond the basic plane take two UTF-16 units, four UTF-8 bytes.
std::size_t utf16Length(std::string_view text)
{
    std::size_t units = 0;
    for (char byte : text) {
        if (startsCharacter(byte)) {
            units += static_cast<unsigned char>(byte) >= 0xF0 ? 2 : 1;
        }
    }
    return units;
}

std::size_t byteOffset(std::string_view text, std::size_t utf16Offset)
{
    std::size_t units = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (startsCharacter(text[i])) {
            if (units >= utf16Offset) {
                return i;
            }
            units += static_cast<unsigned char>(text[i]) >= 0xF0 ? 2 : 1;
        }
    }
    return text.size();
}

}  // namespace

UITextField* UITextField::firstResponder()
{
    return g_firstResponder.get();
}

void UITextField::resetFirstResponder()
{
    g_firstResponder.reset();
    Keyboard::update();
}

void UITextField::setText(std::string text)
{
    m_text = std::move(text);
    refreshLabel();
}

void UITextField::setPlaceholder(std::string placeholder)
{
    m_placeholder = std::move(placeholder);
    refreshLabel();
}

std::string UITextField::shownText() const
{
    if (!m_secure) {
        return m_text;
    }
    std::string dots;
    for (std::size_t i = 0, n = utf16Length(m_text); i < n; ++i) {
        dots += "•";
    }
    return dots;
}

void UITextField::setKeyboardType(UIKeyboardType type)
{
    m_keyboardType = type;
    if (isFirstResponder()) {
        Keyboard::update();
    }
}

void UITextField::setSecureTextEntry(bool secure)
{
    m_secure = secure;
    refreshLabel();
}

void UITextField::setTextAlignment(NSTextAlignment alignment)
{
    m_alignment = alignment;
    refreshLabel();
}

void UITextField::setFont(UIFont font)
{
    m_font = font;
    refreshLabel();
}

void UITextField::setTextColor(UIColor color)
{
    m_textColor = std::move(color);
    refreshLabel();
}

void UITextField::setDelegate(objc::id delegate)
{
    m_delegate = objc::weakReference(delegate);
}

bool UITextField::becomeFirstResponder()
{
    if (isFirstResponder()) {
        return true;
    }
    auto keepAlive = retained<UITextField>();
    if (objc::respondsTo(delegate(), "textFieldShouldBeginEditing:")
        && !objc::msgSend<bool>(delegate(), "textFieldShouldBeginEditing:", this)) {
        return false;
    }
    if (g_firstResponder) {
        g_firstResponder->resignFirstResponder();
    }
    g_firstResponder = keepAlive;
    Keyboard::update();
    if (objc::respondsTo(delegate(), "textFieldDidBeginEditing:")) {
        objc::msgSend<void>(delegate(), "textFieldDidBeginEditing:", this);
    }
    sendActionsForControlEvents(UIControlEventEditingDidBegin);
    return true;
}

bool UITextField::resignFirstResponder()
{
    if (!isFirstResponder()) {
        return true;
    }
    auto keepAlive = std::exchange(g_firstResponder, nullptr);
    Keyboard::update();
    if (objc::respondsTo(delegate(), "textFieldDidEndEditing:")) {
        objc::msgSend<void>(delegate(), "textFieldDidEndEditing:", this);
    }
    sendActionsForControlEvents(UIControlEventEditingDidEnd);
    return true;
}

void UITextField::insertText(const std::string& text)
{
    if (text == "\n") {
        returnKey();
        return;
    }
    replaceCharacters({utf16Length(m_text), 0}, text);
}

void UITextField::deleteBackward()
{
    if (m_text.empty()) {
        return;
    }
    std::size_t last = m_text.size() - 1;
    while (last > 0 && !startsCharacter(m_text[last])) {
        --last;
    }
    std::string_view before(m_text.data(), last);
    replaceCharacters({utf16Length(before), utf16Length(m_text) - utf16Length(before)}, "");
}

void UITextField::replaceCharacters(foundation::NSRange range, const std::string& replacement)
{
    auto keepAlive = retained<UITextField>();
    if (objc::respondsTo(delegate(), "textField:shouldChangeCharactersInRange:replacementString:")
        && !objc::msgSend<bool>(delegate(), "textField:shouldChangeCharactersInRange:replacementString:", this, range,
                                replacement)) {
        return;
    }
    std::size_t from = byteOffset(m_text, range.location);
    std::size_t to = byteOffset(m_text, range.location + range.length);
    m_text.replace(from, to - from, replacement);
    refreshLabel();
    sendActionsForControlEvents(UIControlEventEditingChanged);
}

void UITextField::returnKey()
{
    // The answer only matters to fields that end editing on exit, which nothing here asks for.
    if (objc::respondsTo(delegate(), "textFieldShouldReturn:")) {
        objc::msgSend<bool>(delegate(), "textFieldShouldReturn:", this);
    }
}

void UITextField::endTracking(TouchRelease where)
{
    auto keepAlive = retained<UITextField>();
    UIControl::endTracking(where);
    if (where == TouchRelease::Inside) {
        becomeFirstResponder();
    }
}

void UITextField::setFrame(CGRect frame)
{
    UIControl::setFrame(frame);
    if (m_label) {
        m_label->setFrame(bounds());
    }
}

void UITextField::refreshLabel()
{
    if (!m_label) {
        m_label = objc::create<UILabel>(bounds());
        m_label->setUserInteractionEnabled(false);
        addSubview(m_label);
    }
    bool showsPlaceholder = m_text.empty();
    m_label->setText(showsPlaceholder ? m_placeholder : shownText());
    m_label->setTextColor(showsPlaceholder ? UIColor::white(0.7) : m_textColor);
    m_label->setTextAlignment(m_alignment);
    m_label->setFont(m_font);
}

// Defined with the text fields: they are the only responders that hold the focus here, and nothing
// refuses to end editing, so forcing changes nothing.
bool UIView::endEditing(bool)
{
    UITextField* field = UITextField::firstResponder();
    return !field || !field->isDescendantOf(this) || field->resignFirstResponder();
}

}  // namespace device::uikit
