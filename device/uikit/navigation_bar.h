#pragma once

#include "device/uikit/bar_button_item.h"
#include "device/uikit/button.h"
#include "device/uikit/label.h"
#include "device/uikit/view.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace device::uikit {

// A button of the navigation bar: the back button, or the view of a bar button item.
class UINavigationButton : public UIButton {
public:
    static constexpr std::string_view className = "UINavigationButton";

    void setTapAction(std::function<void()> action) { m_tapAction = std::move(action); }

protected:
    void endTracking(TouchRelease where) override;

private:
    std::function<void()> m_tapAction;
};

// The bar above a navigation controller's pages: the top page's title in the middle, its left bar
// button item or else the back button on the left, its right bar button item on the right.
class UINavigationBar : public UIView {
public:
    static constexpr std::string_view className = "UINavigationBar";
    static constexpr double kHeight = 44;
    // Room at the start of the back button for its chevron.
    static constexpr double kBackChevronWidth = 14;

    // What a tap on the back button does.
    void setBackAction(std::function<void()> action) { m_backAction = std::move(action); }
    // Shows a page's item; the back button shows only with a title and when no left item is set.
    void showItem(const std::string& title, std::optional<std::string> backTitle, UIBarButtonItem* left,
                  UIBarButtonItem* right);

    UILabel* titleLabel() const { return m_title.get(); }
    UINavigationButton* backButton() const { return m_back.get(); }
    // Where a bar button item is shown, if it is.
    UIView* viewForBarButtonItem(const UIBarButtonItem* item) const;

    void layoutSubviews() override;

private:
    struct ItemSlot {
        std::shared_ptr<UINavigationButton> button;
        std::weak_ptr<UIBarButtonItem> item;
        std::string title;
        UIImage* image = nullptr;
        bool enabled = true;
    };
    void showInSlot(ItemSlot& slot, UIBarButtonItem* item);

    std::function<void()> m_backAction;
    std::shared_ptr<UILabel> m_title;
    std::shared_ptr<UINavigationButton> m_back;
    ItemSlot m_left;
    ItemSlot m_right;
};

}  // namespace device::uikit
