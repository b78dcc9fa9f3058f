#pragma once

#include "device/settings/device.h"
#include "tests/support/temp_root.h"

#include <memory>
#include <string>

namespace testing_support {

enum class Library { Linked, None };

// A device booted on a fresh temporary root, its Settings app running. With Library::Linked the
// library is loaded from the test binary at each launch, exactly where the loader would open it.
// Write files into root() before calling boot() to start from a prepared device.
class BootedDevice {
public:
    explicit BootedDevice(std::string profile = "phone", Library library = Library::Linked);
    ~BootedDevice();

    // Boots (once); a failing boot fails the test.
    device::settings::Device& boot();
    device::settings::Device& device() { return *m_device; }
    device::settings::PrefsListController* root() { return m_device->app().rootController(); }
    const TempRoot& root_dir() const { return m_root; }
    device::settings::BootOptions& options() { return m_options; }
    // Writes a property-list file at a platform path of the root, creating its folder.
    void writePlist(std::string_view platformPath, const device::foundation::PlistValue& value) const;

private:
    TempRoot m_root;
    device::settings::BootOptions m_options;
    std::unique_ptr<device::settings::Device> m_device;
};

}  // namespace testing_support
