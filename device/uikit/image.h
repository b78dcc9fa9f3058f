#pragma once

#include "device/objc/object.h"
#include "device/uikit/cg_image.h"
#include "device/uikit/geometry.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace device::uikit {

// A bitmap in straight RGBA, 8 bits a channel, with the scale its file name implies ("@2x").
class UIImage : public objc::Object {
public:
    static constexpr std::string_view className = "UIImage";

    UIImage() = default;
    UIImage(int pixelWidth, int pixelHeight, double scale, std::vector<std::uint8_t> rgba);

    // None when the file is missing or is not a readable PNG.
    static std::shared_ptr<UIImage> imageWithContentsOfFile(std::string_view path);
    // The icon of the installed application with this bundle identifier, at the screen scale given (its
    // "@2x" file at 2, else its plain one); none when no such application or icon is installed. Every format
    // gives the same picture here.
    static std::shared_ptr<UIImage> _applicationIconImageForBundleIdentifier(std::string_view bundleIdentifier,
                                                                            int format, double scale);

    int pixelWidth() const { return m_pixelWidth; }
    int pixelHeight() const { return m_pixelHeight; }
    double scale() const { return m_scale; }
    CGSize size() const { return {m_pixelWidth / m_scale, m_pixelHeight / m_scale}; }
    const std::vector<std::uint8_t>& rgba() const { return m_rgba; }
    CGImageRef CGImage() const { return {m_pixelWidth, m_pixelHeight, m_rgba}; }
    const std::string& sourcePath() const { return m_sourcePath; }

private:
    int m_pixelWidth = 0;
    int m_pixelHeight = 0;
    double m_scale = 1;
    std::vector<std::uint8_t> m_rgba;
    std::string m_sourcePath;
};

}  // namespace device::uikit
