#pragma once

#include "device/settings/profile.h"
#include "device/settings/settings_app.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace device::settings {

struct BootOptions {
    DeviceProfile profile;
    std::filesystem::path root;
    LibraryInjection injection = LibraryInjection::Inject;
    bool reset = false;
    std::optional<std::string> language;
    // Installs the library's files and the host's icons; tests that bring their own files turn it off.
    bool provision = true;
    // Runs at every launch once the platform's classes exist and before the app starts: where a test
    // loads a library it linked instead of having the loader open it.
    std::function<void()> beforeLaunch;
};

// One simulated device: its root, its runtime, its run loop and its running Settings app. Only one
// exists at a time, as the platform's state is process-wide.
class Device {
public:
    explicit Device(BootOptions options);
    ~Device();
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    // Provisions the root and launches the app; answers an error message on failure. Libraries that
    // fail to load are listed in loadFailures().
    std::optional<std::string> boot();
    // Quits the app and launches it again: only files survive.
    void relaunch();
    // Changes the system's preferred language as the device's own settings do, which restarts the app.
    bool setLanguage(const std::string& code);
    void advance(double seconds);

    SettingsApp& app() { return *m_app; }
    const DeviceProfile& profile() const { return m_options.profile; }
    const std::filesystem::path& root() const { return m_options.root; }
    const std::vector<std::string>& loadFailures() const { return m_loadFailures; }

private:
    bool setLanguagePreference(const std::string& code);
    void startPlatform();
    void launch();
    void shutDown();

    BootOptions m_options;
    std::unique_ptr<SettingsApp> m_app;
    std::vector<std::string> m_loadFailures;
};

}  // namespace device::settings
