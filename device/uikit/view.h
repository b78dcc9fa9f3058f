#pragma once

#include "device/objc/object.h"
#include "device/uikit/color.h"
#include "device/uikit/geometry.h"
#include "device/uikit/layer.h"

#include <memory>
#include <string_view>
#include <vector>

namespace device::uikit {

enum class UIViewContentMode { ScaleToFill = 0, ScaleAspectFit = 1, ScaleAspectFill = 2, Redraw = 3, Center = 4 };

class UIView : public objc::Object {
public:
    static constexpr std::string_view className = "UIView";

    UIView() = default;
    explicit UIView(CGRect frame) : m_frame(frame) {}

    CGRect frame() const { return m_frame; }
    virtual void setFrame(CGRect frame) { m_frame = frame; }
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
    void setAlpha(double alpha) { m_alpha = alpha; }
    bool isHidden() const { return m_hidden; }
    void setHidden(bool hidden) { m_hidden = hidden; }
    bool isUserInteractionEnabled() const { return m_userInteractionEnabled; }
    void setUserInteractionEnabled(bool enabled) { m_userInteractionEnabled = enabled; }
    bool clipsToBounds() const { return m_clipsToBounds; }
    void setClipsToBounds(bool clips) { m_clipsToBounds = clips; }
    const UIColor& backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(UIColor color) { m_backgroundColor = std::move(color); }
    UIViewContentMode contentMode() const { return m_contentMode; }
    void setContentMode(UIViewContentMode mode) { m_contentMode = mode; }
    CALayer& layer() { return m_layer; }
    const CALayer& layer() const { return m_layer; }

    // A point in this view's coordinates, in the coordinates of the window (the top ancestor).
    CGPoint convertPointToWindow(CGPoint point) const;
    CGRect frameInWindow() const;
    bool isDescendantOf(const UIView* ancestor) const;
    bool isVisibleOnScreen() const;

private:
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
    CALayer m_layer;
};

}  // namespace device::uikit
