#include "device/uikit/system_sound.h"

#include "device/uikit/application.h"
#include "tests/support/booted_device.h"

#include <gtest/gtest.h>

namespace device::uikit {
namespace {

TEST(SystemSound, PlayedSoundsAreKeptInOrderUntilAskedFor)
{
    testing_support::BootedDevice phone("phone", testing_support::Library::None);
    phone.boot();
    AudioServicesPlaySystemSound(1104);
    AudioServicesPlaySystemSound(4095);
    EXPECT_EQ(UIApplication::sharedApplication().takeSounds(), (std::vector<int>{1104, 4095}));
    EXPECT_TRUE(UIApplication::sharedApplication().takeSounds().empty());
}

}  // namespace
}  // namespace device::uikit
