#include "device/uikit/table_view_cell_controls.h"

#include "device/uikit/table_view.h"
#include "device/uikit/touch.h"

namespace device::uikit {

namespace {

UITableViewCell* cellOf(UIView& control)
{
    for (UIView* view = control.superview(); view; view = view->superview()) {
        if (auto* cell = dynamic_cast<UITableViewCell*>(view)) {
            return cell;
        }
    }
    return nullptr;
}

UITableView* tableOf(UIView& control)
{
    UITableViewCell* cell = cellOf(control);
    return cell ? dynamic_cast<UITableView*>(cell->superview()) : nullptr;
}

}  // namespace

void UITableViewCellEditControl::setEditingStyle(UITableViewCellEditingStyle style)
{
    m_style = style;
}

void UITableViewCellEditControl::endTracking(TouchRelease where)
{
    UIControl::endTracking(where);
    UITableView* table = tableOf(*this);
    if (where == TouchRelease::Inside && table) {
        table->editControlTapped(*cellOf(*this));
    }
}

void UITableViewCellReorderControl::touchesBegan(UITouch& touch)
{
    if (UITableView* table = tableOf(*this)) {
        table->reorderBegan(*cellOf(*this), touch.locationInView(table));
    }
}

void UITableViewCellReorderControl::touchesMoved(UITouch& touch)
{
    if (UITableView* table = tableOf(*this)) {
        table->reorderMoved(touch.locationInView(table));
    }
}

void UITableViewCellReorderControl::touchesEnded(UITouch& touch)
{
    if (UITableView* table = tableOf(*this)) {
        table->reorderEnded(touch.locationInView(table));
    }
}

void UITableViewCellReorderControl::touchesCancelled(UITouch&)
{
    if (UITableView* table = tableOf(*this)) {
        table->reorderCancelled();
    }
}

std::shared_ptr<UITableViewCellDeleteConfirmationButton> UITableViewCellDeleteConfirmationButton::make()
{
    auto button = objc::create<UITableViewCellDeleteConfirmationButton>();
    button->setBackgroundColor(UIColor::rgba(1, 0.23, 0.19));
    button->setTitleColor(UIColor::whiteColor());
    button->setTitle("Delete");
    return button;
}

void UITableViewCellDeleteConfirmationButton::endTracking(TouchRelease where)
{
    UIButton::endTracking(where);
    UITableView* table = tableOf(*this);
    if (where == TouchRelease::Inside && table) {
        table->deleteConfirmationTapped(*cellOf(*this));
    }
}

}  // namespace device::uikit
