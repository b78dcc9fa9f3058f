#pragma once

namespace device::uikit {

// Registers the toolkit's classes and the methods that are sent by selector.
void registerUIKitClasses();

}  // namespace device::uikit
