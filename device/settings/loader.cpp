#include "device/settings/loader.h"

#include "device/foundation/file_manager.h"
#include "device/foundation/property_list_file.h"

#include <dlfcn.h>

#include <algorithm>
#include <filesystem>

namespace device::settings {

namespace {

enum class FilterVerdict { Load, Skip, Unreadable };

FilterVerdict filterVerdict(const std::filesystem::path& library)
{
    std::string filterPath = std::string(kDynamicLibrariesFolder) + library.stem().string() + ".plist";
    if (!foundation::FileManager::defaultManager().fileExistsAtPath(filterPath)) {
        return FilterVerdict::Load;
    }
    auto root = foundation::dictionaryWithContentsOfFile(filterPath);
    if (!root) {
        return FilterVerdict::Unreadable;
    }
    auto valueAt = [](const foundation::PlistDictionary& dictionary, const char* key) {
        auto entry = dictionary.find(key);
        return entry == dictionary.end() ? nullptr : &entry->second;
    };
    const foundation::PlistValue* filter = valueAt(*root, "Filter");
    const foundation::PlistValue* bundleList =
        filter && filter->dictionary() ? valueAt(*filter->dictionary(), "Bundles") : nullptr;
    const foundation::PlistArray* bundles = bundleList ? bundleList->array() : nullptr;
    if (!bundles) {
        return FilterVerdict::Skip;
    }
    for (const auto& bundle : *bundles) {
        if (const std::string* name = bundle.string(); name && *name == kSettingsBundleIdentifier) {
            return FilterVerdict::Load;
        }
    }
    return FilterVerdict::Skip;
}

}  // namespace

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
        switch (filterVerdict(library)) {
        case FilterVerdict::Skip:
            continue;
        case FilterVerdict::Unreadable:
            failures.push_back(library.filename().string() + ": its filter property list cannot be read");
            continue;
        case FilterVerdict::Load:
            break;
        }
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
