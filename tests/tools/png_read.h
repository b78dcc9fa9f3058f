#pragma once

#include <png.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace tools::test {

struct Rgba {
    int r = 0;
    int g = 0;
    int b = 0;
    int a = 0;
};

struct DecodedPng {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bytes;

    Rgba at(int x, int y) const
    {
        const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 4;
        return {bytes[i], bytes[i + 1], bytes[i + 2], bytes[i + 3]};
    }
};

inline std::optional<DecodedPng> readPng(const std::filesystem::path& path)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        return std::nullopt;
    }
    image.format = PNG_FORMAT_RGBA;
    DecodedPng decoded;
    decoded.width = static_cast<int>(image.width);
    decoded.height = static_cast<int>(image.height);
    decoded.bytes.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, decoded.bytes.data(), 0, nullptr)) {
        png_image_free(&image);
        return std::nullopt;
    }
    return decoded;
}

}  // namespace tools::test
