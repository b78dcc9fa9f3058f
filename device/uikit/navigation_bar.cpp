#include "device/uikit/navigation_bar.h"

#include "device/uikit/graphics_font.h"
#include "device/uikit/screen.h"

#include <algorithm>
#include <cmath>

namespace device::uikit {

namespace {

constexpr double kSideMargin = 8;
const UIColor kTint = UIColor::rgba(0, 0.48, 1);
const UIColor kDisabledTint = UIColor::white(0.75);

// Bar buttons are as wide as their picture, or their title as it is drawn, with a little room on
// either side.
double buttonWidth(UIButton& button)
{
    if (UIImage* image = button.imageView()->image()) {
        return image->size().width + 12;
    }
    graphics::Font font = fontOf(button.titleLabel()->font(), UIScreen::mainScreen().scale());
    return std::ceil(font.width(button.title())) + 12;
}

std::shared_ptr<UINavigationButton> makeButton(const std::string& title)
{
    auto button = objc::create<UINavigationButton>();
    button->setTitle(title);
    button->setTitleColor(kTint);
    return button;
}

}  // namespace

void UINavigationButton::endTracking(TouchRelease where)
{
    auto keepAlive = retained<UINavigationButton>();
    UIButton::endTracking(where);
    if (where == TouchRelease::Inside && m_tapAction) {
        auto action = m_tapAction;
        action();
    }
}

void UINavigationBar::showItem(const std::string& title, std::optional<std::string> backTitle,
                               UIBarButtonItem* left, UIBarButtonItem* right)
{
    if (!m_title) {
        m_title = objc::create<UILabel>();
        m_title->setFont(UIFont::boldSystemFontOfSize(17));
        m_title->setTextAlignment(NSTextAlignment::Center);
        addSubview(m_title);
    }
    m_title->setText(title);
    if (backTitle && !left) {
        if (!m_back) {
            m_back = makeButton(*backTitle);
            m_back->setTapAction([weakBar = weak_from_this()] {
                auto bar = std::static_pointer_cast<UINavigationBar>(weakBar.lock());
                if (bar && bar->m_backAction) {
                    auto action = bar->m_backAction;
                    action();
                }
            });
            addSubview(m_back);
        }
        m_back->setTitle(*backTitle);
    } else if (m_back) {
        m_back->removeFromSuperview();
        m_back.reset();
    }
    showInSlot(m_left, left);
    showInSlot(m_right, right);
    layoutSubviews();
}

void UINavigationBar::showInSlot(ItemSlot& slot, UIBarButtonItem* item)
{
    if (!item) {
        if (slot.button) {
            slot.button->removeFromSuperview();
        }
        slot = {};
        return;
    }
    if (slot.button && slot.item.lock().get() == item && slot.title == item->name() && slot.image == item->image()
        && slot.enabled == item->isEnabled()) {
        return;
    }
    if (!slot.button) {
        slot.button = makeButton(item->title());
        addSubview(slot.button);
    }
    slot.item = item->retained<UIBarButtonItem>();
    slot.title = item->name();
    slot.image = item->image();
    slot.enabled = item->isEnabled();
    slot.button->setTitle(slot.title);
    // A picture item shows its picture; its name stays for whoever reads the screen.
    slot.button->setImage(item->imageShared());
    slot.button->titleLabel()->setHidden(slot.image != nullptr);
    slot.button->setEnabled(slot.enabled);
    slot.button->setTitleColor(slot.enabled ? kTint : kDisabledTint);
    slot.button->setTapAction([weak = slot.item] {
        if (auto tapped = weak.lock()) {
            tapped->sendAction();
        }
    });
}

UIView* UINavigationBar::viewForBarButtonItem(const UIBarButtonItem* item) const
{
    for (const ItemSlot* slot : {&m_left, &m_right}) {
        if (item && slot->button && slot->item.lock().get() == item) {
            return slot->button.get();
        }
    }
    return nullptr;
}

void UINavigationBar::layoutSubviews()
{
    UIView::layoutSubviews();
    double width = frame().width();
    double top = frame().height() - kHeight;
    double leftWidth = 0;
    double rightWidth = 0;
    if (UINavigationButton* left = m_left.button ? m_left.button.get() : m_back.get()) {
        bool isBack = left == m_back.get();
        double chevron = isBack ? kBackChevronWidth : 0;
        leftWidth = buttonWidth(*left) + chevron;
        left->setFrame(CGRectMake(kSideMargin, top, leftWidth, kHeight));
        // The back button's chevron takes the start of the button; its title follows it.
        left->titleLabel()->setFrame(CGRectMake(chevron, 0, leftWidth - chevron, kHeight));
    }
    if (m_right.button) {
        rightWidth = buttonWidth(*m_right.button);
        m_right.button->setFrame(CGRectMake(width - kSideMargin - rightWidth, top, rightWidth, kHeight));
    }
    if (m_title) {
        double side = std::max(leftWidth, rightWidth) + 2 * kSideMargin;
        m_title->setFrame(CGRectMake(side, top, std::max(0.0, width - 2 * side), kHeight));
    }
}

}  // namespace device::uikit
