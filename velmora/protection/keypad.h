#pragma once

#include "device/objc/runtime.h"

namespace velmora::protection {

void buttonPressed(device::objc::id self, device::objc::SEL cmd, device::objc::id button);
void buttonReleased(device::objc::id self, device::objc::SEL cmd, device::objc::id button);
void dismissPassController(device::objc::id self, device::objc::SEL cmd, device::objc::id recognizer);
void dismissTagsController(device::objc::id self, device::objc::SEL cmd);

}  // namespace velmora::protection
