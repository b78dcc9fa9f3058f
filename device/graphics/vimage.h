#pragma once

#include <cstddef>
#include <cstdint>
#include <sys/types.h>

namespace device::graphics {

using vImagePixelCount = unsigned long;
using vImage_Error = ssize_t;
using vImage_Flags = std::uint32_t;
using Pixel_8888 = std::uint8_t[4];

// Rows of rowBytes bytes each, 4 bytes a pixel. The functions below treat the four channels alike except where
// noted, so "ARGB8888" serves any channel order, such as a bitmap context's R, G, B, A.
struct vImage_Buffer {
    void* data = nullptr;
    vImagePixelCount height = 0;
    vImagePixelCount width = 0;
    std::size_t rowBytes = 0;
};

enum : vImage_Error {
    kvImageNoError = 0,
    kvImageRoiLargerThanInputBuffer = -21766,
    kvImageInvalidKernelSize = -21767,
    kvImageInvalidEdgeStyle = -21768,
    kvImageInvalidOffset_X = -21769,
    kvImageInvalidOffset_Y = -21770,
    kvImageNullPointerArgument = -21772,
    kvImageInvalidParameter = -21773,
    kvImageBufferSizeMismatch = -21774,
};

enum : vImage_Flags {
    kvImageNoFlags = 0,
    kvImageCopyInPlace = 2,
    kvImageBackgroundColorFill = 4,
    kvImageEdgeExtend = 8,
    kvImageTruncateKernel = 64,
    kvImageGetTempBufferSize = 128,
};

// Each destination pixel (x, y) is the per-channel mean, rounded to nearest, of the kernel_height × kernel_width
// window of source pixels centred on (x + srcOffsetToROI_X, y + srcOffsetToROI_Y). Both kernel sides must be odd.
// Exactly one edge style says what lies outside the source: kvImageEdgeExtend the nearest edge pixel,
// kvImageBackgroundColorFill backgroundColor, kvImageTruncateKernel nothing (the mean of what is inside), and
// kvImageCopyInPlace leaves every pixel whose window leaves the source as it is in the source. Source and
// destination must not overlap. tempBuffer may be null; with kvImageGetTempBufferSize the call only returns the
// size, in bytes, of the temporary buffer it would use.
vImage_Error vImageBoxConvolve_ARGB8888(const vImage_Buffer* src, const vImage_Buffer* dest, void* tempBuffer,
                                        vImagePixelCount srcOffsetToROI_X, vImagePixelCount srcOffsetToROI_Y,
                                        std::uint32_t kernel_height, std::uint32_t kernel_width,
                                        const Pixel_8888 backgroundColor, vImage_Flags flags);

// For each pixel with channels c[0..3] in memory order:
//   out[j] = (Σ_i (c[i] + pre_bias[i]) · matrix[i·4 + j] + post_bias[j]) / divisor, clamped to 0...255,
// the division rounding to nearest. Either bias may be null (no bias). Source and destination have the same size
// and may be the same buffer.
vImage_Error vImageMatrixMultiply_ARGB8888(const vImage_Buffer* src, const vImage_Buffer* dest,
                                           const std::int16_t matrix[16], std::int32_t divisor,
                                           const std::int16_t* pre_bias, const std::int32_t* post_bias,
                                           vImage_Flags flags);

}  // namespace device::graphics
