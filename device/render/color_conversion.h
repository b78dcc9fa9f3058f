#pragma once

#include "device/graphics/canvas.h"
#include "device/uikit/color.h"
#include "device/uikit/image.h"

namespace device::render {

inline graphics::Color toColor(const uikit::UIColor& color)
{
    return {color.red, color.green, color.blue, color.alpha};
}

inline graphics::ImageRef toImageRef(const uikit::UIImage& image)
{
    return {image.pixelWidth(), image.pixelHeight(), image.rgba(), image.scale()};
}

inline graphics::Rect toRect(const uikit::CGRect& rect)
{
    return {rect.origin.x, rect.origin.y, rect.size.width, rect.size.height};
}

}  // namespace device::render
