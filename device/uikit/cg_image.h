#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace device::uikit {

// What Core Graphics sees of a picture: its pixels in straight RGBA, rows top to bottom, without the scale that
// UIKit adds. It borrows the pixels of the image it came from, so it must not outlive that image.
struct CGImageRef {
    int width = 0;
    int height = 0;
    std::span<const std::uint8_t> rgba;

    explicit operator bool() const { return width > 0 && height > 0; }
};

inline std::size_t CGImageGetWidth(CGImageRef image)
{
    return static_cast<std::size_t>(image.width);
}

inline std::size_t CGImageGetHeight(CGImageRef image)
{
    return static_cast<std::size_t>(image.height);
}

}  // namespace device::uikit
