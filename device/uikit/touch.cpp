#include "device/uikit/touch.h"

#include "device/uikit/view.h"

namespace device::uikit {

CGPoint UITouch::locationInView(const UIView* view) const
{
    return view ? view->convertPointFromView(m_location, nullptr) : m_location;
}

void UITouch::update(UITouchPhase phase, CGPoint location, double timestamp)
{
    m_phase = phase;
    m_location = location;
    m_timestamp = timestamp;
}

}  // namespace device::uikit
