#pragma once

#include "device/objc/runtime.h"

namespace velmora::rootlist {

bool _showCarrier(device::objc::id self, device::objc::SEL cmd);

}  // namespace velmora::rootlist
