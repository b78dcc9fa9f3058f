#include "velmora/core/device_number.h"

#include "device/foundation/plist_value.h"
#include "device/foundation/system_info.h"

#include <string_view>
#include <sys/utsname.h>

namespace velmora::core {

int deviceNumber()
{
    ::utsname system{};
    device::foundation::uname(&system);
    std::string_view machine(system.machine);
    constexpr std::size_t kKept = 3;
    if (machine.size() > kKept) {
        machine.remove_prefix(machine.size() - kKept);
    }
    return device::foundation::stringIntValue(machine);
}

}  // namespace velmora::core
