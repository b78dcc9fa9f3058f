#include "velmora/pane/right_button.h"

#include "device/uikit/bar_button_item.h"

namespace velmora::pane {

void setRightButton(device::uikit::UIViewController& page, std::string title, std::string_view action)
{
    page.navigationItem()->setRightBarButtonItem(device::uikit::UIBarButtonItem::initWithTitle(
        std::move(title), device::uikit::UIBarButtonItemStyle::Bordered, &page, device::objc::sel_registerName(action)));
}

}  // namespace velmora::pane
