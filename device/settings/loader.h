#pragma once

#include <string>
#include <vector>

namespace device::settings {

inline constexpr std::string_view kDynamicLibrariesFolder = "/Library/MobileSubstrate/DynamicLibraries/";
// The bundle the Settings app runs as: the name a library's filter must list to be loaded into it.
inline constexpr std::string_view kSettingsBundleIdentifier = "com.apple.Preferences";

// The substrate loader: at launch, every library in the dynamic-libraries folder of the device root
// is opened, in name order, which runs its static initialisers and load-time constructors. A library
// with a filter property list beside it (same name, ".plist") is opened only when the filter's
// Filter → Bundles names the Settings app; one without a filter is opened in every process.
class Loader {
public:
    Loader() = default;
    Loader(const Loader&) = delete;
    Loader& operator=(const Loader&) = delete;
    ~Loader();

    // Answers the libraries that failed to load, each with the loader's reason.
    std::vector<std::string> loadAll();
    // Closes them again, so that the next launch runs their initialisers afresh.
    void unloadAll();
    std::size_t loadedCount() const { return m_handles.size(); }

private:
    std::vector<void*> m_handles;
};

}  // namespace device::settings
