#include "device/uikit/touchscreen.h"

#include "device/foundation/run_loop.h"
#include "device/uikit/application.h"
#include "device/uikit/touch.h"

#include <algorithm>

namespace device::uikit {

Touchscreen::Touchscreen() = default;

Touchscreen::~Touchscreen() = default;

void Touchscreen::tap(CGPoint point)
{
    press(point);
    release();
}

void Touchscreen::pan(CGPoint from, CGPoint to, int steps)
{
    press(from);
    steps = std::max(steps, 1);
    for (int i = 1; i <= steps; ++i) {
        double t = static_cast<double>(i) / steps;
        move({from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t});
    }
    release();
}

void Touchscreen::press(CGPoint point)
{
    if (m_touch) {
        release();
    }
    UIWindow* window = UIApplication::sharedApplication().keyWindow();
    if (!window) {
        return;
    }
    m_window = window->retained<UIWindow>();
    m_touch = std::make_unique<UITouch>(point, foundation::RunLoop::main().now());
    send(point);
}

void Touchscreen::move(CGPoint point)
{
    if (m_touch) {
        m_touch->update(UITouchPhase::Moved, point, foundation::RunLoop::main().now());
        send(point);
    }
}

void Touchscreen::release()
{
    if (m_touch) {
        m_touch->update(UITouchPhase::Ended, m_location, foundation::RunLoop::main().now());
        send(m_location);
        m_touch.reset();
    }
}

void Touchscreen::send(CGPoint point)
{
    m_location = point;
    if (auto window = m_window.lock()) {
        window->layoutIfNeeded();
        window->sendTouch(*m_touch);
    }
    foundation::RunLoop::main().advance(kFrameSeconds);
}

}  // namespace device::uikit
