#pragma once

#include "device/uikit/font.h"
#include "device/uikit/view.h"

#include <string>

namespace device::uikit {

enum class NSTextAlignment { Left = 0, Center = 1, Right = 2 };

class UILabel : public UIView {
public:
    static constexpr std::string_view className = "UILabel";

    // Takes no touches unless told to, as on the platform.
    UILabel() { setUserInteractionEnabled(false); }
    explicit UILabel(CGRect frame) : UIView(frame) { setUserInteractionEnabled(false); }

    const std::string& text() const { return m_text; }
    void setText(std::string text) { m_text = std::move(text); }
    const UIFont& font() const { return m_font; }
    void setFont(UIFont font) { m_font = font; }
    const UIColor& textColor() const { return m_textColor; }
    void setTextColor(UIColor color) { m_textColor = std::move(color); }
    NSTextAlignment textAlignment() const { return m_alignment; }
    void setTextAlignment(NSTextAlignment alignment) { m_alignment = alignment; }
    int numberOfLines() const { return m_numberOfLines; }
    void setNumberOfLines(int lines) { m_numberOfLines = lines; }
    // Resizes the label around its text in its font, keeping its origin: one line's height per line, as wide
    // as the widest line.
    void sizeToFit();

private:
    std::string m_text;
    UIFont m_font;
    UIColor m_textColor = UIColor::blackColor();
    NSTextAlignment m_alignment = NSTextAlignment::Left;
    int m_numberOfLines = 1;
};

}  // namespace device::uikit
