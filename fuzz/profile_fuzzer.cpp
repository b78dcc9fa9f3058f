#include "device/settings/profile.h"

#include <cstddef>
#include <cstdint>
#include <span>

// A device profile given with --device: any file at all.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    device::settings::readProfile(std::span(data, size), "profile.plist");
    return 0;
}
