#pragma once

#include <cstdint>

namespace device::uikit {

using SystemSoundID = std::uint32_t;

// The platform's sound call (1104 is the key click, 4095 the vibration); the application keeps what
// was played.
void AudioServicesPlaySystemSound(SystemSoundID sound);

}  // namespace device::uikit
