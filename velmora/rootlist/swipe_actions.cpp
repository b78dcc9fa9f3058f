#include "velmora/rootlist/swipe_actions.h"

#include "velmora/core/shared_state.h"
#include "velmora/core/tablet.h"
#include "velmora/core/themed_icon.h"
#include "velmora/core/translator.h"
#include "velmora/pane/alerts.h"
#include "velmora/protection/window_picture.h"
#include "velmora/rootlist/swipe_cell.h"
#include "velmora/rootlist/swipe_delegates.h"
#include "velmora/store/store.h"
#include "velmora/store/tag_records.h"

#include "device/objc/message.h"
#include "device/preferences/list_controller.h"
#include "device/uikit/action_sheet.h"
#include "device/uikit/application.h"
#include "device/uikit/button.h"
#include "device/uikit/pan_gesture_recognizer.h"
#include "device/uikit/tap_gesture_recognizer.h"
#include "device/uikit/window.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace velmora::rootlist {

namespace {

namespace objc = device::objc;
namespace uikit = device::uikit;
using device::preferences::PSListController;

constexpr double kButtonWidth = 75;
constexpr double kSnapSeconds = 0.5;
constexpr std::string_view kLibraryEntryName = "Velmora";

uikit::UITableView* rootTable(objc::id self)
{
    auto* root = objc::as<PSListController>(self);
    return root ? root->table() : nullptr;
}

// Names of the cells that never get buttons: the system's own entries and the tag folders.
std::set<std::string> keptCellNames()
{
    std::set<std::string> names{"Bluetooth", "iCloud", std::string(kLibraryEntryName)};
    for (const auto& record : store::tagRecords(store::load(store::Store::Tag))) {
        names.insert(store::readString(record, store::keys::kTagName));
    }
    return names;
}

bool sameCells(const std::vector<std::weak_ptr<objc::Object>>& seen, const std::vector<uikit::UITableViewCell*>& now)
{
    return std::ranges::equal(seen, now, [](const auto& earlier, const auto* cell) { return earlier.lock().get() == cell; });
}

// The buttons' backgrounds and the hide button's title, read once for every cell that one tick equips.
struct SwipePatterns {
    std::shared_ptr<uikit::UIImage> more = core::themedIcon("pattern1");
    std::shared_ptr<uikit::UIImage> hide = core::themedIcon("pattern");
    std::string hideTitle = core::Translator("hidez");
};

std::shared_ptr<uikit::UIButton> swipeButton(uikit::CGRect frame, long tag, std::string title,
                                             const std::shared_ptr<uikit::UIImage>& pattern)
{
    auto button = objc::create<uikit::UIButton>(frame);
    button->setTitle(std::move(title));
    // What a custom button shows on the platform without being told.
    button->setTitleColor(uikit::UIColor::whiteColor());
    button->setTag(tag);
    if (pattern) {
        button->setBackgroundColor(uikit::UIColor::colorWithPatternImage(pattern));
    }
    return button;
}

objc::id gestureDelegate()
{
    auto& delegate = core::sharedState().gestureDelegate;
    if (!delegate) {
        delegate = objc::create<GestureRec>();
    }
    return delegate.get();
}

void removeSwipeParts(uikit::UITableViewCell& cell)
{
    auto recognizers = cell.gestureRecognizers();
    for (const auto& recognizer : recognizers) {
        cell.removeGestureRecognizer(recognizer.get());
    }
    for (long tag : {kHideButtonTag, kMoreButtonTag}) {
        if (uikit::UIView* button = cell.viewWithTag(tag)) {
            auto removed = button->retained<uikit::UIView>();
            removed->removeFromSuperview();
        }
    }
}

void installSwipeParts(objc::id controller, uikit::UITableViewCell& cell, const std::set<std::string>& keptNames,
                       const SwipePatterns& patterns)
{
    removeSwipeParts(cell);
    uikit::UIScrollView* scroller = contentScroller(cell);
    if (!scroller || !cell.textLabel() || keptNames.contains(cell.textLabel()->text())) {
        return;
    }
    double width = cell.frame().width();
    double height = cell.frame().height();
    auto more = swipeButton(uikit::CGRectMake(width, 0, kButtonWidth, height), kMoreButtonTag, "More", patterns.more);
    auto hide = swipeButton(uikit::CGRectMake(width + kButtonWidth, 0, kButtonWidth, height), kHideButtonTag,
                            patterns.hideTitle, patterns.hide);
    scroller->addSubview(more);
    scroller->addSubview(hide);
    auto pan = uikit::UIPanGestureRecognizer::initWithTargetAction(controller, objc::sel_registerName("Swipe:"));
    pan->setDelegate(gestureDelegate());
    cell.addGestureRecognizer(pan);
    objc::SEL tapped = objc::sel_registerName("Tapped:");
    hide->addGestureRecognizer(uikit::UITapGestureRecognizer::initWithTargetAction(controller, tapped));
    more->addGestureRecognizer(uikit::UITapGestureRecognizer::initWithTargetAction(controller, tapped));
}

// The buttons of a cell as a swipe moves them: hide, then more, each with its current width.
struct SwipeButtons {
    uikit::UIView* hide = nullptr;
    uikit::UIView* more = nullptr;
    double hideWidth = 0;
    double moreWidth = 0;

    explicit SwipeButtons(uikit::UIScrollView& scroller)
        : hide(scroller.viewWithTag(kHideButtonTag))
        , more(scroller.viewWithTag(kMoreButtonTag))
        , hideWidth(hide ? hide->frame().width() : 0)
        , moreWidth(more ? more->frame().width() : 0)
    {
    }

    void placeAt(double hideX, double moreX) const
    {
        if (hide) {
            hide->setFrame(uikit::CGRectMake(hideX, 0, hideWidth, hide->frame().height()));
        }
        if (more) {
            more->setFrame(uikit::CGRectMake(moreX, 0, moreWidth, more->frame().height()));
        }
    }
};

// Slides a cell's content to rest at offset x, its buttons back in their places beyond the cell's width.
void snap(uikit::UIScrollView& scroller, double cellWidth, double x)
{
    uikit::UIView::animateWithDuration(kSnapSeconds, [scroller = scroller.retained<uikit::UIScrollView>(), cellWidth, x] {
        scroller->setContentOffset({x, 0});
        SwipeButtons buttons(*scroller);
        buttons.placeAt(cellWidth + buttons.moreWidth, cellWidth);
    });
}

bool hasFinished(const uikit::UIGestureRecognizer& pan)
{
    using State = uikit::UIGestureRecognizerState;
    State state = pan.state();
    return state == State::Ended || state == State::Cancelled || state == State::Failed;
}

void hideEntry(PSListController& root, const std::string& name)
{
    if (isSystemEntryName(name)) {
        return;
    }
    auto& list = root.specifiers();
    if (std::ranges::none_of(list, [&name](const auto& entry) { return entry->name() == name; })) {
        return;
    }
    if (!store::storeValue(store::Store::Hide, name, true)) {
        pane::showNotSaved();
        return;
    }
    removeEntryNamed(root, name);
}

void showMoreSheet(PSListController& root, uikit::UIView& button, const std::string& name)
{
    if (isSystemEntryName(name)) {
        return;
    }
    core::SharedState& state = core::sharedState();
    state.windowSnapshot = protection::keyWindowPicture();
    state.tu = objc::weakReference(&root);
    state.texto = name;
    state.sheetDelegate = objc::create<swipeable>();
    auto sheet = uikit::UIActionSheet::initWithTitleDelegateCancelButtonTitleDestructiveButtonTitleOtherButtonTitles(
        core::Translator("title_sheet"), state.sheetDelegate.get(), core::Translator("cancel"),
        core::Translator("add_to"), {core::Translator("temp")});
    uikit::UIWindow* window = uikit::UIApplication::sharedApplication().keyWindow();
    if (!core::isTablet()) {
        sheet->showInView(window);
        return;
    }
    uikit::CGRect frame = button.frame();
    uikit::CGRect anchor = uikit::CGRectMake(frame.minX() - 1.5 * frame.width(), button.frameInWindow().minY(), 0, 0);
    sheet->showFromRectInViewAnimated(anchor, window, true);
}

}  // namespace

void Looping(objc::id self, objc::SEL)
{
    uikit::UITableView* table = rootTable(self);
    if (!table || table->isEditing()) {
        return;
    }
    core::SharedState& state = core::sharedState();
    auto offset = static_cast<float>(table->contentOffset().y);
    std::vector<uikit::UITableViewCell*> visible = table->visibleCells();
    // The list makes new cells whenever it reloads, so cells that changed where the list did not scroll
    // need their buttons as well.
    if (offset != state.lastOffset || !sameCells(state.lastVisibleCells, visible)) {
        std::set<std::string> keptNames = keptCellNames();
        SwipePatterns patterns;
        for (uikit::UITableViewCell* cell : visible) {
            installSwipeParts(self, *cell, keptNames, patterns);
        }
        state.lastVisibleCells.clear();
        for (uikit::UITableViewCell* cell : visible) {
            state.lastVisibleCells.push_back(objc::weakReference(cell));
        }
    }
    state.lastOffset = offset;
}

void Swipe(objc::id self, objc::SEL, objc::id recognizer)
{
    auto* pan = objc::as<uikit::UIPanGestureRecognizer>(recognizer);
    uikit::UIView* cell = pan ? pan->view() : nullptr;
    uikit::UIScrollView* scroller = cell ? contentScroller(*cell) : nullptr;
    if (!scroller) {
        return;
    }
    auto keepScroller = scroller->retained<uikit::UIScrollView>();
    core::SharedState& state = core::sharedState();
    double width = cell->frame().width();
    auto open = objc::as<uikit::UIScrollView>(state.openCellScroller.lock());
    if (!open || open->superview() != cell) {
        state.swipeRestOffset = 0;
        if (open) {
            snap(*open, width, 0);
        }
    }
    auto first = static_cast<float>(pan->firstScreenLocation().x);
    auto last = static_cast<float>(pan->lastScreenLocation().x);
    float d = state.swipeRestOffset + (first - last);
    uikit::UITableView* table = rootTable(self);
    if (d == 0 || (table && table->isDragging())) {
        return;
    }
    SwipeButtons buttons(*scroller);
    double both = buttons.hideWidth + buttons.moreWidth;
    if (first > last) {
        if (hasFinished(*pan)) {
            state.swipeRestOffset = static_cast<float>(both);
            snap(*scroller, width, both);
            return;
        }
        // Pulled beyond both buttons, they stay against the right edge of what shows.
        if (d > both) {
            buttons.placeAt(d + width - buttons.moreWidth, d + width - both);
        }
    } else {
        if (hasFinished(*pan)) {
            if (d < both) {
                state.swipeRestOffset = 0;
                snap(*scroller, width, 0);
            }
            return;
        }
        d = std::max(d, 0.0f);
    }
    scroller->setContentOffset({d, 0});
    state.openCellScroller = keepScroller;
}

void Tapped(objc::id self, objc::SEL, objc::id recognizer)
{
    auto* tap = objc::as<uikit::UIGestureRecognizer>(recognizer);
    uikit::UIView* button = tap ? tap->view() : nullptr;
    uikit::UIView* holder = button ? button->superview() : nullptr;
    auto* cell = holder ? objc::as<uikit::UITableViewCell>(holder->superview()) : nullptr;
    auto* root = objc::as<PSListController>(self);
    if (!cell || !root || !cell->textLabel()) {
        return;
    }
    auto keepButton = button->retained<uikit::UIView>();
    std::string name = cell->textLabel()->text();
    if (button->tag() == kHideButtonTag) {
        hideEntry(*root, name);
    } else if (button->tag() == kMoreButtonTag) {
        showMoreSheet(*root, *button, name);
    }
}

}  // namespace velmora::rootlist
