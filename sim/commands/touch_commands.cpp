#include "sim/commands/commands.h"
#include "sim/simulator.h"

#include "device/render/screen_controllers.h"
#include "device/uikit/action_sheet.h"
#include "device/uikit/alert_view.h"
#include "device/uikit/application.h"
#include "device/uikit/button.h"
#include "device/uikit/control.h"
#include "device/uikit/keyboard.h"
#include "device/uikit/label.h"
#include "device/uikit/navigation_bar.h"
#include "device/uikit/scroll_view.h"
#include "device/uikit/table_view.h"
#include "device/uikit/table_view_cell.h"
#include "device/uikit/table_view_cell_controls.h"
#include "device/uikit/touchscreen.h"
#include "device/uikit/window.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace sim::commands {

namespace {

using device::uikit::CGPoint;
using device::uikit::CGRect;
using device::uikit::UIView;

constexpr int kSteps = 20;

struct Element {
    std::string text;
    UIView* view = nullptr;
};

CGPoint centreOf(const UIView& view)
{
    CGRect frame = view.frameInWindow();
    return {frame.origin.x + frame.size.width / 2, frame.origin.y + frame.size.height / 2};
}

bool contains(const CGRect& rect, CGPoint point)
{
    return point.x >= rect.origin.x && point.x <= rect.origin.x + rect.size.width && point.y >= rect.origin.y
        && point.y <= rect.origin.y + rect.size.height;
}

// Hidden views and rows scrolled out of their list cannot be touched, so they are not on screen.
bool isOnScreen(const UIView& view, const UIView& window)
{
    if (!view.isVisibleOnScreen()) {
        return false;
    }
    CGPoint centre = centreOf(view);
    if (!contains(window.frameInWindow(), centre)) {
        return false;
    }
    for (const UIView* ancestor = view.superview(); ancestor; ancestor = ancestor->superview()) {
        bool clips = dynamic_cast<const device::uikit::UIScrollView*>(ancestor) != nullptr;
        if (clips && !contains(ancestor->frameInWindow(), centre)) {
            return false;
        }
    }
    return true;
}

bool reachable(const UIView& view, device::uikit::UIWindow& window)
{
    UIView* hit = window.hitTest(centreOf(view));
    return hit && hit->isDescendantOf(&view);
}

// The views that make up the screen, in the order a tap looks for its target: the documented order names
// alert, sheet, modal, page and root list; the keyboard, which it does not name, comes last.
std::vector<UIView*> screenLayers(device::uikit::UIWindow& window)
{
    std::vector<UIView*> layers{device::uikit::UIAlertView::visibleAlert(),
                                device::uikit::UIActionSheet::visibleSheet()};
    auto controllers = device::render::findScreenControllers(window);
    if (controllers.modal) {
        layers.push_back(controllers.modal->view());
    }
    if (controllers.pageNavigation) {
        layers.push_back(controllers.pageNavigation->view());
    } else if (controllers.page) {
        layers.push_back(controllers.page->view());
    }
    if (controllers.masterNavigation) {
        layers.push_back(controllers.masterNavigation->view());
    }
    layers.push_back(device::uikit::Keyboard::view());
    std::erase(layers, nullptr);
    return layers;
}

template <typename Visit>
void walk(UIView& view, std::set<const UIView*>& seen, Visit&& visit)
{
    if (!seen.insert(&view).second || view.isHidden() || view.alpha() <= 0.01) {
        return;
    }
    if (visit(view)) {
        return;
    }
    for (const auto& subview : view.subviews()) {
        walk(*subview, seen, visit);
    }
}

device::uikit::UIWindow& laidOutWindow()
{
    auto* window = device::uikit::UIApplication::sharedApplication().keyWindow();
    window->layoutIfNeeded();
    return *window;
}

std::vector<Element> visibleElements()
{
    auto& window = laidOutWindow();
    std::vector<Element> all;
    std::set<const UIView*> seen;
    for (UIView* layer : screenLayers(window)) {
        std::vector<Element> found;
        walk(*layer, seen, [&](UIView& view) {
            if (auto* button = dynamic_cast<device::uikit::UIButton*>(&view)) {
                if (!button->title().empty() && isOnScreen(view, window)) {
                    found.push_back({button->title(), &view});
                }
                return true;
            }
            if (auto* label = dynamic_cast<device::uikit::UILabel*>(&view)) {
                if (!label->text().empty() && isOnScreen(view, window)) {
                    found.push_back({label->text(), &view});
                }
            }
            return false;
        });
        std::stable_sort(found.begin(), found.end(), [](const Element& a, const Element& b) {
            CGRect first = a.view->frameInWindow();
            CGRect second = b.view->frameInWindow();
            if (first.origin.y != second.origin.y) {
                return first.origin.y < second.origin.y;
            }
            return first.origin.x < second.origin.x;
        });
        all.insert(all.end(), found.begin(), found.end());
    }
    return all;
}

std::string onScreen(const std::vector<Element>& elements)
{
    std::string list = "On screen:";
    for (const Element& element : elements) {
        list += " \"" + element.text + "\"";
    }
    return list;
}

CommandResult missing(const std::string& what, const std::vector<Element>& elements)
{
    return CommandResult::error(what + ". " + onScreen(elements));
}

template <typename T>
T* findIn(UIView& view)
{
    if (auto* found = dynamic_cast<T*>(&view)) {
        return found;
    }
    for (const auto& subview : view.subviews()) {
        if (auto* found = findIn<T>(*subview)) {
            return found;
        }
    }
    return nullptr;
}

template <typename T>
T* enclosing(UIView* view)
{
    for (; view; view = view->superview()) {
        if (auto* found = dynamic_cast<T*>(view)) {
            return found;
        }
    }
    return nullptr;
}

struct RowLookup {
    device::uikit::UITableViewCell* cell = nullptr;
    CommandResult error;
};

RowLookup findRow(const std::string& text)
{
    auto elements = visibleElements();
    for (const Element& element : elements) {
        if (element.text != text) {
            continue;
        }
        auto* cell = enclosing<device::uikit::UITableViewCell>(element.view);
        if (cell && cell->textLabel() == element.view) {
            return {cell, {}};
        }
    }
    return {nullptr, missing("no row on screen is labelled \"" + text + "\"", elements)};
}

// The list the finger scrolls: the frontmost one on screen.
device::uikit::UITableView* listOnTop()
{
    auto& window = laidOutWindow();
    std::set<const UIView*> seen;
    for (UIView* layer : screenLayers(window)) {
        device::uikit::UITableView* table = nullptr;
        walk(*layer, seen, [&](UIView& view) {
            if (!table) {
                table = dynamic_cast<device::uikit::UITableView*>(&view);
            }
            return table != nullptr;
        });
        if (table) {
            return table;
        }
    }
    return nullptr;
}

void drag(CGPoint from, CGPoint to)
{
    device::uikit::Touchscreen screen;
    screen.press(from);
    for (int step = 1; step <= kSteps; ++step) {
        double t = static_cast<double>(step) / kSteps;
        screen.move({from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t});
    }
    screen.release();
}

const CommandResult kNoFocus = CommandResult::error("no text field has the focus");
const CommandResult kNoList = CommandResult::error("no list is on screen");

}  // namespace

CommandResult tap(Simulator&, const Arguments& arguments)
{
    device::uikit::Touchscreen screen;
    if (arguments.point) {
        laidOutWindow();
        screen.tap({arguments.point->x, arguments.point->y});
        return CommandResult::ok();
    }
    auto elements = visibleElements();
    long seen = 0;
    for (const Element& element : elements) {
        if (element.text == *arguments.text && ++seen == arguments.occurrence) {
            screen.tap(centreOf(*element.view));
            return CommandResult::ok();
        }
    }
    std::string what = seen == 0 ? "nothing on screen shows \"" + *arguments.text + "\""
                                 : std::to_string(seen) + " element(s) on screen show \"" + *arguments.text
                                       + "\", not " + std::to_string(arguments.occurrence);
    return missing(what, elements);
}

CommandResult toggle(Simulator&, const Arguments& arguments)
{
    auto row = findRow(*arguments.text);
    if (!row.cell) {
        return row.error;
    }
    auto* control = dynamic_cast<device::uikit::UISwitch*>(row.cell->accessoryView());
    if (!control) {
        return CommandResult::error("the row \"" + *arguments.text + "\" has no switch");
    }
    device::uikit::Touchscreen().tap(centreOf(*control));
    return CommandResult::ok();
}

CommandResult swipe(Simulator&, const Arguments& arguments)
{
    auto row = findRow(*arguments.text);
    if (!row.cell) {
        return row.error;
    }
    double distance = arguments.number.value_or(200);
    double sign = arguments.direction == SwipeDirection::Left ? -1 : 1;
    CGPoint centre = centreOf(*row.cell);
    device::uikit::Touchscreen().pan({centre.x - sign * distance / 2, centre.y},
                                     {centre.x + sign * distance / 2, centre.y}, kSteps);
    return CommandResult::ok();
}

CommandResult dragRow(Simulator&, const Arguments& arguments)
{
    auto row = findRow(*arguments.text);
    if (!row.cell) {
        return row.error;
    }
    auto destination = findRow(*arguments.target);
    if (!destination.cell) {
        return destination.error;
    }
    auto* grip = findIn<device::uikit::UITableViewCellReorderControl>(*row.cell);
    if (!grip || !grip->isVisibleOnScreen()) {
        return CommandResult::error("the row \"" + *arguments.text + "\" cannot be moved (is the list editing?)");
    }
    CGPoint from = centreOf(*grip);
    drag(from, {from.x, centreOf(*destination.cell).y});
    return CommandResult::ok();
}

CommandResult deleteRow(Simulator& simulator, const Arguments& arguments)
{
    auto row = findRow(*arguments.text);
    if (!row.cell) {
        return row.error;
    }
    auto* control = findIn<device::uikit::UITableViewCellEditControl>(*row.cell);
    if (!control || !control->isVisibleOnScreen()
        || control->editingStyle() != device::uikit::UITableViewCellEditingStyle::Delete) {
        return CommandResult::error("the row \"" + *arguments.text + "\" cannot be deleted (is the list editing?)");
    }
    device::uikit::Touchscreen().tap(centreOf(*control));
    // The confirm button slides in and takes no touch until it is in place.
    simulator.device().advance(0.5);
    laidOutWindow();
    auto* confirm = findIn<device::uikit::UITableViewCellDeleteConfirmationButton>(*row.cell);
    if (!confirm) {
        return CommandResult::error("the row \"" + *arguments.text + "\" shows no delete button");
    }
    device::uikit::Touchscreen().tap(centreOf(*confirm));
    return CommandResult::ok();
}

CommandResult pull(Simulator&, const Arguments&)
{
    auto* table = listOnTop();
    if (!table) {
        return kNoList;
    }
    CGRect frame = table->frameInWindow();
    CGPoint from{frame.origin.x + frame.size.width / 2, frame.origin.y + 20};
    drag(from, {from.x, from.y + device::uikit::UIScrollView::kRefreshThreshold * 2});
    return CommandResult::ok();
}

CommandResult scroll(Simulator&, const Arguments& arguments)
{
    auto* table = listOnTop();
    if (!table) {
        return kNoList;
    }
    CGRect frame = table->frameInWindow();
    double x = frame.origin.x + frame.size.width / 2;
    // Long scrolls take several strokes so the finger stays on the list.
    double stroke = std::max(frame.size.height / 2, 1.0);
    for (double left = *arguments.number; std::abs(left) > 0.5;) {
        double distance = std::clamp(left, -stroke, stroke);
        double middle = frame.origin.y + frame.size.height / 2;
        drag({x, middle + distance / 2}, {x, middle - distance / 2});
        left -= distance;
    }
    return CommandResult::ok();
}

CommandResult type(Simulator&, const Arguments& arguments)
{
    if (!device::uikit::Keyboard::isVisible()) {
        return kNoFocus;
    }
    device::uikit::Keyboard::type(*arguments.text);
    return CommandResult::ok();
}

CommandResult erase(Simulator&, const Arguments& arguments)
{
    if (!device::uikit::Keyboard::isVisible()) {
        return kNoFocus;
    }
    device::uikit::Keyboard::erase(static_cast<std::size_t>(arguments.number.value_or(1)));
    return CommandResult::ok();
}

CommandResult back(Simulator&, const Arguments&)
{
    auto& window = laidOutWindow();
    std::set<const UIView*> seen;
    device::uikit::UINavigationButton* button = nullptr;
    for (UIView* layer : screenLayers(window)) {
        walk(*layer, seen, [&](UIView& view) {
            if (auto* bar = dynamic_cast<device::uikit::UINavigationBar*>(&view); bar && !button) {
                auto* candidate = bar->backButton();
                // A finger reaches only what is on top: not a button under an alert or a full-screen page.
                if (candidate && isOnScreen(*candidate, window) && reachable(*candidate, window)) {
                    button = candidate;
                }
            }
            return button != nullptr;
        });
        if (button) {
            device::uikit::Touchscreen().tap(centreOf(*button));
            return CommandResult::ok();
        }
    }
    return CommandResult::error("the navigation bar shows no back button");
}

}  // namespace sim::commands
