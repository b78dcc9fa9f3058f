#pragma once

#include <string>

struct utsname;

namespace device::foundation {

// What the hardware and the system report about themselves.
struct SystemInfo {
    std::string model;          // "iPhone", "iPad"
    std::string machine;        // "iPhone6,1"
    std::string systemName = "iPhone OS";
    std::string systemVersion = "7.1.2";
    std::string nodeName = "Velmoras-iPhone";

    static void set(SystemInfo info);
    static const SystemInfo& current();
};

// The uname system call of the simulated device: its machine field is the hardware model string.
int uname(::utsname* name);

}  // namespace device::foundation
