#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace device::foundation {

// Every absolute path of the platform maps under the device root chosen at boot. Only this layer
// knows the root; a path that would lead outside it (through "..") maps to nothing, so it can be
// neither read nor written.
class DeviceRoot {
public:
    static void set(std::filesystem::path root);
    static const std::filesystem::path& get();
    static std::optional<std::filesystem::path> map(std::string_view platformPath);
};

class FileManager {
public:
    static FileManager& defaultManager();

    bool fileExistsAtPath(std::string_view path) const;
    bool isDirectoryAtPath(std::string_view path) const;
    bool isReadableFileAtPath(std::string_view path) const;
    bool isWritableFileAtPath(std::string_view path) const;
    bool isDeletableFileAtPath(std::string_view path) const;
    bool removeItemAtPath(std::string_view path) const;
    bool moveItemAtPath(std::string_view from, std::string_view to) const;
    bool createDirectoryAtPath(std::string_view path) const;
    std::vector<std::string> contentsOfDirectoryAtPath(std::string_view path) const;

    std::optional<std::string> contentsAtPath(std::string_view path) const;
    // How often contentsAtPath has tried to read the file at this path since the root was set, present
    // or not: the file layer's own count, by which one can tell how often a file is read.
    std::size_t readCount(std::string_view path) const;
    // Whole-file write: temporary file in the same folder, flushed, then renamed over the target.
    bool writeAtomically(std::string_view path, std::string_view bytes) const;
};

}  // namespace device::foundation
