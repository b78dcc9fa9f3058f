#pragma once

#include "device/uikit/bar_button_item.h"
#include "device/uikit/button.h"
#include "device/uikit/view.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace device::uikit {

// A sheet of choices. Buttons are numbered as on the platform: the destructive button first, then
// the others, then the cancel button; buttons added later come after it. On a phone the sheet rises
// from the bottom over the dimmed screen, the cancel button apart below the others. On a tablet it
// is a popover beside what it was shown from, without the cancel button: a tap outside cancels.
// The delegate hears actionSheetCancel:, actionSheet:clickedButtonAtIndex: and
// actionSheet:didDismissWithButtonIndex:.
class UIActionSheet : public UIView {
public:
    static constexpr std::string_view className = "UIActionSheet";

    static std::shared_ptr<UIActionSheet> initWithTitleDelegateCancelButtonTitleDestructiveButtonTitleOtherButtonTitles(
        std::string title, objc::id delegate, std::optional<std::string> cancelButtonTitle,
        std::optional<std::string> destructiveButtonTitle, std::vector<std::string> otherButtonTitles = {});

    static UIActionSheet* visibleSheet();
    // A new launch of the app starts without a sheet.
    static void reset();

    const std::string& title() const { return m_title; }
    objc::Object* delegate() const { return m_delegate.lock().get(); }
    void setDelegate(objc::id delegate);

    long addButtonWithTitle(std::string title);
    long numberOfButtons() const { return static_cast<long>(m_buttonTitles.size()); }
    long cancelButtonIndex() const { return m_cancelButtonIndex; }
    long destructiveButtonIndex() const { return m_destructiveButtonIndex; }
    std::string buttonTitleAtIndex(long index) const;

    void showInView(UIView* view);
    void showFromBarButtonItemAnimated(UIBarButtonItem* item, bool animated);
    void showFromRectInViewAnimated(CGRect rect, UIView* view, bool animated);
    bool isVisible() const { return m_visible; }
    // Whether it shows as a tablet's popover, without its cancel button.
    bool isPopover() const { return m_popover; }
    // The delegate hears of the dismissal once the sheet is gone, after it slid away when animated.
    void dismissWithClickedButtonIndexAnimated(long index, bool animated);

    // What a tap on one of its buttons does, and a tap outside a popover.
    void buttonClicked(UIButton* button);
    void outsideTapped(UIControl* outside);

private:
    // A tablet's popover is centred on the anchor when shown in a view, else placed beside it.
    enum class Placement { Centred, Beside };

    void present(CGRect anchor, Placement placement);
    void layOutSheet(CGRect screen);
    void layOutPopover(CGRect screen, CGRect anchor, Placement placement);
    std::shared_ptr<UIView> makeButtonGroup(const std::vector<long>& indexes, double width, bool withTitle);
    // On a phone the sheet slides down as the screen brightens; a popover fades.
    void slideAway();
    void finishDismissal(long index);

    std::string m_title;
    std::weak_ptr<objc::Object> m_delegate;
    std::vector<std::string> m_buttonTitles;
    long m_cancelButtonIndex = -1;
    long m_destructiveButtonIndex = -1;
    bool m_visible = false;
    bool m_dismissing = false;
    bool m_popover = false;
};

}  // namespace device::uikit
