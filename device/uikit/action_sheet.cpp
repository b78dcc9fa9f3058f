#include "device/uikit/action_sheet.h"

#include "device/objc/message.h"
#include "device/uikit/application.h"
#include "device/uikit/modal_box.h"
#include "device/uikit/navigation_bar.h"
#include "device/uikit/screen.h"

#include <algorithm>

namespace device::uikit {

namespace {

constexpr double kMargin = 8;
constexpr double kPopoverWidth = 272;
constexpr double kSlideSeconds = 0.3;

std::shared_ptr<UIActionSheet> g_visibleSheet;

UIView* viewShowing(const UIBarButtonItem* item, UIView& view)
{
    if (auto* bar = dynamic_cast<UINavigationBar*>(&view); bar && bar->isVisibleOnScreen()) {
        if (UIView* button = bar->viewForBarButtonItem(item)) {
            return button;
        }
    }
    for (auto subview = view.subviews().rbegin(); subview != view.subviews().rend(); ++subview) {
        if (UIView* found = viewShowing(item, **subview)) {
            return found;
        }
    }
    return nullptr;
}

// The button of a navigation bar on screen that shows the item; the bar's right end when none does.
CGRect barButtonAnchor(const UIBarButtonItem* item)
{
    if (UIWindow* window = UIApplication::sharedApplication().keyWindow()) {
        window->layoutIfNeeded();
        if (UIView* button = viewShowing(item, *window)) {
            return button->frameInWindow();
        }
    }
    CGRect screen = UIScreen::mainScreen().bounds();
    return CGRectMake(screen.width() - 60, 20, 50, UINavigationBar::kHeight);
}

}  // namespace

std::shared_ptr<UIActionSheet>
UIActionSheet::initWithTitleDelegateCancelButtonTitleDestructiveButtonTitleOtherButtonTitles(
    std::string title, objc::id delegate, std::optional<std::string> cancelButtonTitle,
    std::optional<std::string> destructiveButtonTitle, std::vector<std::string> otherButtonTitles)
{
    auto sheet = objc::create<UIActionSheet>();
    sheet->m_title = std::move(title);
    sheet->setDelegate(delegate);
    if (destructiveButtonTitle) {
        sheet->m_destructiveButtonIndex = sheet->addButtonWithTitle(std::move(*destructiveButtonTitle));
    }
    for (auto& other : otherButtonTitles) {
        sheet->addButtonWithTitle(std::move(other));
    }
    if (cancelButtonTitle) {
        sheet->m_cancelButtonIndex = sheet->addButtonWithTitle(std::move(*cancelButtonTitle));
    }
    return sheet;
}

UIActionSheet* UIActionSheet::visibleSheet()
{
    return g_visibleSheet.get();
}

void UIActionSheet::reset()
{
    g_visibleSheet.reset();
}

void UIActionSheet::setDelegate(objc::id delegate)
{
    m_delegate = objc::weakReference(delegate);
}

long UIActionSheet::addButtonWithTitle(std::string title)
{
    m_buttonTitles.push_back(std::move(title));
    return numberOfButtons() - 1;
}

std::string UIActionSheet::buttonTitleAtIndex(long index) const
{
    return index >= 0 && index < numberOfButtons() ? m_buttonTitles[static_cast<std::size_t>(index)] : std::string();
}

void UIActionSheet::showInView(UIView* view)
{
    present(view ? view->frameInWindow() : UIScreen::mainScreen().bounds(), Placement::Centred);
}

void UIActionSheet::showFromBarButtonItemAnimated(UIBarButtonItem* item, bool)
{
    present(barButtonAnchor(item), Placement::Beside);
}

void UIActionSheet::showFromRectInViewAnimated(CGRect rect, UIView* view, bool)
{
    CGPoint origin = view ? view->convertPointToWindow(rect.origin) : rect.origin;
    present(CGRect{origin, rect.size}, Placement::Beside);
}

void UIActionSheet::present(CGRect anchor, Placement placement)
{
    if (m_visible) {
        return;
    }
    if (g_visibleSheet) {
        g_visibleSheet->dismissWithClickedButtonIndexAnimated(g_visibleSheet->cancelButtonIndex(), false);
    }
    while (!subviews().empty()) {
        subviews().back()->removeFromSuperview();
    }
    CGRect screen = UIScreen::mainScreen().bounds();
    setFrame(screen);
    m_popover = UIDevice::currentDevice().userInterfaceIdiom() == UIUserInterfaceIdiom::Pad;
    if (m_popover) {
        layOutPopover(screen, anchor, placement);
    } else {
        layOutSheet(screen);
    }
    m_visible = true;
    g_visibleSheet = retained<UIActionSheet>();
    if (UIWindow* window = UIApplication::sharedApplication().keyWindow()) {
        window->addOverlay(g_visibleSheet);
    }
}

void UIActionSheet::dismissWithClickedButtonIndexAnimated(long index, bool animated)
{
    if (!m_visible || m_dismissing) {
        return;
    }
    m_dismissing = true;
    if (animated) {
        std::weak_ptr<UIActionSheet> weakSelf = retained<UIActionSheet>();
        animateWithDuration(kSlideSeconds, [this] { slideAway(); }, [weakSelf, index](bool) {
            if (auto self = weakSelf.lock()) {
                self->finishDismissal(index);
            }
        });
    } else {
        finishDismissal(index);
    }
}

void UIActionSheet::finishDismissal(long index)
{
    auto keepAlive = retained<UIActionSheet>();
    removeFromSuperview();
    setAlpha(1);
    m_visible = false;
    m_dismissing = false;
    if (g_visibleSheet.get() == this) {
        g_visibleSheet.reset();
    }
    if (objc::respondsTo(delegate(), "actionSheet:didDismissWithButtonIndex:")) {
        objc::msgSend<void>(delegate(), "actionSheet:didDismissWithButtonIndex:", this, index);
    }
}

void UIActionSheet::slideAway()
{
    if (m_popover) {
        setAlpha(0);
        return;
    }
    setBackgroundColor(UIColor::clearColor());
    for (const auto& part : subviews()) {
        CGRect below = part->frame();
        below.origin.y += frame().height();
        part->setFrame(below);
    }
}

void UIActionSheet::buttonClicked(UIButton* button)
{
    if (!m_visible || m_dismissing) {
        return;
    }
    auto keepAlive = retained<UIActionSheet>();
    long index = button->tag();
    if (objc::respondsTo(delegate(), "actionSheet:clickedButtonAtIndex:")) {
        objc::msgSend<void>(delegate(), "actionSheet:clickedButtonAtIndex:", this, index);
    }
    dismissWithClickedButtonIndexAnimated(index, true);
}

void UIActionSheet::outsideTapped(UIControl*)
{
    if (!m_visible || m_dismissing) {
        return;
    }
    auto keepAlive = retained<UIActionSheet>();
    if (objc::respondsTo(delegate(), "actionSheetCancel:")) {
        objc::msgSend<void>(delegate(), "actionSheetCancel:", this);
    }
    if (objc::respondsTo(delegate(), "actionSheet:clickedButtonAtIndex:")) {
        objc::msgSend<void>(delegate(), "actionSheet:clickedButtonAtIndex:", this, m_cancelButtonIndex);
    }
    dismissWithClickedButtonIndexAnimated(m_cancelButtonIndex, true);
}

std::shared_ptr<UIView> UIActionSheet::makeButtonGroup(const std::vector<long>& indexes, double width, bool withTitle)
{
    auto group = objc::create<UIView>();
    group->setBackgroundColor(UIColor::white(0.97));
    group->layer().cornerRadius = 4;
    group->setClipsToBounds(true);
    double y = 0;
    if (withTitle && !m_title.empty()) {
        UIFont font = UIFont::systemFontOfSize(13);
        double height = wrappedTextHeight(m_title, font, width - 32) + 24;
        group->addSubview(makeWrappedLabel(m_title, font, UIColor::white(0.56), CGRectMake(16, 0, width - 32, height)));
        y = height;
    }
    for (long index : indexes) {
        auto button = makeNumberedButton(buttonTitleAtIndex(index), index, this, "_buttonClicked:");
        if (index == m_destructiveButtonIndex) {
            button->setTitleColor(UIColor::rgba(1, 0.23, 0.19));
        } else if (index == m_cancelButtonIndex) {
            button->titleLabel()->setFont(UIFont::boldSystemFontOfSize(17));
        }
        button->setFrame(CGRectMake(0, y, width, kModalButtonHeight));
        group->addSubview(button);
        y += kModalButtonHeight;
    }
    group->setFrame(CGRectMake(0, 0, width, y));
    return group;
}

void UIActionSheet::layOutSheet(CGRect screen)
{
    setBackgroundColor(UIColor::white(0, 0.4));
    std::vector<long> choices;
    for (long i = 0; i < numberOfButtons(); ++i) {
        if (i != m_cancelButtonIndex) {
            choices.push_back(i);
        }
    }
    double width = screen.width() - 2 * kMargin;
    double bottom = screen.height() - kMargin;
    if (m_cancelButtonIndex >= 0) {
        auto cancel = makeButtonGroup({m_cancelButtonIndex}, width, false);
        cancel->setFrame(CGRectMake(kMargin, bottom - kModalButtonHeight, width, kModalButtonHeight));
        addSubview(cancel);
        bottom -= kModalButtonHeight + kMargin;
    }
    auto group = makeButtonGroup(choices, width, true);
    double height = group->frame().height();
    group->setFrame(CGRectMake(kMargin, bottom - height, width, height));
    insertSubviewAtIndex(group, 0);
}

void UIActionSheet::layOutPopover(CGRect screen, CGRect anchor, Placement placement)
{
    setBackgroundColor(UIColor::clearColor());
    auto outside = objc::create<UIControl>(screen);
    outside->addTargetActionForControlEvents(this, objc::sel_registerName("_outsideTapped:"),
                                             UIControlEventTouchUpInside);
    addSubview(outside);

    std::vector<long> choices;
    for (long i = 0; i < numberOfButtons(); ++i) {
        if (i != m_cancelButtonIndex) {
            choices.push_back(i);
        }
    }
    auto group = makeButtonGroup(choices, kPopoverWidth, true);
    double height = group->frame().height();
    double x = std::clamp(anchor.minX() + anchor.width() / 2 - kPopoverWidth / 2, kMargin,
                          screen.width() - kMargin - kPopoverWidth);
    double y = anchor.maxY() + kMargin;
    if (placement == Placement::Centred) {
        y = anchor.minY() + (anchor.height() - height) / 2;
    } else if (y + height > screen.height() - kMargin) {
        y = std::max(kMargin, anchor.minY() - kMargin - height);
    }
    group->setFrame(CGRectMake(x, y, kPopoverWidth, height));
    group->layer().borderWidth = 0.5;
    group->layer().borderColor = UIColor::white(0.7);
    addSubview(group);
}

}  // namespace device::uikit
