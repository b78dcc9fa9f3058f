#include "device/foundation/run_loop.h"
#include "device/render/view_raster.h"
#include "device/uikit/graphics_context.h"
#include "device/uikit/layer.h"
#include "device/uikit/view.h"

#include <cmath>

// The layer's rendering is declared with the layer but drawn by the raster renderer, which knows every view.
namespace device::uikit {

void CALayer::renderInContext(CGContextRef context) const
{
    if (!context) {
        return;
    }
    CGAffineTransform ctm = context->ctm();
    double scale = ctm.a;
    if (!(scale > 0) || !std::isfinite(scale) || ctm.d != scale) {
        return;
    }
    m_view.layoutIfNeeded();
    graphics::Canvas canvas(context->bitmap(), scale);
    canvas.translate(ctm.tx / scale, ctm.ty / scale);
    // drawViewTree places a view at its frame within its superview; the layer draws at its own origin.
    CGRect frame = m_view.presentationFrame(foundation::RunLoop::main().now());
    canvas.translate(-frame.origin.x, -frame.origin.y);
    render::drawViewTree(m_view, canvas, foundation::RunLoop::main().now());
}

}  // namespace device::uikit
