#pragma once

#include "device/uikit/image_view.h"
#include "device/uikit/label.h"
#include "device/uikit/scroll_view.h"
#include "device/uikit/view.h"

#include <memory>

namespace device::uikit {

enum class UITableViewCellAccessoryType { None = 0, DisclosureIndicator = 1, DetailDisclosureButton = 2, Checkmark = 3 };
enum class UITableViewCellStyle { Default = 0, Value1 = 1, Value2 = 2, Subtitle = 3 };
enum class UITableViewCellEditingStyle : long { None = 0, Delete = 1, Insert = 2 };

class UIButton;
class UITableViewCellEditControl;
class UITableViewCellReorderControl;

// A cell's first subview is its content view, a horizontally scrollable view as wide as the cell (it
// does not scroll under a finger; its offset is set in code) holding the image, the text, the detail
// text and the accessory view, so that moving its offset slides the whole row aside. In a
// table's editing mode the cell shows a delete or insert control on its left, a reorder control
// on its right, and after a tap on the delete control a "Delete" button.
class UITableViewCell : public UIView {
public:
    static constexpr std::string_view className = "UITableViewCell";

    explicit UITableViewCell(UITableViewCellStyle style = UITableViewCellStyle::Value1);
    void setUp();

    UITableViewCellStyle style() const { return m_style; }
    UIView* contentView() const { return m_contentView.get(); }
    UILabel* textLabel() const { return m_textLabel.get(); }
    UILabel* detailTextLabel() const { return m_detailTextLabel.get(); }
    UIImageView* imageView() const { return m_imageView.get(); }
    UIView* accessoryView() const { return m_accessoryView.get(); }
    void setAccessoryView(std::shared_ptr<UIView> view);
    UITableViewCellAccessoryType accessoryType() const { return m_accessoryType; }
    void setAccessoryType(UITableViewCellAccessoryType type) { m_accessoryType = type; }
    bool hidesAccessoryWhenEditing() const { return m_hidesAccessoryWhenEditing; }
    void setHidesAccessoryWhenEditing(bool hides) { m_hidesAccessoryWhenEditing = hides; }

    bool isEditing() const { return m_editing; }
    void setEditing(bool editing);
    // What the table's data source and delegate answered for this row.
    void setEditingControls(UITableViewCellEditingStyle style, bool showsReorderControl, bool indents);
    UITableViewCellEditingStyle editingStyle() const { return m_editingStyle; }
    bool showsReorderControl() const { return m_editing && m_showsReorderControl; }
    bool showingDeleteConfirmation() const { return m_deleteButton != nullptr; }
    void setShowingDeleteConfirmation(bool showing);

    // Places the controls, the content view, image, labels and accessory inside the cell's frame.
    void layoutSubviews() override;

private:
    void syncEditingControls();

    UITableViewCellStyle m_style;
    std::shared_ptr<UIScrollView> m_contentView;
    std::shared_ptr<UILabel> m_textLabel;
    std::shared_ptr<UILabel> m_detailTextLabel;
    std::shared_ptr<UIImageView> m_imageView;
    std::shared_ptr<UIView> m_accessoryView;
    UITableViewCellAccessoryType m_accessoryType = UITableViewCellAccessoryType::None;
    bool m_hidesAccessoryWhenEditing = true;
    bool m_editing = false;
    UITableViewCellEditingStyle m_editingStyle = UITableViewCellEditingStyle::None;
    bool m_showsReorderControl = false;
    bool m_indentsWhileEditing = true;
    std::shared_ptr<UITableViewCellEditControl> m_editControl;
    std::shared_ptr<UITableViewCellReorderControl> m_reorderControl;
    std::shared_ptr<UIButton> m_deleteButton;
};

}  // namespace device::uikit
