#pragma once

#include "device/foundation/plist_value.h"

namespace velmora::protection {

// Protection guards anything only while it is switched on and a passcode is set.
bool protectionIsActive(const device::foundation::PlistDictionary& protectedStore);

}  // namespace velmora::protection
