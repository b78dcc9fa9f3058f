#include "device/uikit/scroll_view.h"

#include "device/uikit/control.h"
#include "device/uikit/refresh_control.h"
#include "device/uikit/touch.h"

#include <algorithm>
#include <cmath>

namespace device::uikit {

namespace {

UIRefreshControl* refreshControlOf(const UIView& view)
{
    for (const auto& subview : view.subviews()) {
        if (auto* control = dynamic_cast<UIRefreshControl*>(subview.get())) {
            return control;
        }
    }
    return nullptr;
}

}  // namespace

bool UIScrollViewPanGestureRecognizer::canBeginWithTranslation(CGPoint translation) const
{
    return std::abs(translation.y) > std::abs(translation.x);
}

void UIScrollViewPanGestureRecognizer::touchesBegan(const UITouch& touch)
{
    UIPanGestureRecognizer::touchesBegan(touch);
    if (dynamic_cast<UIControl*>(touch.view()) && touch.view() != view()) {
        setState(UIGestureRecognizerState::Failed);
    }
}

void UIScrollView::setContentOffset(CGPoint offset)
{
    viewAnimations().propertyWillChange(*this, AnimatedProperty::BoundsOrigin, m_contentOffset);
    m_contentOffset = offset;
}

void UIScrollView::setScrollEnabled(bool enabled)
{
    m_scrollEnabled = enabled;
    if (m_pan) {
        m_pan->setEnabled(enabled);
    }
}

UIPanGestureRecognizer* UIScrollView::panGestureRecognizer()
{
    if (!m_pan) {
        m_pan = objc::create<UIScrollViewPanGestureRecognizer>();
        m_pan->addTargetAction(this, objc::sel_registerName("handlePan:"));
        m_pan->setEnabled(m_scrollEnabled);
        addGestureRecognizer(m_pan);
    }
    return m_pan.get();
}

void UIScrollView::didMoveToSuperview()
{
    panGestureRecognizer();
}

void UIScrollView::handlePan(UIPanGestureRecognizer* pan)
{
    auto keepAlive = retained<UIScrollView>();
    CGPoint translation = pan->translationInView(this);
    switch (pan->state()) {
    case UIGestureRecognizerState::Began:
        m_dragging = true;
        m_offsetAtBegan = m_contentOffset;
        m_translationAtBegan = translation;
        break;
    case UIGestureRecognizerState::Changed:
        setContentOffset({m_contentOffset.x, m_offsetAtBegan.y - (translation.y - m_translationAtBegan.y)});
        break;
    case UIGestureRecognizerState::Ended:
        m_dragging = false;
        refreshIfPulled();
        settle();
        break;
    default:
        break;
    }
}

void UIScrollView::refreshIfPulled()
{
    UIRefreshControl* control = refreshControlOf(*this);
    if (control && !control->isRefreshing() && m_contentOffset.y <= -kRefreshThreshold) {
        auto keep = control->retained<UIRefreshControl>();
        keep->beginRefreshing();
        keep->sendActionsForControlEvents(UIControlEventValueChanged);
    }
}

void UIScrollView::settle()
{
    UIRefreshControl* control = refreshControlOf(*this);
    double top = control && control->isRefreshing() ? -control->frame().height() : 0;
    double bottom = std::max(0.0, m_contentSize.height - frame().height());
    double y = std::clamp(m_contentOffset.y, top, std::max(top, bottom));
    if (y != m_contentOffset.y) {
        setContentOffset({m_contentOffset.x, y});
    }
}

CGRect UIScrollView::presentationBounds(double now) const
{
    auto origin = std::get<CGPoint>(viewAnimations().presentationValue(AnimatedProperty::BoundsOrigin, m_contentOffset, now));
    return {origin, presentationFrame(now).size};
}

}  // namespace device::uikit
