#include "device/uikit/view.h"

#include <algorithm>

namespace device::uikit {

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
}

void UIView::removeFromSuperview()
{
    auto parent = m_superview.lock();
    m_superview.reset();
    if (!parent) {
        return;
    }
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
