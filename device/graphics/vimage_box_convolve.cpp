#include "device/graphics/vimage.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>
#include <vector>

namespace device::graphics {
namespace {

enum class EdgeStyle { Extend, Background, Truncate, CopyInPlace };

constexpr vImage_Flags edgeFlags = kvImageEdgeExtend | kvImageBackgroundColorFill | kvImageTruncateKernel |
                                   kvImageCopyInPlace;

EdgeStyle edgeStyleOf(vImage_Flags flags)
{
    switch (flags & edgeFlags) {
    case kvImageBackgroundColorFill:
        return EdgeStyle::Background;
    case kvImageTruncateKernel:
        return EdgeStyle::Truncate;
    case kvImageCopyInPlace:
        return EdgeStyle::CopyInPlace;
    default:
        return EdgeStyle::Extend;
    }
}

// The source rows and columns one convolution reads, and how it treats those outside.
struct Geometry {
    long srcWidth = 0;
    long srcHeight = 0;
    long width = 0;
    long height = 0;
    long offsetX = 0;
    long offsetY = 0;
    long radiusX = 0;
    long radiusY = 0;
    long firstRow = 0;
    long endRow = 0;
};

// Windows sums of one source row, one per destination column and channel, with the outside filled per edge style.
void sumRow(const Geometry& g, const std::uint8_t* row, EdgeStyle style, const std::uint8_t* background,
            std::vector<std::uint8_t>& padded, std::uint32_t* sums)
{
    long paddedWidth = g.width + 2 * g.radiusX;
    long firstColumn = g.offsetX - g.radiusX;
    for (long j = 0; j < paddedWidth; ++j) {
        long column = firstColumn + j;
        std::uint8_t* to = &padded[static_cast<std::size_t>(j) * 4];
        if (column >= 0 && column < g.srcWidth) {
            std::memcpy(to, row + column * 4, 4);
        } else if (style == EdgeStyle::Background) {
            std::memcpy(to, background, 4);
        } else if (style == EdgeStyle::Truncate) {
            std::memset(to, 0, 4);
        } else {
            std::memcpy(to, row + std::clamp(column, 0L, g.srcWidth - 1) * 4, 4);
        }
    }
    std::uint32_t sum[4] = {};
    long kernelWidth = 2 * g.radiusX + 1;
    for (long j = 0; j < kernelWidth; ++j) {
        for (int c = 0; c < 4; ++c) {
            sum[c] += padded[static_cast<std::size_t>(j) * 4 + c];
        }
    }
    const std::uint8_t* leaving = padded.data();
    const std::uint8_t* entering = padded.data() + kernelWidth * 4;
    for (long x = 0; x < g.width; ++x) {
        for (int c = 0; c < 4; ++c) {
            sums[x * 4 + c] = sum[c];
        }
        if (x + 1 < g.width) {
            for (int c = 0; c < 4; ++c) {
                sum[c] += entering[c];
                sum[c] -= leaving[c];
            }
            entering += 4;
            leaving += 4;
        }
    }
}

long insideCount(long centre, long radius, long size)
{
    return std::min(centre + radius, size - 1) - std::max(centre - radius, 0L) + 1;
}

void writeRow(const Geometry& g, const std::uint32_t* sums, long y, EdgeStyle style, std::uint8_t* out)
{
    std::size_t count = static_cast<std::size_t>(g.width) * 4;
    if (style == EdgeStyle::Truncate) {
        long rows = insideCount(g.offsetY + y, g.radiusY, g.srcHeight);
        for (std::size_t i = 0; i < count; ++i) {
            auto divisor = static_cast<std::uint32_t>(rows * insideCount(g.offsetX + static_cast<long>(i / 4),
                                                                          g.radiusX, g.srcWidth));
            out[i] = static_cast<std::uint8_t>((sums[i] + divisor / 2) / divisor);
        }
        return;
    }
    auto divisor = static_cast<std::uint64_t>((2 * g.radiusX + 1) * (2 * g.radiusY + 1));
    // A reciprocal is exact for every sum when the divisor stays below 2^16, and spares a division per channel.
    if (divisor < (1U << 16)) {
        std::uint64_t reciprocal = (std::uint64_t{1} << 40) / divisor + 1;
        std::uint64_t half = divisor / 2;
        for (std::size_t i = 0; i < count; ++i) {
            out[i] = static_cast<std::uint8_t>(((sums[i] + half) * reciprocal) >> 40);
        }
        return;
    }
    for (std::size_t i = 0; i < count; ++i) {
        out[i] = static_cast<std::uint8_t>((sums[i] + divisor / 2) / divisor);
    }
}

}  // namespace

vImage_Error vImageBoxConvolve_ARGB8888(const vImage_Buffer* src, const vImage_Buffer* dest, void* /*tempBuffer*/,
                                        vImagePixelCount srcOffsetToROI_X, vImagePixelCount srcOffsetToROI_Y,
                                        std::uint32_t kernel_height, std::uint32_t kernel_width,
                                        const Pixel_8888 backgroundColor, vImage_Flags flags)
{
    if (!src || !dest || !src->data || !dest->data) {
        return kvImageNullPointerArgument;
    }
    if (kernel_height % 2 == 0 || kernel_width % 2 == 0 ||
        std::uint64_t{kernel_height} * kernel_width * 255 > UINT32_MAX) {
        return kvImageInvalidKernelSize;
    }
    if (std::popcount(flags & edgeFlags) != 1) {
        return kvImageInvalidEdgeStyle;
    }
    EdgeStyle style = edgeStyleOf(flags);
    if (style == EdgeStyle::Background && !backgroundColor) {
        return kvImageNullPointerArgument;
    }
    if (srcOffsetToROI_X >= src->width) {
        return kvImageInvalidOffset_X;
    }
    if (srcOffsetToROI_Y >= src->height) {
        return kvImageInvalidOffset_Y;
    }
    if (dest->width > src->width - srcOffsetToROI_X || dest->height > src->height - srcOffsetToROI_Y) {
        return kvImageRoiLargerThanInputBuffer;
    }
    if (src->rowBytes < src->width * 4 || dest->rowBytes < dest->width * 4) {
        return kvImageInvalidParameter;
    }

    Geometry g;
    g.srcWidth = static_cast<long>(src->width);
    g.srcHeight = static_cast<long>(src->height);
    g.width = static_cast<long>(dest->width);
    g.height = static_cast<long>(dest->height);
    g.offsetX = static_cast<long>(srcOffsetToROI_X);
    g.offsetY = static_cast<long>(srcOffsetToROI_Y);
    g.radiusX = kernel_width / 2;
    g.radiusY = kernel_height / 2;
    g.firstRow = std::max(0L, g.offsetY - g.radiusY);
    g.endRow = std::min(g.srcHeight, g.offsetY + g.height + g.radiusY);
    auto rowSums = static_cast<std::size_t>(g.width) * 4;
    if (flags & kvImageGetTempBufferSize) {
        return static_cast<vImage_Error>((static_cast<std::size_t>(g.endRow - g.firstRow) + 2) * rowSums *
                                         sizeof(std::uint32_t));
    }
    if (g.width == 0 || g.height == 0) {
        return kvImageNoError;
    }

    const auto* srcBytes = static_cast<const std::uint8_t*>(src->data);
    auto* destBytes = static_cast<std::uint8_t*>(dest->data);
    // Every element is written before it is read; zeroing megabytes first would cost as much as the blur.
    auto sums = std::make_unique_for_overwrite<std::uint32_t[]>(static_cast<std::size_t>(g.endRow - g.firstRow) *
                                                                 rowSums);
    std::vector<std::uint8_t> padded(static_cast<std::size_t>(g.width + 2 * g.radiusX) * 4);
    for (long y = g.firstRow; y < g.endRow; ++y) {
        sumRow(g, srcBytes + static_cast<std::size_t>(y) * src->rowBytes, style, backgroundColor, padded,
               &sums[static_cast<std::size_t>(y - g.firstRow) * rowSums]);
    }

    // Rows outside the source: what a background row or an empty one sums to across the window.
    std::vector<std::uint32_t> outsideRow(rowSums, 0);
    if (style == EdgeStyle::Background) {
        for (std::size_t i = 0; i < rowSums; ++i) {
            outsideRow[i] = backgroundColor[i % 4] * static_cast<std::uint32_t>(kernel_width);
        }
    }
    auto rowAt = [&](long row) -> const std::uint32_t* {
        if (row < 0 || row >= g.srcHeight) {
            if (style == EdgeStyle::Background || style == EdgeStyle::Truncate) {
                return outsideRow.data();
            }
            row = std::clamp(row, 0L, g.srcHeight - 1);
        }
        return &sums[static_cast<std::size_t>(row - g.firstRow) * rowSums];
    };

    std::vector<std::uint32_t> column(rowSums, 0);
    for (long row = g.offsetY - g.radiusY; row <= g.offsetY + g.radiusY; ++row) {
        const std::uint32_t* add = rowAt(row);
        for (std::size_t i = 0; i < rowSums; ++i) {
            column[i] += add[i];
        }
    }
    for (long y = 0; y < g.height; ++y) {
        writeRow(g, column.data(), y, style, destBytes + static_cast<std::size_t>(y) * dest->rowBytes);
        if (y + 1 < g.height) {
            const std::uint32_t* add = rowAt(g.offsetY + y + 1 + g.radiusY);
            const std::uint32_t* remove = rowAt(g.offsetY + y - g.radiusY);
            for (std::size_t i = 0; i < rowSums; ++i) {
                column[i] += add[i] - remove[i];
            }
        }
    }

    if (style == EdgeStyle::CopyInPlace) {
        for (long y = 0; y < g.height; ++y) {
            long sy = g.offsetY + y;
            bool rowInside = sy - g.radiusY >= 0 && sy + g.radiusY < g.srcHeight;
            for (long x = 0; x < g.width; ++x) {
                long sx = g.offsetX + x;
                if (rowInside && sx - g.radiusX >= 0 && sx + g.radiusX < g.srcWidth) {
                    continue;
                }
                std::memcpy(destBytes + static_cast<std::size_t>(y) * dest->rowBytes + x * 4,
                            srcBytes + static_cast<std::size_t>(sy) * src->rowBytes + sx * 4, 4);
            }
        }
    }
    return kvImageNoError;
}

}  // namespace device::graphics
