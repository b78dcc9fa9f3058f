#include "tests/support/booted_device.h"

#include "device/foundation/plist_serialization.h"
#include "velmora/core/library_load.h"

#include <gtest/gtest.h>

#include <fstream>
#include <variant>

namespace testing_support {

BootedDevice::BootedDevice(std::string profile, Library library)
{
    auto loaded = device::settings::loadProfileNamed(profile);
    if (auto* error = std::get_if<device::settings::ProfileError>(&loaded)) {
        ADD_FAILURE() << error->message;
    } else {
        m_options.profile = std::get<device::settings::DeviceProfile>(loaded);
    }
    m_options.root = m_root.path();
    m_options.injection = device::settings::LibraryInjection::None;
    if (library == Library::Linked) {
        m_options.beforeLaunch = [] { velmora::core::loadLibrary(); };
    }
}

BootedDevice::~BootedDevice() = default;

device::settings::Device& BootedDevice::boot()
{
    if (!m_device) {
        m_device = std::make_unique<device::settings::Device>(m_options);
        if (auto error = m_device->boot()) {
            ADD_FAILURE() << *error;
        }
    }
    return *m_device;
}

void BootedDevice::writePlist(std::string_view platformPath, const device::foundation::PlistValue& value) const
{
    auto file = m_root / platformPath;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << device::foundation::serializePlistXml(value);
}

}  // namespace testing_support
