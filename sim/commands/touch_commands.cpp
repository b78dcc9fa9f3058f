#include "sim/commands/commands.h"
#include "sim/commands/list_scrolling.h"
#include "sim/commands/screen_targets.h"
#include "sim/simulator.h"

#include "device/uikit/control.h"
#include "device/uikit/keyboard.h"
#include "device/uikit/navigation_bar.h"
#include "device/uikit/scroll_view.h"
#include "device/uikit/table_view.h"
#include "device/uikit/table_view_cell.h"
#include "device/uikit/table_view_cell_controls.h"
#include "device/uikit/touchscreen.h"

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace sim::commands {

namespace {

using device::uikit::CGPoint;
using device::uikit::CGRect;
using device::uikit::UIView;

constexpr int kSwipeSteps = 20;
constexpr double kMostCharactersErased = 1e9;

CommandResult missing(const std::string& what, const std::vector<Target>& targets)
{
    return CommandResult::error(what + ". " + describeTargets(targets));
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

CommandResult outOfReach(const std::string& text)
{
    return CommandResult::error("the row \"" + text + "\" cannot be scrolled into view");
}

// The screen's targets and the occurrence-th of them that matches, if there are that many.
struct Lookup {
    std::vector<Target> targets;
    std::optional<Target> target;
    long matches = 0;
};

template <typename Matches>
Lookup lookUp(const Matches& matches, long occurrence = 1)
{
    Lookup lookup{screenTargets(), std::nullopt, 0};
    for (const Target& target : lookup.targets) {
        if (matches(target) && ++lookup.matches == occurrence) {
            lookup.target = target;
            break;
        }
    }
    return lookup;
}

// A target that its list has scrolled away is scrolled into view and looked up again, as the list may
// have rebuilt its rows meanwhile.
template <typename Matches>
Lookup lookUpInView(Simulator& simulator, const Matches& matches, long occurrence = 1)
{
    Lookup lookup = lookUp(matches, occurrence);
    if (lookup.target && !lookup.target->inView) {
        scrollIntoView(simulator, *lookup.target->list, {lookup.target->row});
        lookup = lookUp(matches, occurrence);
    }
    return lookup;
}

auto rowLabelled(const std::string& text)
{
    return [&text](const Target& target) { return target.row && target.text == text; };
}

CommandResult noRow(const std::string& text, const std::vector<Target>& targets)
{
    return missing("no row on screen is labelled \"" + text + "\"", targets);
}

struct RowLookup {
    device::uikit::UITableViewCell* cell = nullptr;
    CommandResult error;
};

RowLookup rowInView(Simulator& simulator, const std::string& text)
{
    auto lookup = lookUpInView(simulator, rowLabelled(text));
    if (!lookup.target) {
        return {nullptr, noRow(text, lookup.targets)};
    }
    if (!lookup.target->inView) {
        return {nullptr, outOfReach(text)};
    }
    return {lookup.target->row, {}};
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

const CommandResult kNoFocus = CommandResult::error("no text field has the focus");
const CommandResult kNoList = CommandResult::error("no list is on screen");

}  // namespace

CommandResult tap(Simulator& simulator, const Arguments& arguments)
{
    device::uikit::Touchscreen screen;
    if (arguments.point) {
        laidOutWindow();
        screen.tap({arguments.point->x, arguments.point->y});
        return CommandResult::ok();
    }
    auto lookup = lookUpInView(
        simulator, [&](const Target& target) { return target.text == *arguments.text; }, arguments.occurrence);
    if (lookup.target) {
        if (!lookup.target->inView) {
            return outOfReach(*arguments.text);
        }
        screen.tap(centreOf(*lookup.target->view));
        return CommandResult::ok();
    }
    long seen = lookup.matches;
    std::string what = seen == 0 ? "nothing on screen shows \"" + *arguments.text + "\""
                                 : std::to_string(seen) + " element(s) on screen show \"" + *arguments.text
                                       + "\", not " + std::to_string(arguments.occurrence);
    return missing(what, lookup.targets);
}

CommandResult toggle(Simulator& simulator, const Arguments& arguments)
{
    auto row = rowInView(simulator, *arguments.text);
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

CommandResult swipe(Simulator& simulator, const Arguments& arguments)
{
    auto row = rowInView(simulator, *arguments.text);
    if (!row.cell) {
        return row.error;
    }
    double distance = arguments.number.value_or(200);
    double sign = arguments.direction == SwipeDirection::Left ? -1 : 1;
    CGPoint centre = centreOf(*row.cell);
    device::uikit::Touchscreen().pan({centre.x - sign * distance / 2, centre.y},
                                     {centre.x + sign * distance / 2, centre.y}, kSwipeSteps);
    return CommandResult::ok();
}

CommandResult dragRow(Simulator& simulator, const Arguments& arguments)
{
    auto moved = lookUp(rowLabelled(*arguments.text));
    if (!moved.target) {
        return noRow(*arguments.text, moved.targets);
    }
    auto place = lookUp(rowLabelled(*arguments.target));
    if (!place.target) {
        return noRow(*arguments.target, place.targets);
    }
    std::string both = "the rows \"" + *arguments.text + "\" and \"" + *arguments.target + "\"";
    if (moved.target->list != place.target->list) {
        return CommandResult::error(both + " are in different lists");
    }
    if (!moved.target->inView || !place.target->inView) {
        scrollIntoView(simulator, *moved.target->list, {moved.target->row, place.target->row});
        moved = lookUp(rowLabelled(*arguments.text));
        place = lookUp(rowLabelled(*arguments.target));
        if (!moved.target || !place.target) {
            return CommandResult::error(both + " left the screen while it scrolled");
        }
        if (!moved.target->inView) {
            scrollIntoView(simulator, *moved.target->list, {moved.target->row});
            moved = lookUp(rowLabelled(*arguments.text));
            place = lookUp(rowLabelled(*arguments.target));
            if (!moved.target || !place.target || !moved.target->inView) {
                return CommandResult::error("the row \"" + *arguments.text + "\" cannot be scrolled into view");
            }
        }
    }
    auto* row = moved.target->row;
    auto* grip = findIn<device::uikit::UITableViewCellReorderControl>(*row);
    if (!grip || !grip->isVisibleOnScreen()) {
        std::string why = moved.target->list && moved.target->list->isEditing() ? "its list keeps it in place"
                                                                                : "its list is not in editing mode";
        return CommandResult::error("the row \"" + *arguments.text + "\" cannot be moved: " + why);
    }
    CGPoint from = centreOf(*grip);
    if (place.target->inView) {
        drag(from, {from.x, centreOf(*place.target->row).y});
    } else if (!dragToFarRow(simulator, *moved.target->list, from, *place.target->row)) {
        return CommandResult::error(both + ": the list never brought \"" + *arguments.target + "\" into view");
    }
    return CommandResult::ok();
}

CommandResult deleteRow(Simulator& simulator, const Arguments& arguments)
{
    auto row = rowInView(simulator, *arguments.text);
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
    scrollList(*table, *arguments.number);
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
    // The keyboard erases no more than the field holds, so any count beyond that is as good as it.
    double count = std::min(arguments.number.value_or(1), kMostCharactersErased);
    device::uikit::Keyboard::erase(static_cast<std::size_t>(count));
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
