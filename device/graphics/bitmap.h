#pragma once

#include <cstdint>
#include <vector>

namespace device::graphics {

// RGBA, 8 bits a channel, rows top to bottom. Straight alpha unless premultiplied, where each colour channel is
// already multiplied by the pixel's alpha, as a Core Graphics bitmap context keeps it.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
    bool premultiplied = false;

    Bitmap() = default;
    Bitmap(int w, int h) : width(w), height(h), rgba(static_cast<std::size_t>(w) * h * 4, 0) {}

    std::uint8_t* pixel(int x, int y) { return &rgba[(static_cast<std::size_t>(y) * width + x) * 4]; }
    const std::uint8_t* pixel(int x, int y) const { return &rgba[(static_cast<std::size_t>(y) * width + x) * 4]; }
};

}  // namespace device::graphics
