#pragma once

#include "device/uikit/pan_gesture_recognizer.h"
#include "device/uikit/view.h"

#include <memory>

namespace device::uikit {

// A scroll view's own pan: it only scrolls vertically, so a mostly horizontal pan fails, and it
// leaves touches that land on a control to the control.
class UIScrollViewPanGestureRecognizer : public UIPanGestureRecognizer {
public:
    static constexpr std::string_view className = "UIScrollViewPanGestureRecognizer";

protected:
    bool canBeginWithTranslation(CGPoint translation) const override;
    void touchesBegan(const UITouch& touch) override;
};

// Scrolls vertically under a finger: its pan recogniser (target the scroll view, action
// handlePan:) moves the content offset while the finger is down, isDragging meanwhile, and on
// release the offset settles back within the content (no momentum). A UIRefreshControl among its
// subviews begins refreshing and sends value-changed when the content is let go pulled down by at
// least kRefreshThreshold points; the offset then rests above the content, showing the control,
// until the control ends refreshing.
class UIScrollView : public UIView {
public:
    static constexpr std::string_view className = "UIScrollView";
    static constexpr double kRefreshThreshold = 60;

    UIScrollView() { setClipsToBounds(true); }
    explicit UIScrollView(CGRect frame) : UIView(frame) { setClipsToBounds(true); }

    CGRect bounds() const override { return {m_contentOffset, frame().size}; }
    CGPoint contentOffset() const { return m_contentOffset; }
    void setContentOffset(CGPoint offset);
    CGSize contentSize() const { return m_contentSize; }
    void setContentSize(CGSize size) { m_contentSize = size; }
    bool isDragging() const { return m_dragging; }
    bool isScrollEnabled() const { return m_scrollEnabled; }
    void setScrollEnabled(bool enabled);
    UIPanGestureRecognizer* panGestureRecognizer();

    void handlePan(UIPanGestureRecognizer* pan);
    // Back within the content, or just above it while a refresh control is refreshing.
    void settle();

    CGRect presentationBounds(double now) const override;

protected:
    void didMoveToSuperview() override;

private:
    void refreshIfPulled();

    CGPoint m_contentOffset;
    CGSize m_contentSize;
    bool m_dragging = false;
    bool m_scrollEnabled = true;
    std::shared_ptr<UIScrollViewPanGestureRecognizer> m_pan;
    CGPoint m_offsetAtBegan;
    CGPoint m_translationAtBegan;
};

}  // namespace device::uikit
