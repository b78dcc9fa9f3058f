#pragma once

#include "device/objc/runtime.h"

namespace velmora::rootlist {

void Looping(device::objc::id self, device::objc::SEL cmd);
void Swipe(device::objc::id self, device::objc::SEL cmd, device::objc::id recognizer);
void Tapped(device::objc::id self, device::objc::SEL cmd, device::objc::id recognizer);

}  // namespace velmora::rootlist
