#include "device/uikit/window.h"

#include <algorithm>

namespace device::uikit {

namespace {

// Presented controllers in the order they lie on screen: a presentation covers its presenter and
// everything the presenter contains.
void collectPresented(UIViewController* controller, std::vector<UIViewController*>& presented)
{
    if (!controller) {
        return;
    }
    for (UIViewController* child : controller->childViewControllers()) {
        collectPresented(child, presented);
    }
    if (UIViewController* shown = controller->presentedViewController()) {
        presented.push_back(shown);
        collectPresented(shown, presented);
    }
}

template <class List>
bool contains(const List& list, const UIView* view)
{
    return std::any_of(list.begin(), list.end(), [view](const auto& item) { return item.get() == view; });
}

}  // namespace

void UIWindow::setRootViewController(std::shared_ptr<UIViewController> controller)
{
    if (m_root && m_root->isViewLoaded()) {
        m_root->view()->removeFromSuperview();
    }
    m_root = std::move(controller);
    layoutSubviews();
}

void UIWindow::addOverlay(std::shared_ptr<UIView> view)
{
    if (!view) {
        return;
    }
    removeOverlay(view.get());
    m_overlays.push_back(view);
    addSubview(std::move(view));
}

void UIWindow::removeOverlay(UIView* view)
{
    std::erase_if(m_overlays, [view](const auto& overlay) { return overlay.lock().get() == view; });
    if (view && view->superview() == this) {
        view->removeFromSuperview();
    }
}

void UIWindow::layoutSubviews()
{
    std::vector<std::shared_ptr<UIView>> order;
    if (m_root) {
        auto rootView = m_root->viewShared();
        if (rootView->frame() != bounds()) {
            rootView->setFrame(bounds());
        }
        order.push_back(rootView);
    }

    std::vector<UIViewController*> presented;
    collectPresented(m_root.get(), presented);
    std::vector<std::shared_ptr<UIView>> presentation;
    std::map<const UIViewController*, std::shared_ptr<UIView>> dimmingViews;
    for (UIViewController* controller : presented) {
        auto view = controller->viewShared();
        if (view->frame() != bounds()) {
            auto found = m_dimmingViews.find(controller);
            auto dimming = found != m_dimmingViews.end() ? found->second : objc::create<UIView>(bounds());
            dimming->setBackgroundColor(UIColor::white(0, 0.4));
            dimmingViews[controller] = dimming;
            presentation.push_back(dimming);
        }
        presentation.push_back(view);
    }
    for (const auto& old : m_presentationViews) {
        if (!contains(presentation, old.get()) && old->superview() == this) {
            old->removeFromSuperview();
        }
    }
    m_presentationViews = presentation;
    m_dimmingViews = std::move(dimmingViews);
    order.insert(order.end(), presentation.begin(), presentation.end());

    std::erase_if(m_overlays, [this](const auto& overlay) {
        auto view = overlay.lock();
        return !view || view->superview() != this;
    });
    auto subviews = this->subviews();
    for (const auto& subview : subviews) {
        bool overlay = std::any_of(m_overlays.begin(), m_overlays.end(),
                                   [&](const auto& weak) { return weak.lock() == subview; });
        if (!overlay && !contains(order, subview.get())) {
            order.push_back(subview);
        }
    }
    for (const auto& overlay : m_overlays) {
        order.push_back(overlay.lock());
    }
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (i >= this->subviews().size() || this->subviews()[i] != order[i]) {
            insertSubviewAtIndex(order[i], i);
        }
    }
}

void UIWindow::sendTouch(UITouch& touch)
{
    auto keepAlive = retained<UIWindow>();
    m_touches.deliver(*this, touch);
}

}  // namespace device::uikit
