#include "velmora/protection/keypad.h"

namespace velmora::protection {

void buttonPressed(device::objc::id, device::objc::SEL, device::objc::id) {}

void buttonReleased(device::objc::id, device::objc::SEL, device::objc::id) {}

void dismissPassController(device::objc::id, device::objc::SEL, device::objc::id) {}

void dismissTagsController(device::objc::id, device::objc::SEL) {}

}  // namespace velmora::protection
