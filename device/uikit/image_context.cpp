#include "device/uikit/image_context.h"

#include "device/uikit/screen.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace device::uikit {
namespace {

struct ImageContext {
    std::unique_ptr<CGContext> context;
    double scale = 1;
};

// Image contexts belong to the thread that begins them.
std::vector<ImageContext>& imageContexts()
{
    thread_local std::vector<ImageContext> stack;
    return stack;
}

// A size that is a whole number of pixels up to floating-point noise must not gain a pixel.
int pixelCount(double points, double scale)
{
    double pixels = std::ceil(points * scale - 1e-9);
    return pixels > 0 && pixels < (1 << 20) ? static_cast<int>(pixels) : 0;
}

}  // namespace

void UIGraphicsBeginImageContextWithOptions(CGSize size, bool opaque, double scale)
{
    if (!(scale > 0)) {
        scale = UIScreen::mainScreen().scale();
    }
    int width = pixelCount(size.width, scale);
    int height = pixelCount(size.height, scale);
    ImageContext entry{nullptr, scale};
    if (width > 0 && height > 0) {
        entry.context = std::make_unique<CGContext>(width, height, CGAffineTransform{scale, scale, 0, 0});
        if (opaque) {
            auto& pixels = entry.context->bitmap().rgba;
            for (std::size_t i = 3; i < pixels.size(); i += 4) {
                pixels[i] = 255;
            }
        }
    }
    imageContexts().push_back(std::move(entry));
}

CGContextRef UIGraphicsGetCurrentContext()
{
    auto& stack = imageContexts();
    return stack.empty() ? nullptr : stack.back().context.get();
}

std::shared_ptr<UIImage> UIGraphicsGetImageFromCurrentImageContext()
{
    auto& stack = imageContexts();
    if (stack.empty() || !stack.back().context) {
        return nullptr;
    }
    const graphics::Bitmap& bitmap = stack.back().context->bitmap();
    std::vector<std::uint8_t> rgba(bitmap.rgba.size());
    for (std::size_t i = 0; i < rgba.size(); i += 4) {
        int alpha = bitmap.rgba[i + 3];
        rgba[i + 3] = static_cast<std::uint8_t>(alpha);
        if (alpha == 0) {
            continue;
        }
        for (std::size_t c = 0; c < 3; ++c) {
            int straight = (bitmap.rgba[i + c] * 255 + alpha / 2) / alpha;
            rgba[i + c] = static_cast<std::uint8_t>(std::min(straight, 255));
        }
    }
    return objc::create<UIImage>(bitmap.width, bitmap.height, stack.back().scale, std::move(rgba));
}

void UIGraphicsEndImageContext()
{
    auto& stack = imageContexts();
    if (!stack.empty()) {
        stack.pop_back();
    }
}

}  // namespace device::uikit
