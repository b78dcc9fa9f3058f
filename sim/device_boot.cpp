#include "sim/device_boot.h"

namespace sim {

namespace {

// A profile file's device keeps its files apart from the built-in ones, named after the file.
std::string deviceFolderName(const std::string& device)
{
    if (device == "phone" || device == "tablet") {
        return device;
    }
    return std::filesystem::path(device).stem().string();
}

}  // namespace

std::optional<std::filesystem::path> dataDirectory(const char* xdgDataHome, const char* home)
{
    // A relative XDG_DATA_HOME is to be ignored, as the XDG base directory rules say.
    if (xdgDataHome && std::filesystem::path(xdgDataHome).is_absolute()) {
        return std::filesystem::path(xdgDataHome) / "velmora-sim";
    }
    if (home && *home) {
        return std::filesystem::path(home) / ".local/share/velmora-sim";
    }
    return std::nullopt;
}

std::variant<std::unique_ptr<device::settings::Device>, std::string>
bootDevice(const Options& options, const std::optional<std::filesystem::path>& dataFolder)
{
    auto profile = device::settings::loadProfileNamed(options.device);
    if (auto* error = std::get_if<device::settings::ProfileError>(&profile)) {
        return error->message;
    }
    device::settings::BootOptions boot;
    boot.profile = std::move(std::get<device::settings::DeviceProfile>(profile));
    if (options.root) {
        boot.root = std::filesystem::absolute(*options.root);
    } else if (dataFolder) {
        boot.root = *dataFolder / deviceFolderName(options.device);
    } else {
        return std::string("no device root: give --root, or set XDG_DATA_HOME or HOME");
    }
    boot.injection
        = options.noLibrary ? device::settings::LibraryInjection::None : device::settings::LibraryInjection::Inject;
    boot.reset = options.reset;
    boot.language = options.language;
    auto device = std::make_unique<device::settings::Device>(std::move(boot));
    if (auto error = device->boot()) {
        return *error;
    }
    return device;
}

}  // namespace sim
