#include "device/graphics/png_codec.h"

#include <png.h>

#include <cstring>

namespace device::graphics {
namespace {

void appendToString(png_structp png, png_bytep data, png_size_t length)
{
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), length);
}

void flushNothing(png_structp) {}

bool isOpaque(const Bitmap& bitmap)
{
    for (std::size_t i = 3; i < bitmap.rgba.size(); i += 4) {
        if (bitmap.rgba[i] != 255) {
            return false;
        }
    }
    return true;
}

// libpng reports errors by jumping back to the setjmp: nothing here has a destructor for the jump to skip.
bool writeFastest(const Bitmap& bitmap, std::string* out)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) {
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    // A screen is opaque: without its alpha there is a quarter less to compress.
    bool opaque = isOpaque(bitmap);
    png_set_write_fn(png, out, &appendToString, &flushNothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(bitmap.width), static_cast<png_uint_32>(bitmap.height), 8,
                 opaque ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    // Measured on settings screens: filters cost more time than they save bytes, and deflate is no faster below
    // level 2.
    png_set_compression_level(png, 2);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_write_info(png, info);
    if (opaque) {
        png_set_filler(png, 0, PNG_FILLER_AFTER);
    }
    for (int y = 0; y < bitmap.height; ++y) {
        png_write_row(png, bitmap.pixel(0, y));
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

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

std::optional<std::string> encodePng(const Bitmap& bitmap, PngCompression compression)
{
    if (compression == PngCompression::Fastest) {
        std::string out;
        if (bitmap.width <= 0 || bitmap.height <= 0 || !writeFastest(bitmap, &out)) {
            return std::nullopt;
        }
        return out;
    }
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
