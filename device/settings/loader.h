#pragma once

#include <string>
#include <vector>

namespace device::settings {

inline constexpr std::string_view kDynamicLibrariesFolder = "/Library/MobileSubstrate/DynamicLibraries/";

// The substrate loader: at launch, every library in the dynamic-libraries folder of the device root
// is opened, in name order, which runs its static initialisers and load-time constructors.
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
