#include "device/uikit/view.h"

#include "device/uikit/gesture_recognizer.h"
#include "device/uikit/view_controller.h"

#include <algorithm>

namespace device::uikit {

void UIView::setFrame(CGRect frame)
{
    m_animations.propertyWillChange(*this, AnimatedProperty::Frame, m_frame);
    m_frame = frame;
}

void UIView::setAlpha(double alpha)
{
    m_animations.propertyWillChange(*this, AnimatedProperty::Alpha, m_alpha);
    m_alpha = alpha;
}

void UIView::setBackgroundColor(UIColor color)
{
    m_animations.propertyWillChange(*this, AnimatedProperty::BackgroundColor, m_backgroundColor);
    m_backgroundColor = std::move(color);
}

void UIView::addSubview(std::shared_ptr<UIView> view)
{
    insertSubviewAtIndex(std::move(view), m_subviews.size());
}

void UIView::insertSubviewAtIndex(std::shared_ptr<UIView> view, std::size_t index)
{
    if (!view || view.get() == this) {
        return;
    }
    auto keep = view;
    view->removeFromSuperview();
    index = std::min(index, m_subviews.size());
    m_subviews.insert(m_subviews.begin() + static_cast<std::ptrdiff_t>(index), keep);
    keep->m_superview = retained<UIView>();
    keep->didMoveToSuperview();
}

void UIView::removeFromSuperview()
{
    auto parent = m_superview.lock();
    if (!parent) {
        m_superview.reset();
        return;
    }
    // A focused field that leaves the screen gives up the focus and takes the keyboard with it.
    endEditing(true);
    m_superview.reset();
    auto& siblings = parent->m_subviews;
    siblings.erase(std::remove_if(siblings.begin(), siblings.end(), [this](const auto& v) { return v.get() == this; }),
                   siblings.end());
}

void UIView::bringSubviewToFront(UIView* view)
{
    auto found = std::find_if(m_subviews.begin(), m_subviews.end(), [view](const auto& v) { return v.get() == view; });
    if (found != m_subviews.end()) {
        auto keep = *found;
        m_subviews.erase(found);
        m_subviews.push_back(keep);
    }
}

UIView* UIView::viewWithTag(long tag)
{
    if (m_tag == tag) {
        return this;
    }
    for (auto& subview : m_subviews) {
        if (UIView* found = subview->viewWithTag(tag)) {
            return found;
        }
    }
    return nullptr;
}

CGPoint UIView::convertPointToWindow(CGPoint point) const
{
    const UIView* view = this;
    while (view) {
        CGRect bounds = view->bounds();
        point.x += view->m_frame.origin.x - bounds.origin.x;
        point.y += view->m_frame.origin.y - bounds.origin.y;
        view = view->superview();
    }
    return point;
}

CGRect UIView::frameInWindow() const
{
    CGRect bounds = this->bounds();
    return {convertPointToWindow(bounds.origin), m_frame.size};
}

CGPoint UIView::convertPointToView(CGPoint point, const UIView* view) const
{
    CGPoint inWindow = convertPointToWindow(point);
    return view ? view->convertPointFromView(inWindow, nullptr) : inWindow;
}

CGPoint UIView::convertPointFromView(CGPoint point, const UIView* view) const
{
    CGPoint inWindow = view ? view->convertPointToWindow(point) : point;
    CGPoint origin = convertPointToWindow({0, 0});
    return {inWindow.x - origin.x, inWindow.y - origin.y};
}

CGRect UIView::convertRectToView(CGRect rect, const UIView* view) const
{
    return {convertPointToView(rect.origin, view), rect.size};
}

bool UIView::isDescendantOf(const UIView* ancestor) const
{
    for (const UIView* view = this; view; view = view->superview()) {
        if (view == ancestor) {
            return true;
        }
    }
    return false;
}

bool UIView::isVisibleOnScreen() const
{
    for (const UIView* view = this; view; view = view->superview()) {
        if (view->m_hidden || view->m_alpha <= 0.01) {
            return false;
        }
    }
    return true;
}

}  // namespace device::uikit

namespace device::uikit {

UIView* UIView::hitTest(CGPoint point)
{
    if (m_hidden || m_alpha <= 0.01 || !m_userInteractionEnabled || m_animations.blocksInteraction()
        || !pointInside(point)) {
        return nullptr;
    }
    auto subviews = m_subviews;
    for (auto it = subviews.rbegin(); it != subviews.rend(); ++it) {
        const UIView& subview = **it;
        CGRect bounds = subview.bounds();
        CGPoint inside{point.x - subview.m_frame.origin.x + bounds.origin.x,
                       point.y - subview.m_frame.origin.y + bounds.origin.y};
        if (UIView* hit = (*it)->hitTest(inside)) {
            return hit;
        }
    }
    return this;
}

bool UIView::pointInside(CGPoint point) const
{
    return bounds().contains(point);
}

void UIView::touchesBegan(UITouch& touch)
{
    if (UIView* next = superview()) {
        next->touchesBegan(touch);
    }
}

void UIView::touchesMoved(UITouch& touch)
{
    if (UIView* next = superview()) {
        next->touchesMoved(touch);
    }
}

void UIView::touchesEnded(UITouch& touch)
{
    if (UIView* next = superview()) {
        next->touchesEnded(touch);
    }
}

void UIView::touchesCancelled(UITouch& touch)
{
    if (UIView* next = superview()) {
        next->touchesCancelled(touch);
    }
}

void UIView::addGestureRecognizer(std::shared_ptr<UIGestureRecognizer> recognizer)
{
    if (!recognizer) {
        return;
    }
    if (UIView* previous = recognizer->view()) {
        previous->removeGestureRecognizer(recognizer.get());
    }
    recognizer->m_view = retained<UIView>();
    m_recognizers.push_back(std::move(recognizer));
}

void UIView::removeGestureRecognizer(UIGestureRecognizer* recognizer)
{
    auto found = std::find_if(m_recognizers.begin(), m_recognizers.end(),
                              [recognizer](const auto& r) { return r.get() == recognizer; });
    if (found != m_recognizers.end()) {
        (*found)->m_view.reset();
        m_recognizers.erase(found);
    }
}

void UIView::layoutSubviews()
{
    if (auto controller = m_viewController.lock()) {
        controller->viewWillLayoutSubviews();
    }
}

void UIView::layoutIfNeeded()
{
    auto keepAlive = retained<UIView>();
    layoutSubviews();
    auto subviews = m_subviews;
    for (const auto& subview : subviews) {
        subview->layoutIfNeeded();
    }
}

void UIView::animateWithDuration(double duration, double delay, std::uint32_t options,
                                 const std::function<void()>& animations, std::function<void(bool)> completion)
{
    animateViews(duration, delay, options, animations, std::move(completion));
}

void UIView::animateWithDuration(double duration, const std::function<void()>& animations,
                                 std::function<void(bool)> completion)
{
    animateViews(duration, 0, UIViewAnimationOptionCurveEaseInOut, animations, std::move(completion));
}

CGRect UIView::presentationFrame(double now) const
{
    return std::get<CGRect>(m_animations.presentationValue(AnimatedProperty::Frame, m_frame, now));
}

double UIView::presentationAlpha(double now) const
{
    return std::get<double>(m_animations.presentationValue(AnimatedProperty::Alpha, m_alpha, now));
}

UIColor UIView::presentationBackgroundColor(double now) const
{
    return std::get<UIColor>(m_animations.presentationValue(AnimatedProperty::BackgroundColor, m_backgroundColor, now));
}

CGRect UIView::presentationBounds(double now) const
{
    return {{0, 0}, presentationFrame(now).size};
}

}  // namespace device::uikit
