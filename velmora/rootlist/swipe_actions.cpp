#include "velmora/rootlist/swipe_actions.h"

namespace velmora::rootlist {

void Looping(device::objc::id, device::objc::SEL) {}

void Swipe(device::objc::id, device::objc::SEL, device::objc::id) {}

void Tapped(device::objc::id, device::objc::SEL, device::objc::id) {}

}  // namespace velmora::rootlist
