#include "device/graphics/png_codec.h"
#include "device/uikit/image.h"
#include "tests/support/booted_device.h"

#include <gtest/gtest.h>

#include <fstream>

namespace device::uikit {
namespace {

using foundation::PlistArray;
using foundation::PlistDictionary;
using testing_support::BootedDevice;
using testing_support::Library;

void writePng(const std::filesystem::path& file, int size)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << *graphics::encodePng(graphics::Bitmap(size, size));
}

TEST(ApplicationIcon, FoundByBundleIdentifierAtTheScreenScale)
{
    BootedDevice phone("phone", Library::None);
    const auto& root = phone.root_dir();
    phone.writePlist("/Applications/Notes.app/Info.plist",
                     PlistDictionary{{"CFBundleIdentifier", "com.apple.mobilenotes"},
                                     {"CFBundleIconFiles", PlistArray{"AppIcon29x29.png"}}});
    writePng(root / "/Applications/Notes.app/AppIcon29x29@2x.png", 58);
    writePng(root / "/Applications/Notes.app/AppIcon29x29.png", 29);
    phone.writePlist("/Applications/Clock.app/Info.plist", PlistDictionary{{"CFBundleIdentifier", "com.apple.clock"}});
    writePng(root / "/Applications/Clock.app/Icon.png", 29);
    phone.writePlist("/Applications/Broken.app/Info.plist", PlistDictionary{{"CFBundleIdentifier", "com.example.broken"}});
    phone.boot();

    auto notes = UIImage::_applicationIconImageForBundleIdentifier("com.apple.mobilenotes", 0, 2);
    ASSERT_TRUE(notes);
    EXPECT_EQ(notes->pixelWidth(), 58);
    EXPECT_EQ(notes->size(), (CGSize{29, 29}));
    EXPECT_EQ(UIImage::_applicationIconImageForBundleIdentifier("com.apple.mobilenotes", 0, 1)->pixelWidth(), 29);

    auto clock = UIImage::_applicationIconImageForBundleIdentifier("com.apple.clock", 0, 2);
    ASSERT_TRUE(clock) << "falls back to the plain Icon.png";
    EXPECT_EQ(clock->pixelWidth(), 29);

    EXPECT_FALSE(UIImage::_applicationIconImageForBundleIdentifier("com.example.broken", 0, 2)) << "no icon file";
    EXPECT_FALSE(UIImage::_applicationIconImageForBundleIdentifier("com.example.missing", 0, 2));
    EXPECT_FALSE(UIImage::_applicationIconImageForBundleIdentifier("", 0, 2));
}

}  // namespace
}  // namespace device::uikit
