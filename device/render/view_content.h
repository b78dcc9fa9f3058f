#pragma once

#include "device/graphics/canvas.h"

namespace device::uikit {
class UIView;
}

namespace device::render {

// What a view draws of its own between its background and its subviews: a label's text, an image
// view's picture, a switch, a cell's separators and accessory, and so on. Plain views draw nothing.
void drawViewContent(const uikit::UIView& view, graphics::Canvas& canvas, const graphics::Rect& bounds);

}  // namespace device::render
