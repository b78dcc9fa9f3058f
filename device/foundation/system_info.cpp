#include "device/foundation/system_info.h"

#include <sys/utsname.h>

#include <algorithm>
#include <cstring>
#include <string_view>

namespace device::foundation {

namespace {

SystemInfo& currentInfo()
{
    static SystemInfo info;
    return info;
}

template <std::size_t N>
void copyField(char (&field)[N], std::string_view text)
{
    std::size_t length = std::min(text.size(), N - 1);
    std::memcpy(field, text.data(), length);
    field[length] = '\0';
}

}  // namespace

void SystemInfo::set(SystemInfo info)
{
    currentInfo() = std::move(info);
}

const SystemInfo& SystemInfo::current()
{
    return currentInfo();
}

int uname(::utsname* name)
{
    if (!name) {
        return -1;
    }
    const SystemInfo& info = SystemInfo::current();
    std::memset(name, 0, sizeof(*name));
    copyField(name->sysname, "Darwin");
    copyField(name->nodename, info.nodeName);
    copyField(name->release, "14.0.0");
    copyField(name->version, "Darwin Kernel Version 14.0.0: Thu May 15 23:17:54 PDT 2014; root:xnu-2423.10.71~1/RELEASE_ARM64_S5L8960X");
    copyField(name->machine, info.machine);
    return 0;
}

}  // namespace device::foundation
