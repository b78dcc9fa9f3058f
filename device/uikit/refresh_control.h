#pragma once

#include "device/uikit/control.h"

namespace device::uikit {

// Lies above a scroll view's content; the scroll view starts it when pulled (see UIScrollView).
class UIRefreshControl : public UIControl {
public:
    static constexpr std::string_view className = "UIRefreshControl";

    UIRefreshControl() : UIControl(CGRectMake(0, -60, 320, 60)) {}

    bool isRefreshing() const { return m_refreshing; }
    void beginRefreshing() { m_refreshing = true; }
    // The scroll view gives back the room the control was shown in.
    void endRefreshing();
    const UIColor& tintColor() const { return m_tintColor; }
    void setTintColor(UIColor color) { m_tintColor = std::move(color); }

private:
    bool m_refreshing = false;
    UIColor m_tintColor = UIColor::white(0.5);
};

}  // namespace device::uikit
