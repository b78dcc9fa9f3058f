#include "device/uikit/refresh_control.h"

#include "device/uikit/scroll_view.h"

namespace device::uikit {

void UIRefreshControl::endRefreshing()
{
    m_refreshing = false;
    if (auto* scrollView = dynamic_cast<UIScrollView*>(superview()); scrollView && !scrollView->isDragging()) {
        scrollView->settle();
    }
}

}  // namespace device::uikit
