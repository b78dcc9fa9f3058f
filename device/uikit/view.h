#pragma once

#include "device/objc/object.h"
#include "device/uikit/color.h"
#include "device/uikit/geometry.h"
#include "device/uikit/layer.h"
#include "device/uikit/view_animation.h"

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace device::uikit {

class UIGestureRecognizer;
class UITouch;
class UIViewController;

enum class UIViewContentMode { ScaleToFill = 0, ScaleAspectFit = 1, ScaleAspectFill = 2, Redraw = 3, Center = 4 };

class UIView : public objc::Object {
public:
    static constexpr std::string_view className = "UIView";

    UIView() = default;
    explicit UIView(CGRect frame) : m_frame(frame) {}

    CGRect frame() const { return m_frame; }
    virtual void setFrame(CGRect frame);
    // Bounds start at the scroll offset for scroll views; other views at the origin.
    virtual CGRect bounds() const { return {{0, 0}, m_frame.size}; }
    CGPoint center() const { return {m_frame.origin.x + m_frame.size.width / 2, m_frame.origin.y + m_frame.size.height / 2}; }

    const std::vector<std::shared_ptr<UIView>>& subviews() const { return m_subviews; }
    UIView* superview() const { return m_superview.lock().get(); }
    void addSubview(std::shared_ptr<UIView> view);
    void insertSubviewAtIndex(std::shared_ptr<UIView> view, std::size_t index);
    void removeFromSuperview();
    void bringSubviewToFront(UIView* view);
    UIView* viewWithTag(long tag);

    long tag() const { return m_tag; }
    void setTag(long tag) { m_tag = tag; }
    double alpha() const { return m_alpha; }
    void setAlpha(double alpha);
    bool isHidden() const { return m_hidden; }
    void setHidden(bool hidden) { m_hidden = hidden; }
    bool isUserInteractionEnabled() const { return m_userInteractionEnabled; }
    void setUserInteractionEnabled(bool enabled) { m_userInteractionEnabled = enabled; }
    bool clipsToBounds() const { return m_clipsToBounds; }
    void setClipsToBounds(bool clips) { m_clipsToBounds = clips; }
    const UIColor& backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(UIColor color);
    UIViewContentMode contentMode() const { return m_contentMode; }
    void setContentMode(UIViewContentMode mode) { m_contentMode = mode; }
    CALayer& layer() { return m_layer; }
    const CALayer& layer() const { return m_layer; }

    // A point in this view's coordinates, in the coordinates of the window (the top ancestor).
    CGPoint convertPointToWindow(CGPoint point) const;
    CGRect frameInWindow() const;
    // Between this view's coordinates and another view's; no view stands for the window.
    CGPoint convertPointToView(CGPoint point, const UIView* view) const;
    CGPoint convertPointFromView(CGPoint point, const UIView* view) const;
    CGRect convertRectToView(CGRect rect, const UIView* view) const;
    bool isDescendantOf(const UIView* ancestor) const;
    bool isVisibleOnScreen() const;

    // The view that a touch at this point (in this view's coordinates) lands on: the frontmost
    // subview that takes it, else this view. Hidden, transparent (alpha <= 0.01) and
    // non-interactive views, views being animated without the allow-user-interaction option, and
    // points outside the bounds are never hit. hitTest:withEvent: and pointInside:withEvent: without
    // the event, which nothing here needs.
    virtual UIView* hitTest(CGPoint point);
    virtual bool pointInside(CGPoint point) const;

    // The responder methods. A view that does not handle a touch passes it on to its superview, as
    // the platform's responder chain does.
    virtual void touchesBegan(UITouch& touch);
    virtual void touchesMoved(UITouch& touch);
    virtual void touchesEnded(UITouch& touch);
    virtual void touchesCancelled(UITouch& touch);

    void addGestureRecognizer(std::shared_ptr<UIGestureRecognizer> recognizer);
    void removeGestureRecognizer(UIGestureRecognizer* recognizer);
    const std::vector<std::shared_ptr<UIGestureRecognizer>>& gestureRecognizers() const { return m_recognizers; }

    // layoutSubviews places this view's subviews (a controller's view lets its controller do it);
    // layoutIfNeeded runs it down the whole tree, as the platform does before touches and drawing.
    virtual void layoutSubviews();
    void layoutIfNeeded();

    // Inside `animations`, changes of frame, alpha, background colour and scroll offset are
    // animated on the run loop's clock: the model values change at once, the presentation values
    // follow the curve, and completion hears whether the animations ran to their end (false when a
    // later animation of the same property replaced one of them).
    static void animateWithDuration(double duration, double delay, std::uint32_t options,
                                    const std::function<void()>& animations, std::function<void(bool)> completion);
    static void animateWithDuration(double duration, const std::function<void()>& animations,
                                    std::function<void(bool)> completion = {});
    // What the screen shows at a moment of the run loop's clock.
    CGRect presentationFrame(double now) const;
    double presentationAlpha(double now) const;
    UIColor presentationBackgroundColor(double now) const;
    virtual CGRect presentationBounds(double now) const;

    // Ends editing in this view or any view inside it: the first responder there resigns. Defined
    // with the text fields (text_field.cpp).
    bool endEditing(bool force);

protected:
    virtual void didMoveToSuperview() {}
    ViewAnimations& viewAnimations() { return m_animations; }
    const ViewAnimations& viewAnimations() const { return m_animations; }

private:
    friend class UIViewController;

    CGRect m_frame;
    std::vector<std::shared_ptr<UIView>> m_subviews;
    std::weak_ptr<UIView> m_superview;
    long m_tag = 0;
    double m_alpha = 1;
    bool m_hidden = false;
    bool m_userInteractionEnabled = true;
    bool m_clipsToBounds = false;
    UIColor m_backgroundColor;
    UIViewContentMode m_contentMode = UIViewContentMode::ScaleToFill;
    CALayer m_layer{*this};
    std::vector<std::shared_ptr<UIGestureRecognizer>> m_recognizers;
    std::weak_ptr<UIViewController> m_viewController;
    ViewAnimations m_animations;
};

}  // namespace device::uikit
