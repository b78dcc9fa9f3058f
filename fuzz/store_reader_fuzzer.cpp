#include "device/foundation/plist_serialization.h"

#include <cstddef>
#include <cstdint>
#include <span>

// A store file as the library finds it on disk: XML or binary, truncated, cyclic, deep or wrong.
// Whatever reads back must also write out again.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto parsed = device::foundation::parsePlist(std::span(data, size));
    if (parsed) {
        device::foundation::serializePlistXml(*parsed);
    }
    return 0;
}
