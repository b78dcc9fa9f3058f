#include "velmora/protection/frosted_snapshot.h"

#include "device/graphics/vimage.h"
#include "device/uikit/color.h"
#include "device/uikit/image_context.h"

#include <cmath>
#include <cstdint>

namespace velmora::protection {
namespace {

using namespace device::graphics;
using namespace device::uikit;

constexpr double blurRadius = 30;
constexpr double tintAlpha = 0.11;

// Saturation 1.8 around the Rec. 709 luma weights, in 1/256ths, laid out for a bitmap context's R, G, B, A bytes.
constexpr std::int16_t saturationMatrix[16] = {
    417, -44,  -44,  0,    //
    -146, 314, -146, 0,    //
    -15,  -15, 446,  0,    //
    0,    0,   0,    256,  //
};
constexpr std::int32_t saturationDivisor = 256;

// Three box passes of this side approximate a Gaussian of the radius's standard deviation; odd so that each
// window is centred.
std::uint32_t boxKernelSide(double scale)
{
    double radius = blurRadius * scale;
    auto side = static_cast<std::uint32_t>(std::floor(radius * 3 * 2.5066282746310002 / 4 + 0.5));
    return side % 2 == 0 ? side + 1 : side;
}

void drawUpright(CGContextRef context, const UIImage& picture, CGSize size)
{
    CGContextSaveGState(context);
    CGContextScaleCTM(context, 1, -1);
    CGContextTranslateCTM(context, 0, -size.height);
    CGContextDrawImage(context, {{0, 0}, size}, picture.CGImage());
    CGContextRestoreGState(context);
}

vImage_Buffer bufferOf(CGContextRef context)
{
    return {CGBitmapContextGetData(context), CGBitmapContextGetHeight(context), CGBitmapContextGetWidth(context),
            CGBitmapContextGetBytesPerRow(context)};
}

std::shared_ptr<UIImage> blurredAndSaturated(const UIImage& picture, CGSize size)
{
    UIGraphicsBeginImageContextWithOptions(size, false, picture.scale());
    CGContextRef a = UIGraphicsGetCurrentContext();
    drawUpright(a, picture, size);
    UIGraphicsBeginImageContextWithOptions(size, false, picture.scale());
    CGContextRef b = UIGraphicsGetCurrentContext();
    vImage_Buffer bufferA = bufferOf(a);
    vImage_Buffer bufferB = bufferOf(b);
    std::uint32_t side = boxKernelSide(picture.scale());
    vImageBoxConvolve_ARGB8888(&bufferA, &bufferB, nullptr, 0, 0, side, side, nullptr, kvImageEdgeExtend);
    vImageBoxConvolve_ARGB8888(&bufferB, &bufferA, nullptr, 0, 0, side, side, nullptr, kvImageEdgeExtend);
    vImageBoxConvolve_ARGB8888(&bufferA, &bufferB, nullptr, 0, 0, side, side, nullptr, kvImageEdgeExtend);
    vImageMatrixMultiply_ARGB8888(&bufferB, &bufferA, saturationMatrix, saturationDivisor, nullptr, nullptr,
                                  kvImageNoFlags);
    UIGraphicsEndImageContext();
    std::shared_ptr<UIImage> effect = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    return effect;
}

}  // namespace

std::shared_ptr<UIImage> frostedSnapshot(const UIImage& picture)
{
    CGSize size = picture.size();
    std::shared_ptr<UIImage> effect = blurredAndSaturated(picture, size);
    UIGraphicsBeginImageContextWithOptions(size, false, picture.scale());
    CGContextRef context = UIGraphicsGetCurrentContext();
    drawUpright(context, picture, size);
    if (effect) {
        drawUpright(context, *effect, size);
    }
    CGContextSetFillColorWithColor(context, UIColor::white(1, tintAlpha));
    CGContextFillRect(context, {{0, 0}, size});
    std::shared_ptr<UIImage> frosted = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    return frosted;
}

}  // namespace velmora::protection
