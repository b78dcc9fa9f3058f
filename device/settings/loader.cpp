#include "device/settings/loader.h"

#include "device/foundation/file_manager.h"

#include <dlfcn.h>

#include <algorithm>
#include <filesystem>

namespace device::settings {

Loader::~Loader()
{
    unloadAll();
}

std::vector<std::string> Loader::loadAll()
{
    std::vector<std::string> failures;
    auto folder = foundation::DeviceRoot::map(kDynamicLibrariesFolder);
    std::error_code error;
    if (!folder || !std::filesystem::is_directory(*folder, error)) {
        return failures;
    }
    std::vector<std::filesystem::path> libraries;
    for (const auto& entry : std::filesystem::directory_iterator(*folder, error)) {
        auto extension = entry.path().extension();
        if (entry.is_regular_file() && (extension == ".so" || extension == ".dylib")) {
            libraries.push_back(entry.path());
        }
    }
    std::sort(libraries.begin(), libraries.end());
    for (const auto& library : libraries) {
        if (void* handle = ::dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL)) {
            m_handles.push_back(handle);
        } else {
            const char* reason = ::dlerror();
            failures.push_back(library.filename().string() + ": " + (reason ? reason : "cannot be loaded"));
        }
    }
    return failures;
}

void Loader::unloadAll()
{
    for (auto handle = m_handles.rbegin(); handle != m_handles.rend(); ++handle) {
        ::dlclose(*handle);
    }
    m_handles.clear();
}

}  // namespace device::settings
