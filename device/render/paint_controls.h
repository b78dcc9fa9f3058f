#pragma once

#include "device/render/canvas.h"
#include "device/uikit/control.h"
#include "device/uikit/refresh_control.h"
#include "device/uikit/table_view_cell_controls.h"

namespace device::render {

void paintSwitch(const uikit::UISwitch& toggle, Canvas& canvas, const Rect& bounds);
void paintEditControl(const uikit::UITableViewCellEditControl& control, Canvas& canvas, const Rect& bounds);
void paintReorderControl(Canvas& canvas, const Rect& bounds);
void paintRefreshControl(const uikit::UIRefreshControl& control, Canvas& canvas, const Rect& bounds);

}  // namespace device::render
