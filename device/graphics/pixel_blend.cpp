#include "device/graphics/pixel_blend.h"

#include <algorithm>
#include <cstring>

namespace device::graphics {
namespace {

bool allOpaque(const std::uint8_t* pixels, int count)
{
    std::uint32_t all = ~0u;
    for (int i = 0; i < count; ++i) {
        std::uint32_t pixel = 0;
        std::memcpy(&pixel, pixels + static_cast<std::ptrdiff_t>(i) * 4, sizeof pixel);
        all &= pixel;
    }
    std::uint8_t bytes[4];
    std::memcpy(bytes, &all, sizeof bytes);
    return bytes[3] == 255;
}

}  // namespace

void blendSolidRun(std::uint8_t* pixels, int count, int red, int green, int blue, int weight, bool premultiplied)
{
    if (weight == 0 || count <= 0) {
        return;
    }
    if (weight == 255) {
        pixels[0] = static_cast<std::uint8_t>(red);
        pixels[1] = static_cast<std::uint8_t>(green);
        pixels[2] = static_cast<std::uint8_t>(blue);
        pixels[3] = 255;
        // Doubling what is written already lets memcpy fill the row in wide stores.
        std::size_t size = static_cast<std::size_t>(count) * 4;
        for (std::size_t filled = 4; filled < size; filled *= 2) {
            std::memcpy(pixels + filled, pixels, std::min(filled, size - filled));
        }
        return;
    }
    if (!premultiplied && !allOpaque(pixels, count)) {
        for (int i = 0; i < count; ++i) {
            blendOntoStraight(pixels + static_cast<std::ptrdiff_t>(i) * 4, red, green, blue, weight);
        }
        return;
    }
    // Onto premultiplied pixels, and onto opaque straight ones (the usual case, where the result stays opaque and
    // alpha mixes as a colour of 255 does), every byte mixes as a premultiplied one. The sums fit 16 bits, so
    // the compiler keeps eight bytes to a vector lane group.
    const auto keep = static_cast<std::uint16_t>(255 - weight);
    const std::uint16_t ink[4] = {static_cast<std::uint16_t>(red * weight + 127),
                                  static_cast<std::uint16_t>(green * weight + 127),
                                  static_cast<std::uint16_t>(blue * weight + 127),
                                  static_cast<std::uint16_t>(255 * weight + 127)};
    for (int i = 0; i < count; ++i) {
        std::uint8_t* pixel = pixels + static_cast<std::ptrdiff_t>(i) * 4;
        for (int c = 0; c < 4; ++c) {
            auto sum = static_cast<std::uint16_t>(ink[c] + pixel[c] * keep);
            pixel[c] = static_cast<std::uint8_t>(sum / 255);
        }
    }
}

void blendPixelRun(std::uint8_t* pixels, const std::uint8_t* source, int count,
                   const std::array<std::uint8_t, 256>& weights, bool premultiplied)
{
    if (count <= 0) {
        return;
    }
    if (weights[255] == 255 && allOpaque(source, count)) {
        std::memcpy(pixels, source, static_cast<std::size_t>(count) * 4);
        return;
    }
    for (int i = 0; i < count; ++i, pixels += 4, source += 4) {
        if (premultiplied) {
            blendOntoPremultiplied(pixels, source[0], source[1], source[2], weights[source[3]]);
        } else {
            blendOntoStraight(pixels, source[0], source[1], source[2], weights[source[3]]);
        }
    }
}

void blendMaskRun(std::uint8_t* pixels, const std::uint8_t* coverage, int count, int red, int green, int blue,
                  const std::array<std::uint8_t, 256>& weights, bool premultiplied)
{
    for (int i = 0; i < count; ++i, pixels += 4) {
        if (premultiplied) {
            blendOntoPremultiplied(pixels, red, green, blue, weights[coverage[i]]);
        } else {
            blendOntoStraight(pixels, red, green, blue, weights[coverage[i]]);
        }
    }
}

}  // namespace device::graphics
