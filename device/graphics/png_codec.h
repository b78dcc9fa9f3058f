#pragma once

#include "device/graphics/bitmap.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace device::graphics {

// Standard suits screenshots kept as files. Fastest is for frames sent as they are drawn, as to a browser many
// times a second: the same pixels in fewer instructions (an opaque screen goes without its alpha channel).
enum class PngCompression { Standard, Fastest };

std::optional<Bitmap> decodePng(std::span<const std::uint8_t> bytes);
std::optional<std::string> encodePng(const Bitmap& bitmap, PngCompression compression = PngCompression::Standard);

}  // namespace device::graphics
