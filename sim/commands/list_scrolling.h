#pragma once

#include "device/uikit/geometry.h"
#include "device/uikit/table_view.h"

#include <vector>

namespace sim {
class Simulator;
}

namespace sim::commands {

// A finger pressed at from, moved to to in small steps, and lifted.
void drag(device::uikit::CGPoint from, device::uikit::CGPoint to);

// A row dragged by its grip to the place of a row that is not in view with it: the finger holds the
// row near the edge of the list, towards the place, until the list has scrolled the place into view,
// then moves onto it and lifts. False when the place never comes into view.
bool dragToFarRow(Simulator& simulator, device::uikit::UITableView& list, device::uikit::CGPoint grip,
                  const device::uikit::UITableViewCell& place);

// Scrolls the list by distance points (negative: up) with as many finger strokes as it takes.
void scrollList(device::uikit::UITableView& list, double distance);

// Scrolls the list by the least that shows all the rows whole, as far as its content allows, and
// lets the device settle. The list may rebuild its rows meanwhile: look them up again afterwards.
void scrollIntoView(Simulator& simulator, device::uikit::UITableView& list,
                    const std::vector<const device::uikit::UITableViewCell*>& rows);

}  // namespace sim::commands
