#pragma once

#include "device/graphics/bitmap.h"
#include "device/graphics/canvas.h"

namespace device::uikit {
class UIView;
class UIWindow;
}  // namespace device::uikit

namespace device::render {

// Draws a view and everything inside it as the screen shows it at the moment `now` of the run
// loop's clock: presentation frames, alphas, colours and scroll offsets, clips and rounded corners,
// each view's own content, its subviews, then its layer's border on top. The canvas's origin is the
// view's superview's origin.
void drawViewTree(const uikit::UIView& view, graphics::Canvas& canvas, double now);

// The window as the screen shows it now, at the screen's scale, opaque (black where nothing is drawn).
// The window is laid out first, as the platform does before it draws.
graphics::Bitmap renderWindow(uikit::UIWindow& window);

}  // namespace device::render
