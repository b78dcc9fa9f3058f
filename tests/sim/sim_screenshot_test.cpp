#include "device/graphics/png_codec.h"
#include "tests/sim/sim_run.h"
#include "tests/support/booted_device.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using testing::HasSubstr;
using testing_support::BootedDevice;
using testing_support::Library;
using testing_support::runSim;

namespace {

std::optional<device::graphics::Bitmap> readPng(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return device::graphics::decodePng(bytes);
}

}  // namespace

TEST(SimScreenshot, WritesTheScreenAsAPngAtDeviceScaleAndFollowsTheScreen)
{
    BootedDevice phone("phone", Library::None);
    auto& device = phone.boot();
    std::filesystem::path folder = phone.root_dir().path() / "shots";
    std::filesystem::create_directories(folder);
    std::string first = (folder / "root.png").string();
    std::string second = (folder / "airplane on.png").string();

    auto result = runSim(device, "screenshot " + first + "\ntoggle Airplane Mode\nscreenshot \"" + second + "\"");
    ASSERT_EQ(result.exit, 0) << result.err;
    EXPECT_THAT(result.out, HasSubstr("wrote " + first + " (640×1136 pixels)"));
    auto before = readPng(first);
    auto after = readPng(second);
    ASSERT_TRUE(before && after);
    EXPECT_EQ(before->width, 640);
    EXPECT_EQ(before->height, 1136);
    EXPECT_NE(before->rgba, after->rgba) << "the switch turned on between the two";
}

TEST(SimScreenshot, AFileThatCannotBeWrittenExitsWithTwoAndLeavesNothingBehind)
{
    BootedDevice phone("phone", Library::None);
    auto& device = phone.boot();
    std::filesystem::path missingFolder = phone.root_dir().path() / "no such folder";
    std::string target = (missingFolder / "screen.png").string();

    auto result = runSim(device, "screenshot " + target + "\necho never");
    EXPECT_EQ(result.exit, 2);
    EXPECT_THAT(result.err, HasSubstr("test, line 1: screenshot: cannot write \"" + target + "\""));
    EXPECT_THAT(result.out, testing::Not(HasSubstr("never")));
    EXPECT_FALSE(std::filesystem::exists(missingFolder));

    // A folder where the file should go is not replaced.
    std::filesystem::path folder = phone.root_dir().path() / "taken";
    std::filesystem::create_directories(folder / "inside");
    auto clash = runSim(device, "screenshot " + folder.string());
    EXPECT_EQ(clash.exit, 2);
    EXPECT_TRUE(std::filesystem::exists(folder / "inside"));
    EXPECT_FALSE(std::filesystem::exists(folder.string() + ".partial"));
}
