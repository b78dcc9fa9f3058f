#pragma once

#include "device/graphics/bitmap.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace device::graphics {

std::optional<Bitmap> decodePng(std::span<const std::uint8_t> bytes);
std::optional<std::string> encodePng(const Bitmap& bitmap);

}  // namespace device::graphics
