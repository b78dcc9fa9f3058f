#include "device/foundation/file_manager.h"

#include "device/foundation/atomic_file_write.h"
#include "device/foundation/file_descriptor.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>
#include <unordered_map>

namespace device::foundation {

namespace {

constexpr std::size_t kMaxFileBytes = 16 * 1024 * 1024;

std::filesystem::path& rootStorage()
{
    static std::filesystem::path root;
    return root;
}

std::unordered_map<std::string, std::size_t>& readCounts()
{
    static std::unordered_map<std::string, std::size_t> counts;
    return counts;
}

bool accessible(const std::optional<std::filesystem::path>& path, int mode)
{
    return path && ::access(path->c_str(), mode) == 0;
}

}  // namespace

void DeviceRoot::set(std::filesystem::path root)
{
    rootStorage() = std::move(root);
    readCounts().clear();
}

const std::filesystem::path& DeviceRoot::get()
{
    return rootStorage();
}

std::optional<std::filesystem::path> DeviceRoot::map(std::string_view platformPath)
{
    const auto& root = rootStorage();
    if (root.empty() || !platformPath.starts_with('/') || platformPath.find('\0') != std::string_view::npos) {
        return std::nullopt;
    }
    std::vector<std::string_view> components;
    std::size_t pos = 0;
    while (pos < platformPath.size()) {
        auto end = std::min(platformPath.find('/', pos), platformPath.size());
        std::string_view component = platformPath.substr(pos, end - pos);
        pos = end + 1;
        if (component.empty() || component == ".") {
            continue;
        }
        if (component == "..") {
            if (components.empty()) {
                return std::nullopt;
            }
            components.pop_back();
            continue;
        }
        components.push_back(component);
    }
    std::filesystem::path mapped = root;
    for (auto component : components) {
        mapped /= component;
    }
    return mapped;
}

FileManager& FileManager::defaultManager()
{
    static FileManager manager;
    return manager;
}

bool FileManager::fileExistsAtPath(std::string_view path) const
{
    auto mapped = DeviceRoot::map(path);
    std::error_code error;
    return mapped && std::filesystem::exists(*mapped, error);
}

bool FileManager::isDirectoryAtPath(std::string_view path) const
{
    auto mapped = DeviceRoot::map(path);
    std::error_code error;
    return mapped && std::filesystem::is_directory(*mapped, error);
}

bool FileManager::isReadableFileAtPath(std::string_view path) const
{
    return accessible(DeviceRoot::map(path), R_OK);
}

bool FileManager::isWritableFileAtPath(std::string_view path) const
{
    return accessible(DeviceRoot::map(path), W_OK);
}

bool FileManager::isDeletableFileAtPath(std::string_view path) const
{
    auto mapped = DeviceRoot::map(path);
    std::error_code error;
    if (!mapped || *mapped == DeviceRoot::get() || !std::filesystem::exists(std::filesystem::symlink_status(*mapped, error))) {
        return false;
    }
    return ::access(mapped->parent_path().c_str(), W_OK | X_OK) == 0;
}

bool FileManager::removeItemAtPath(std::string_view path) const
{
    auto mapped = DeviceRoot::map(path);
    std::error_code error;
    if (!mapped || *mapped == DeviceRoot::get() || !std::filesystem::exists(std::filesystem::symlink_status(*mapped, error))) {
        return false;
    }
    auto removed = std::filesystem::remove_all(*mapped, error);
    return !error && removed > 0;
}

bool FileManager::moveItemAtPath(std::string_view from, std::string_view to) const
{
    auto source = DeviceRoot::map(from);
    auto target = DeviceRoot::map(to);
    std::error_code error;
    if (!source || !target || *source == DeviceRoot::get() || *target == DeviceRoot::get()
        || !std::filesystem::exists(std::filesystem::symlink_status(*source, error))
        || std::filesystem::exists(std::filesystem::symlink_status(*target, error))) {
        return false;
    }
    std::filesystem::rename(*source, *target, error);
    return !error;
}

bool FileManager::createDirectoryAtPath(std::string_view path) const
{
    auto mapped = DeviceRoot::map(path);
    if (!mapped) {
        return false;
    }
    std::error_code error;
    std::filesystem::create_directories(*mapped, error);
    return std::filesystem::is_directory(*mapped, error);
}

std::vector<std::string> FileManager::contentsOfDirectoryAtPath(std::string_view path) const
{
    std::vector<std::string> names;
    auto mapped = DeviceRoot::map(path);
    if (!mapped) {
        return names;
    }
    std::error_code error;
    for (std::filesystem::directory_iterator it(*mapped, error), end; !error && it != end; it.increment(error)) {
        names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<std::string> FileManager::contentsAtPath(std::string_view path) const
{
    auto mapped = DeviceRoot::map(path);
    if (!mapped) {
        return std::nullopt;
    }
    ++readCounts()[mapped->native()];
    FileDescriptor file(::open(mapped->c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info {};
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)
        || static_cast<std::uint64_t>(info.st_size) > kMaxFileBytes) {
        return std::nullopt;
    }
    std::string contents;
    contents.resize(static_cast<std::size_t>(info.st_size));
    std::size_t filled = 0;
    // The file may change size under us: read until the end, but never past the cap.
    while (true) {
        if (filled == contents.size()) {
            if (contents.size() > kMaxFileBytes) {
                return std::nullopt;
            }
            contents.resize(std::min(kMaxFileBytes + 1, contents.size() + 4096));
        }
        ssize_t count = ::read(file.get(), contents.data() + filled, contents.size() - filled);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return std::nullopt;
        }
        if (count == 0) {
            break;
        }
        filled += static_cast<std::size_t>(count);
    }
    contents.resize(filled);
    return contents;
}

std::size_t FileManager::readCount(std::string_view path) const
{
    auto mapped = DeviceRoot::map(path);
    if (!mapped) {
        return 0;
    }
    auto found = readCounts().find(mapped->native());
    return found == readCounts().end() ? 0 : found->second;
}

bool FileManager::writeAtomically(std::string_view path, std::string_view bytes) const
{
    auto mapped = DeviceRoot::map(path);
    std::error_code error;
    if (!mapped || *mapped == DeviceRoot::get() || !std::filesystem::is_directory(mapped->parent_path(), error)) {
        return false;
    }
    return writeFileAtomically(*mapped, bytes);
}

}  // namespace device::foundation
