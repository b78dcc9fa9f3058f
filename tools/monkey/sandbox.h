#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace monkey {

// The run's folder: a device root for each profile, and beside them the folder that the process
// takes as its home, data directory, temporary directory and working directory. Whatever appears
// anywhere but in a device root was written outside the device.
class Sandbox {
public:
    // In the folder given (created when missing), else in a fresh temporary folder.
    explicit Sandbox(const std::optional<std::filesystem::path>& folder);
    ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    const std::filesystem::path& folder() const { return m_folder; }
    std::filesystem::path root(const std::string& device) const;
    // Points HOME, XDG_DATA_HOME, TMPDIR and the working directory at the watched folder.
    void enter() const;
    // The paths written outside the device roots, relative to the folder.
    std::vector<std::string> writtenOutside() const;
    // A temporary folder is removed at the end unless kept, for a failure to be looked into.
    void keep() { m_keep = true; }

private:
    std::filesystem::path outside() const;

    std::filesystem::path m_folder;
    bool m_keep;
};

}  // namespace monkey
