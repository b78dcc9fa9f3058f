#include "device/uikit/label.h"

#include "device/uikit/graphics_font.h"
#include "device/uikit/screen.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace device::uikit {

void UILabel::sizeToFit()
{
    graphics::Font font = fontOf(m_font, UIScreen::mainScreen().scale());
    std::vector<std::string> lines;
    if (m_numberOfLines == 1) {
        lines.push_back(m_text);
    } else {
        // Without a width to wrap to, only the text's own line breaks start new lines.
        lines = font.wrapped(m_text, std::numeric_limits<double>::max(), m_numberOfLines);
    }
    double width = 0;
    for (const std::string& line : lines) {
        width = std::max(width, font.width(line));
    }
    double height = m_text.empty() ? 0 : font.lineHeight() * static_cast<double>(lines.size());
    CGRect frame = this->frame();
    setFrame(CGRectMake(frame.origin.x, frame.origin.y, std::ceil(width), std::ceil(height)));
}

}  // namespace device::uikit
