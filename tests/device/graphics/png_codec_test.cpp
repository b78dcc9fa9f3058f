#include "device/graphics/canvas.h"
#include "device/graphics/png_codec.h"

#include <gtest/gtest.h>

namespace device::graphics {
namespace {

std::optional<Bitmap> roundTrip(const Bitmap& bitmap, PngCompression compression)
{
    std::optional<std::string> png = encodePng(bitmap, compression);
    if (!png) {
        return std::nullopt;
    }
    return decodePng(std::span(reinterpret_cast<const std::uint8_t*>(png->data()), png->size()));
}

TEST(PngFastest, KeepsEveryPixelOfOpaqueAndTranslucentPictures)
{
    Bitmap screen(64, 48);
    Canvas canvas(screen, 2);
    canvas.fillRect({0, 0, 32, 24}, {0.94, 0.94, 0.96, 1});
    canvas.fillRoundedRect({3, 3, 20, 12}, 4, {0.2, 0.5, 0.9, 0.7});
    canvas.strokeRoundedRect({5, 14, 9, 9}, 4.5, 1, {1, 0.23, 0.19, 1});

    std::optional<Bitmap> opaque = roundTrip(screen, PngCompression::Fastest);
    ASSERT_TRUE(opaque);
    EXPECT_EQ(opaque->width, 64);
    EXPECT_EQ(opaque->height, 48);
    EXPECT_EQ(opaque->rgba, screen.rgba) << "an opaque screen is written without alpha and read back opaque";

    Bitmap badge(40, 30);
    Canvas(badge, 2).fillRoundedRect({2, 2, 16, 11}, 5, {0.3, 0.85, 0.39, 0.6});
    std::optional<Bitmap> translucent = roundTrip(badge, PngCompression::Fastest);
    ASSERT_TRUE(translucent);
    EXPECT_EQ(translucent->rgba, badge.rgba) << "transparent and translucent pixels keep their alpha";
}

}  // namespace
}  // namespace device::graphics
