#include "device/graphics/vimage.h"
#include "device/graphics/vimage_lanes.h"

#include <algorithm>
#include <bit>
#include <cstdlib>

namespace device::graphics {
namespace {

void multiplyWide(const vImage_Buffer& src, const vImage_Buffer& dest, const std::int16_t matrix[16],
                  std::int32_t divisor, const std::int64_t pre[4], const std::int64_t post[4])
{
    std::int64_t half = divisor / 2;
    for (vImagePixelCount y = 0; y < src.height; ++y) {
        const auto* in = static_cast<const std::uint8_t*>(src.data) + y * src.rowBytes;
        auto* out = static_cast<std::uint8_t*>(dest.data) + y * dest.rowBytes;
        for (vImagePixelCount x = 0; x < src.width; ++x, in += 4, out += 4) {
            std::int64_t channel[4];
            for (int i = 0; i < 4; ++i) {
                channel[i] = in[i] + pre[i];
            }
            for (int j = 0; j < 4; ++j) {
                std::int64_t sum = post[j];
                for (int i = 0; i < 4; ++i) {
                    sum += channel[i] * matrix[i * 4 + j];
                }
                std::int64_t biased = sum + half;
                out[j] = static_cast<std::uint8_t>(biased < 0 ? 0 : std::min<std::int64_t>(biased / divisor, 255));
            }
        }
    }
}

}  // namespace

vImage_Error vImageMatrixMultiply_ARGB8888(const vImage_Buffer* src, const vImage_Buffer* dest,
                                           const std::int16_t matrix[16], std::int32_t divisor,
                                           const std::int16_t* pre_bias, const std::int32_t* post_bias,
                                           vImage_Flags /*flags*/)
{
    if (!src || !dest || !src->data || !dest->data || !matrix) {
        return kvImageNullPointerArgument;
    }
    if (divisor <= 0) {
        return kvImageInvalidParameter;
    }
    if (src->width != dest->width || src->height != dest->height) {
        return kvImageBufferSizeMismatch;
    }
    if (src->rowBytes < src->width * 4 || dest->rowBytes < dest->width * 4) {
        return kvImageInvalidParameter;
    }
    std::int64_t pre[4] = {};
    std::int64_t post[4] = {};
    for (int i = 0; i < 4; ++i) {
        pre[i] = pre_bias ? pre_bias[i] : 0;
        post[i] = post_bias ? post_bias[i] : 0;
    }
    // With the biases folded into one constant per channel, a power-of-two divisor becomes a shift, and the
    // rounding of its division (to nearest, halves upward) adds half before it.
    std::int32_t matrix32[16];
    std::int32_t bias[4];
    std::int64_t largest = 0;
    for (int j = 0; j < 4; ++j) {
        std::int64_t folded = post[j] + divisor / 2;
        std::int64_t reach = 0;
        for (int i = 0; i < 4; ++i) {
            matrix32[i * 4 + j] = matrix[i * 4 + j];
            folded += pre[i] * matrix[i * 4 + j];
            reach += 255 * std::abs(std::int64_t{matrix[i * 4 + j]});
        }
        bias[j] = static_cast<std::int32_t>(folded);
        largest = std::max(largest, std::abs(folded) + reach);
    }
    if (!std::has_single_bit(static_cast<std::uint32_t>(divisor)) || largest > INT32_MAX) {
        multiplyWide(*src, *dest, matrix, divisor, pre, post);
        return kvImageNoError;
    }
    int shift = std::countr_zero(static_cast<std::uint32_t>(divisor));
    for (vImagePixelCount y = 0; y < src->height; ++y) {
        multiplyRow(static_cast<const std::uint8_t*>(src->data) + y * src->rowBytes,
                    static_cast<std::uint8_t*>(dest->data) + y * dest->rowBytes, src->width, matrix32, bias, shift);
    }
    return kvImageNoError;
}

}  // namespace device::graphics
