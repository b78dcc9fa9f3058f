#include "device/uikit/graphics_font.h"

namespace device::uikit {

graphics::Font fontOf(const UIFont& font, double scale)
{
    graphics::FontWeight weight = graphics::FontWeight::Regular;
    switch (font.weight) {
    case UIFontWeight::Light:
        weight = graphics::FontWeight::Light;
        break;
    case UIFontWeight::Bold:
        weight = graphics::FontWeight::Bold;
        break;
    case UIFontWeight::Regular:
        break;
    }
    return graphics::Font(font.pointSize, weight, scale);
}

}  // namespace device::uikit
