#include "velmora/core/tablet.h"

#include "device/uikit/screen.h"

namespace velmora::core {

bool isTablet()
{
    return device::uikit::UIDevice::currentDevice().model().starts_with("iPad");
}

}  // namespace velmora::core
