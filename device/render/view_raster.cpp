#include "device/render/view_raster.h"

#include "device/foundation/run_loop.h"
#include "device/render/color_conversion.h"
#include "device/render/view_content.h"
#include "device/uikit/screen.h"
#include "device/uikit/window.h"

#include <cmath>

namespace device::render {
namespace {

void drawBackground(const uikit::UIColor& color, const graphics::Rect& bounds, double cornerRadius, graphics::Canvas& canvas)
{
    if (color.pattern) {
        canvas.save();
        canvas.clipToRoundedRect(bounds, cornerRadius);
        canvas.setAlpha(canvas.alpha() * color.alpha);
        canvas.fillPattern(bounds, toImageRef(*color.pattern));
        canvas.restore();
    } else if (!color.isClear()) {
        canvas.fillRoundedRect(bounds, cornerRadius, toColor(color));
    }
}

}  // namespace

void drawViewTree(const uikit::UIView& view, graphics::Canvas& canvas, double now)
{
    double alpha = view.presentationAlpha(now);
    if (view.isHidden() || alpha <= 0) {
        return;
    }
    graphics::Rect frame = toRect(view.presentationFrame(now));
    const uikit::CALayer& layer = view.layer();
    bool clips = view.clipsToBounds() || layer.masksToBounds;
    // Unclipped subviews may lie outside their superview, so only a clipping view can be skipped whole.
    if (clips && !canvas.reachesClip(frame)) {
        return;
    }
    canvas.save();
    canvas.translate(frame.x, frame.y);
    canvas.setAlpha(canvas.alpha() * alpha);
    graphics::Rect bounds{0, 0, frame.width, frame.height};
    double radius = layer.cornerRadius;
    drawBackground(view.presentationBackgroundColor(now), bounds, radius, canvas);
    if (canvas.reachesClip(bounds)) {
        drawViewContent(view, canvas, bounds);
    }
    if (!view.subviews().empty()) {
        canvas.save();
        if (clips) {
            canvas.clipToRoundedRect(bounds, radius);
        }
        uikit::CGRect scrolled = view.presentationBounds(now);
        canvas.translate(-scrolled.origin.x, -scrolled.origin.y);
        // Drawing may ask a table a question that reloads it: draw the subviews as they were.
        auto subviews = view.subviews();
        for (const auto& subview : subviews) {
            drawViewTree(*subview, canvas, now);
        }
        canvas.restore();
    }
    if (layer.borderWidth > 0) {
        canvas.strokeRoundedRect(bounds, radius, layer.borderWidth, toColor(layer.borderColor));
    }
    canvas.restore();
}

graphics::Bitmap renderWindow(uikit::UIWindow& window)
{
    window.layoutIfNeeded();
    double scale = uikit::UIScreen::mainScreen().scale();
    uikit::CGRect frame = window.frame();
    graphics::Bitmap bitmap(static_cast<int>(std::lround(frame.width() * scale)),
                  static_cast<int>(std::lround(frame.height() * scale)));
    graphics::Canvas canvas(bitmap, scale);
    canvas.fillRect({0, 0, frame.width(), frame.height()}, {0, 0, 0, 1});
    // The window is the screen: its own origin is the screen's.
    canvas.translate(-frame.origin.x, -frame.origin.y);
    drawViewTree(window, canvas, foundation::RunLoop::main().now());
    return bitmap;
}

}  // namespace device::render
