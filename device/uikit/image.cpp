#include "device/uikit/image.h"

#include "device/foundation/file_manager.h"
#include "device/graphics/png_codec.h"

#include <string>

namespace device::uikit {

UIImage::UIImage(int pixelWidth, int pixelHeight, double scale, std::vector<std::uint8_t> rgba)
    : m_pixelWidth(pixelWidth), m_pixelHeight(pixelHeight), m_scale(scale), m_rgba(std::move(rgba))
{
}

std::shared_ptr<UIImage> UIImage::imageWithContentsOfFile(std::string_view path)
{
    auto bytes = foundation::FileManager::defaultManager().contentsAtPath(path);
    if (!bytes) {
        return nullptr;
    }
    auto bitmap = graphics::decodePng(
        std::span(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()));
    if (!bitmap) {
        return nullptr;
    }
    std::string_view stem = path.substr(0, path.rfind('.'));
    double scale = stem.ends_with("@3x") ? 3 : stem.ends_with("@2x") ? 2 : 1;
    auto image = objc::create<UIImage>(bitmap->width, bitmap->height, scale, std::move(bitmap->rgba));
    image->m_sourcePath = std::string(path);
    return image;
}

}  // namespace device::uikit
