#pragma once

namespace velmora::core {

// What loading the library does on the device: register the library's classes, create the shared
// state (the static initialiser), then install the methods (CHConstructor6540).
void loadLibrary();

}  // namespace velmora::core
