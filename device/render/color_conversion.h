#pragma once

#include "device/render/canvas.h"
#include "device/uikit/color.h"
#include "device/uikit/image.h"

namespace device::render {

inline Color toColor(const uikit::UIColor& color)
{
    return {color.red, color.green, color.blue, color.alpha};
}

inline ImageRef toImageRef(const uikit::UIImage& image)
{
    return {image.pixelWidth(), image.pixelHeight(), image.rgba(), image.scale()};
}

inline Rect toRect(const uikit::CGRect& rect)
{
    return {rect.origin.x, rect.origin.y, rect.size.width, rect.size.height};
}

}  // namespace device::render
