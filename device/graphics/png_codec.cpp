#include "device/graphics/png_codec.h"

#include <png.h>

#include <cstring>

namespace device::graphics {

std::optional<Bitmap> decodePng(std::span<const std::uint8_t> bytes)
{
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) {
        return std::nullopt;
    }
    image.format = PNG_FORMAT_RGBA;
    // Pictures on a phone are small; a header claiming an absurd size is a broken file.
    if (image.width == 0 || image.height == 0 || image.width > 8192 || image.height > 8192) {
        png_image_free(&image);
        return std::nullopt;
    }
    Bitmap bitmap(static_cast<int>(image.width), static_cast<int>(image.height));
    if (!png_image_finish_read(&image, nullptr, bitmap.rgba.data(), 0, nullptr)) {
        png_image_free(&image);
        return std::nullopt;
    }
    return bitmap;
}

std::optional<std::string> encodePng(const Bitmap& bitmap)
{
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(bitmap.width);
    image.height = static_cast<png_uint_32>(bitmap.height);
    image.format = PNG_FORMAT_RGBA;
    // Screenshots are written often; speed matters more than the last few percent of size, and one
    // pass into a buffer of the largest possible size avoids compressing twice.
    image.flags = PNG_IMAGE_FLAG_FAST;
    png_alloc_size_t size = PNG_IMAGE_PNG_SIZE_MAX(image);
    std::string out(size, '\0');
    if (!png_image_write_to_memory(&image, out.data(), &size, 0, bitmap.rgba.data(), 0, nullptr)) {
        return std::nullopt;
    }
    out.resize(size);
    return out;
}

}  // namespace device::graphics
