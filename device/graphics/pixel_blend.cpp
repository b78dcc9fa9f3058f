#include "device/graphics/pixel_blend.h"

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
        const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
                                       static_cast<std::uint8_t>(blue), 255};
        std::uint32_t quad = 0;
        std::memcpy(&quad, bytes, sizeof quad);
        for (int i = 0; i < count; ++i) {
            std::memcpy(pixels + static_cast<std::ptrdiff_t>(i) * 4, &quad, sizeof quad);
        }
        return;
    }
    if (premultiplied) {
        for (int i = 0; i < count; ++i) {
            blendOntoPremultiplied(pixels + static_cast<std::ptrdiff_t>(i) * 4, red, green, blue, weight);
        }
        return;
    }
    if (!allOpaque(pixels, count)) {
        for (int i = 0; i < count; ++i) {
            blendOntoStraight(pixels + static_cast<std::ptrdiff_t>(i) * 4, red, green, blue, weight);
        }
        return;
    }
    // Onto opaque pixels, the usual case, the result stays opaque (alpha mixes as a colour of 255 does) and
    // every channel divides by the same constant.
    const int rest = 255 * (255 - weight);
    const int ink[4] = {red * weight * 255 + 255 * 255 / 2, green * weight * 255 + 255 * 255 / 2,
                        blue * weight * 255 + 255 * 255 / 2, 255 * weight * 255 + 255 * 255 / 2};
    for (int i = 0; i < count; ++i) {
        std::uint8_t* pixel = pixels + static_cast<std::ptrdiff_t>(i) * 4;
        for (int c = 0; c < 4; ++c) {
            pixel[c] = static_cast<std::uint8_t>((ink[c] + pixel[c] * rest) / (255 * 255));
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

}  // namespace device::graphics
