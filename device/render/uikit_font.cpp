#include "device/render/uikit_font.h"

namespace device::render {

Font fontOf(const uikit::UIFont& font, double scale)
{
    FontWeight weight = FontWeight::Regular;
    switch (font.weight) {
    case uikit::UIFontWeight::Light:
        weight = FontWeight::Light;
        break;
    case uikit::UIFontWeight::Bold:
        weight = FontWeight::Bold;
        break;
    case uikit::UIFontWeight::Regular:
        break;
    }
    return Font(font.pointSize, weight, scale);
}

}  // namespace device::render
