#pragma once

#include "device/uikit/button.h"
#include "device/uikit/control.h"
#include "device/uikit/table_view_cell.h"

#include <memory>

namespace device::uikit {

// The circle on the left of a cell in editing mode: a red one opens the row's "Delete" button, a
// green one inserts.
class UITableViewCellEditControl : public UIControl {
public:
    static constexpr std::string_view className = "UITableViewCellEditControl";

    UITableViewCellEditingStyle editingStyle() const { return m_style; }
    void setEditingStyle(UITableViewCellEditingStyle style);

protected:
    void endTracking(TouchRelease where) override;

private:
    UITableViewCellEditingStyle m_style = UITableViewCellEditingStyle::Delete;
};

// The grip on the right of a movable row in editing mode: dragging it carries the row.
class UITableViewCellReorderControl : public UIControl {
public:
    static constexpr std::string_view className = "UITableViewCellReorderControl";

    void touchesBegan(UITouch& touch) override;
    void touchesMoved(UITouch& touch) override;
    void touchesEnded(UITouch& touch) override;
    void touchesCancelled(UITouch& touch) override;
};

// The button that confirms a row's deletion.
class UITableViewCellDeleteConfirmationButton : public UIButton {
public:
    static constexpr std::string_view className = "UITableViewCellDeleteConfirmationButton";

    static std::shared_ptr<UITableViewCellDeleteConfirmationButton> make();

protected:
    void endTracking(TouchRelease where) override;
};

}  // namespace device::uikit
