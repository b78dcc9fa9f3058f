#pragma once

#include "device/graphics/canvas.h"
#include "device/uikit/control.h"
#include "device/uikit/refresh_control.h"
#include "device/uikit/table_view_cell_controls.h"

namespace device::render {

void paintSwitch(const uikit::UISwitch& toggle, graphics::Canvas& canvas, const graphics::Rect& bounds);
void paintEditControl(const uikit::UITableViewCellEditControl& control, graphics::Canvas& canvas, const graphics::Rect& bounds);
void paintReorderControl(graphics::Canvas& canvas, const graphics::Rect& bounds);
void paintRefreshControl(const uikit::UIRefreshControl& control, graphics::Canvas& canvas, const graphics::Rect& bounds);

}  // namespace device::render
