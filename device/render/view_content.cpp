#include "device/render/view_content.h"

#include "device/render/paint_cells.h"
#include "device/render/paint_controls.h"
#include "device/render/paint_text.h"
#include "device/uikit/image_view.h"
#include "device/uikit/navigation_bar.h"
#include "device/uikit/refresh_control.h"
#include "device/uikit/table_view_cell_controls.h"
#include "device/uikit/text_field.h"

namespace device::render {

void drawViewContent(const uikit::UIView& view, graphics::Canvas& canvas, const graphics::Rect& bounds)
{
    if (const auto* label = dynamic_cast<const uikit::UILabel*>(&view)) {
        paintLabel(*label, canvas, bounds);
    } else if (const auto* imageView = dynamic_cast<const uikit::UIImageView*>(&view)) {
        paintImageView(*imageView, canvas, bounds);
    } else if (const auto* field = dynamic_cast<const uikit::UITextField*>(&view)) {
        paintTextFieldCaret(*field, canvas, bounds);
    } else if (const auto* toggle = dynamic_cast<const uikit::UISwitch*>(&view)) {
        paintSwitch(*toggle, canvas, bounds);
    } else if (const auto* editControl = dynamic_cast<const uikit::UITableViewCellEditControl*>(&view)) {
        paintEditControl(*editControl, canvas, bounds);
    } else if (dynamic_cast<const uikit::UITableViewCellReorderControl*>(&view)) {
        paintReorderControl(canvas, bounds);
    } else if (const auto* refresh = dynamic_cast<const uikit::UIRefreshControl*>(&view)) {
        paintRefreshControl(*refresh, canvas, bounds);
    } else if (const auto* cell = dynamic_cast<const uikit::UITableViewCell*>(&view)) {
        paintCellDecorations(*cell, canvas, bounds);
    } else if (const auto* bar = dynamic_cast<const uikit::UINavigationBar*>(&view)) {
        paintNavigationBar(*bar, canvas, bounds);
    }
}

}  // namespace device::render
