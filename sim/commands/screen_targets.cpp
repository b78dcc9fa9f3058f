#include "sim/commands/screen_targets.h"

#include "device/render/screen_controllers.h"
#include "device/uikit/action_sheet.h"
#include "device/uikit/alert_view.h"
#include "device/uikit/application.h"
#include "device/uikit/button.h"
#include "device/uikit/keyboard.h"
#include "device/uikit/label.h"
#include "device/uikit/scroll_view.h"

#include <algorithm>
#include <map>
#include <optional>

namespace sim::commands {

namespace {

using device::uikit::CGPoint;
using device::uikit::CGRect;
using device::uikit::UITableView;
using device::uikit::UIView;

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

// A list whose visible part a finger cannot reach (under an alert or a modal page) cannot be
// scrolled either, so none of its rows is a target.
class ReachableLists {
public:
    explicit ReachableLists(device::uikit::UIWindow& window) : m_window(window) {}

    bool contains(UITableView& list)
    {
        auto known = m_known.find(&list);
        if (known != m_known.end()) {
            return known->second;
        }
        CGRect area = visiblePart(list);
        bool reached = false;
        if (area.height() > 0 && area.width() > 0) {
            UIView* hit = m_window.hitTest({area.minX() + area.width() / 2, area.minY() + area.height() / 2});
            reached = hit && hit->isDescendantOf(&list);
        }
        return m_known[&list] = reached;
    }

private:
    device::uikit::UIWindow& m_window;
    std::map<const UITableView*, bool> m_known;
};

// Nothing lies over the view's centre: a finger there touches the view, a part of it, or (for a label,
// which takes no touches) what holds it. A row's label counts as the whole row, whose text field may
// lie over it.
bool uncovered(UIView& view, UIView& owner, device::uikit::UIWindow& window)
{
    UIView* hit = window.hitTest(centreOf(view));
    return hit && (hit->isDescendantOf(&owner) || owner.isDescendantOf(hit));
}

std::optional<Target> rowTarget(device::uikit::UILabel& label, device::uikit::UIWindow& window, ReachableLists& lists)
{
    auto* row = enclosing<device::uikit::UITableViewCell>(&label);
    auto* list = enclosing<UITableView>(row);
    if (!row || row->textLabel() != &label || !list) {
        return std::nullopt;
    }
    bool inView = isOnScreen(label, window) && visiblePart(*list).contains(centreOf(label));
    if (inView ? !uncovered(label, *row, window) : !lists.contains(*list)) {
        return std::nullopt;
    }
    return Target{label.text(), &label, row, list, inView};
}

}  // namespace

device::uikit::UIWindow& laidOutWindow()
{
    auto* window = device::uikit::UIApplication::sharedApplication().keyWindow();
    window->layoutIfNeeded();
    return *window;
}

CGPoint centreOf(const UIView& view)
{
    CGRect frame = view.frameInWindow();
    return {frame.origin.x + frame.size.width / 2, frame.origin.y + frame.size.height / 2};
}

// Hidden views and rows scrolled out of their list cannot be touched, so they are not on screen.
bool isOnScreen(const UIView& view, const UIView& window)
{
    if (!view.isVisibleOnScreen()) {
        return false;
    }
    CGPoint centre = centreOf(view);
    if (!window.frameInWindow().contains(centre)) {
        return false;
    }
    for (const UIView* ancestor = view.superview(); ancestor; ancestor = ancestor->superview()) {
        bool clips = dynamic_cast<const device::uikit::UIScrollView*>(ancestor) != nullptr;
        if (clips && !ancestor->frameInWindow().contains(centre)) {
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

CGRect visiblePart(const UITableView& list)
{
    CGRect frame = list.frameInWindow();
    CGRect screen = device::uikit::UIApplication::sharedApplication().keyWindow()->frame();
    double top = std::max(frame.minY(), screen.minY());
    double bottom = std::min(frame.maxY(), screen.maxY());
    // A form sheet, or any view holding the list that clips, hides what lies beyond its edges.
    for (const UIView* holder = list.superview(); holder; holder = holder->superview()) {
        if (holder->clipsToBounds()) {
            top = std::max(top, holder->frameInWindow().minY());
            bottom = std::min(bottom, holder->frameInWindow().maxY());
        }
    }
    if (UIView* keyboard = device::uikit::Keyboard::view()) {
        bottom = std::min(bottom, keyboard->frameInWindow().minY());
    }
    return {{frame.minX(), top}, {frame.width(), std::max(0.0, bottom - top)}};
}

// The documented order names alert, sheet, modal, page and root list; the keyboard, which it does not
// name, comes last.
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

std::vector<Target> screenTargets()
{
    auto& window = laidOutWindow();
    ReachableLists lists(window);
    std::vector<Target> all;
    std::set<const UIView*> seen;
    for (UIView* layer : screenLayers(window)) {
        std::vector<Target> found;
        walk(*layer, seen, [&](UIView& view) {
            if (auto* button = dynamic_cast<device::uikit::UIButton*>(&view)) {
                // A button without a title is named by the labels it holds, as a keypad's keys are.
                if (button->title().empty()) {
                    return false;
                }
                if (isOnScreen(view, window) && uncovered(view, view, window)) {
                    found.push_back({button->title(), &view});
                }
                return true;
            }
            auto* label = dynamic_cast<device::uikit::UILabel*>(&view);
            if (!label || label->text().empty()) {
                return false;
            }
            if (auto row = rowTarget(*label, window, lists)) {
                found.push_back(*row);
            } else if (isOnScreen(view, window) && uncovered(view, view, window)) {
                found.push_back({label->text(), &view});
            }
            return false;
        });
        std::stable_sort(found.begin(), found.end(), [](const Target& a, const Target& b) {
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

std::string describeTargets(const std::vector<Target>& targets)
{
    std::string shown = "On screen:";
    std::string hidden;
    for (const Target& target : targets) {
        (target.inView ? shown : hidden) += " \"" + target.text + "\"";
    }
    return hidden.empty() ? shown : shown + ". Scrolled out of view:" + hidden;
}

}  // namespace sim::commands
