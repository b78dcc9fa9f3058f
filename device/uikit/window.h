#pragma once

#include "device/uikit/touch_dispatch.h"
#include "device/uikit/view.h"
#include "device/uikit/view_controller.h"

#include <map>
#include <memory>
#include <vector>

namespace device::uikit {

class UITouch;

// The app's window. From the back: the root controller's view; the views of presented controllers
// (a tablet's form sheet over a dimming view); views added as subviews by hand; the overlays
// (alerts, sheets, the keyboard), the last added on top.
//
// Touches: a finger is driven by a Touchscreen (touchscreen.h), which lays the window out and
// hands each phase of the touch to sendTouch. The touch lands on hitTest's view; the gesture
// recognisers of that view and of its ancestors see it first, then the view's touchesBegan,
// touchesMoved, touchesEnded or touchesCancelled (UIView, UIControl and the table and scroll views
// override them; a view that does not passes the touch to its superview).
class UIWindow : public UIView {
public:
    static constexpr std::string_view className = "UIWindow";

    using UIView::UIView;

    UIViewController* rootViewController() const { return m_root.get(); }
    void setRootViewController(std::shared_ptr<UIViewController> controller);

    // An overlay stays above everything else until it is removed, here or from its superview.
    void addOverlay(std::shared_ptr<UIView> view);
    void removeOverlay(UIView* view);

    void layoutSubviews() override;

    void sendTouch(UITouch& touch);

private:
    std::shared_ptr<UIViewController> m_root;
    std::vector<std::weak_ptr<UIView>> m_overlays;
    std::vector<std::shared_ptr<UIView>> m_presentationViews;
    std::map<const UIViewController*, std::shared_ptr<UIView>> m_dimmingViews;
    TouchDispatch m_touches;
};

}  // namespace device::uikit
