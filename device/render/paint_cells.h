#pragma once

#include "device/graphics/canvas.h"
#include "device/uikit/navigation_bar.h"
#include "device/uikit/table_view_cell.h"

namespace device::render {

// The hairlines between rows (inset to the text, full width at a section's edges) and the accessory.
void paintCellDecorations(const uikit::UITableViewCell& cell, graphics::Canvas& canvas, const graphics::Rect& bounds);
// The hairline under a navigation bar and the chevron of its back button.
void paintNavigationBar(const uikit::UINavigationBar& bar, graphics::Canvas& canvas, const graphics::Rect& bounds);

}  // namespace device::render
