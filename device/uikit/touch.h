#pragma once

#include "device/uikit/geometry.h"

#include <memory>

namespace device::uikit {

class UIView;

// The platform's values; a finger here is never stationary nor cancelled.
enum class UITouchPhase { Began = 0, Moved = 1, Ended = 3 };

// One finger on the screen, from the moment it lands until it lifts. Locations are kept in window
// coordinates, which are screen points.
class UITouch {
public:
    UITouch(CGPoint location, double timestamp) : m_location(location), m_timestamp(timestamp) {}

    UITouchPhase phase() const { return m_phase; }
    double timestamp() const { return m_timestamp; }
    // The view the finger landed on; it keeps the touch until the finger lifts.
    UIView* view() const { return m_view.get(); }
    void setView(std::shared_ptr<UIView> view) { m_view = std::move(view); }

    // No view stands for the window.
    CGPoint locationInView(const UIView* view) const;

    // What the screen reports at each frame.
    void update(UITouchPhase phase, CGPoint location, double timestamp);

private:
    UITouchPhase m_phase = UITouchPhase::Began;
    CGPoint m_location;
    double m_timestamp;
    std::shared_ptr<UIView> m_view;
};

}  // namespace device::uikit
