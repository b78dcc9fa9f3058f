#pragma once

#include "device/preferences/table_cell.h"
#include "device/uikit/image_view.h"

#include <memory>
#include <string_view>

namespace velmora::pane {

// The about page's banner, heading its first group.
class HeaderCell : public device::preferences::PSTableCell {
public:
    static constexpr std::string_view className = "HeaderCell";

    void initWithSpecifier(device::preferences::PSSpecifier* specifier);
    double preferredHeightForWidth(double width);
    void setFrame(device::uikit::CGRect frame) override;

private:
    std::shared_ptr<device::uikit::UIImageView> _background;
};

}  // namespace velmora::pane
