#pragma once

#include "device/uikit/image_view.h"
#include "device/uikit/label.h"
#include "device/uikit/view.h"

#include <memory>

namespace device::uikit {

enum class UITableViewCellAccessoryType { None = 0, DisclosureIndicator = 1, DetailDisclosureButton = 2, Checkmark = 3 };
enum class UITableViewCellStyle { Default = 0, Value1 = 1, Value2 = 2, Subtitle = 3 };

// A cell's first subview is its content view, which holds the image, the text and the detail text.
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
    bool isEditing() const { return m_editing; }
    void setEditing(bool editing) { m_editing = editing; }

    // Places the content view, image, labels and accessory inside the cell's current frame.
    void layoutSubviews();

private:
    UITableViewCellStyle m_style;
    std::shared_ptr<UIView> m_contentView;
    std::shared_ptr<UILabel> m_textLabel;
    std::shared_ptr<UILabel> m_detailTextLabel;
    std::shared_ptr<UIImageView> m_imageView;
    std::shared_ptr<UIView> m_accessoryView;
    UITableViewCellAccessoryType m_accessoryType = UITableViewCellAccessoryType::None;
    bool m_editing = false;
};

}  // namespace device::uikit
