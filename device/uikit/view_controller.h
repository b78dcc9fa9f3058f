#pragma once

#include "device/objc/object.h"
#include "device/uikit/bar_button_item.h"
#include "device/uikit/view.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace device::uikit {

class UINavigationController;

enum class UIModalPresentationStyle { FullScreen = 0, PageSheet = 1, FormSheet = 2 };

// A view controller. viewWillAppear: is sent through the runtime (see registerUIKitClasses), so a
// subclass or an installed implementation decides what it does.
class UIViewController : public objc::Object {
public:
    static constexpr std::string_view className = "UIViewController";

    // The view, created on first use.
    UIView* view();
    std::shared_ptr<UIView> viewShared();
    bool isViewLoaded() const { return m_view != nullptr; }
    void setView(std::shared_ptr<UIView> view);
    // Called whenever the view lays out its subviews: a container places its children's views here.
    virtual void viewWillLayoutSubviews() {}
    // The controllers whose views this controller's view holds.
    virtual std::vector<UIViewController*> childViewControllers() const { return {}; }

    const std::string& title() const { return m_title; }
    void setTitle(std::string title);
    UINavigationItem* navigationItem();

    UINavigationController* navigationController() const;
    void setNavigationController(const std::shared_ptr<UINavigationController>& controller);
    UIViewController* parentViewController() const { return m_parent.lock().get(); }
    void setParentViewController(const std::shared_ptr<UIViewController>& parent) { m_parent = parent; }

    UIModalPresentationStyle modalPresentationStyle() const { return m_modalStyle; }
    void setModalPresentationStyle(UIModalPresentationStyle style) { m_modalStyle = style; }
    UIViewController* presentedViewController() const { return m_presented.get(); }
    UIViewController* presentingViewController() const { return m_presenting.lock().get(); }
    void presentViewControllerAnimated(std::shared_ptr<UIViewController> controller, bool animated,
                                       std::function<void()> completion = {});
    // Dismisses what this controller presented, or, when it presents nothing, itself.
    void dismissViewControllerAnimated(bool animated, std::function<void()> completion = {});

    // The defaults of viewWillAppear: and viewWillDisappear:, reached through the runtime. A
    // navigation controller tells the page that leaves before the page that comes.
    void viewWillAppear(bool animated);
    void viewWillDisappear(bool animated);
    void viewDidAppear(bool animated);

protected:
    virtual std::shared_ptr<UIView> loadView();

private:
    std::shared_ptr<UIView> m_view;
    std::string m_title;
    std::shared_ptr<UINavigationItem> m_navigationItem;
    std::weak_ptr<UINavigationController> m_navigationController;
    std::weak_ptr<UIViewController> m_parent;
    UIModalPresentationStyle m_modalStyle = UIModalPresentationStyle::FullScreen;
    std::shared_ptr<UIViewController> m_presented;
    std::weak_ptr<UIViewController> m_presenting;
};

}  // namespace device::uikit
