#pragma once

#include "velmora/core/installed_method.h"

#include "device/objc/runtime.h"

#include <array>
#include <string_view>

namespace velmora::core {

enum class InstallKind { Replaced, Added };

struct MethodInstallation {
    InstalledMethod method;
    std::string_view selector;
    InstallKind kind;
    // The encoding an added method gets when the host class does not answer the selector yet.
    std::string_view typesWhenAdded;
    device::objc::IMP implementation;
};

const std::array<MethodInstallation, kInstalledMethodCount>& installedMethods();

// Installs the table on PrefsListController, keeping the host's implementations so that the
// replacements can call them. A missing host class or replaced method is skipped silently.
void CHConstructor6540();

}  // namespace velmora::core
