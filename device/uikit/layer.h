#pragma once

#include "device/uikit/color.h"

namespace device::uikit {

// The drawing properties a view's layer adds to it.
struct CALayer {
    double cornerRadius = 0;
    double borderWidth = 0;
    UIColor borderColor = UIColor::blackColor();
    bool masksToBounds = false;
};

}  // namespace device::uikit
