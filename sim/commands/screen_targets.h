#pragma once

#include "device/uikit/table_view.h"
#include "device/uikit/view.h"
#include "device/uikit/window.h"

#include <set>
#include <string>
#include <vector>

namespace sim::commands {

// What a command can name by its text: a label or a button on screen, or the label of a table row,
// which counts even while its list has it scrolled out of view.
struct Target {
    std::string text;
    device::uikit::UIView* view = nullptr;
    // Set when the text is a row's label.
    device::uikit::UITableViewCell* row = nullptr;
    device::uikit::UITableView* list = nullptr;
    bool inView = true;
};

device::uikit::UIWindow& laidOutWindow();
device::uikit::CGPoint centreOf(const device::uikit::UIView& view);
bool isOnScreen(const device::uikit::UIView& view, const device::uikit::UIView& window);
// A finger at the view's centre would touch it, not something over it.
bool reachable(const device::uikit::UIView& view, device::uikit::UIWindow& window);

// The part of a list a finger can reach: its frame, within the screen and above the keyboard.
device::uikit::CGRect visiblePart(const device::uikit::UITableView& list);

// The views that make up the screen, in the order a command looks for its target.
std::vector<device::uikit::UIView*> screenLayers(device::uikit::UIWindow& window);

// Visits the shown views under view, depth first, once each; a visit answering true skips the subviews.
template <typename Visit>
void walk(device::uikit::UIView& view, std::set<const device::uikit::UIView*>& seen, Visit&& visit)
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

// Every target, layer by layer in screenLayers' order, and within a layer top to bottom, left to right.
std::vector<Target> screenTargets();

// What a person could aim at instead: the texts on screen, then the rows scrolled out of view.
std::string describeTargets(const std::vector<Target>& targets);

}  // namespace sim::commands
