#include "device/graphics/vimage.h"
#include "device/graphics/vimage_lanes.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>

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
};

long insideCount(long centre, long radius, long size)
{
    return std::min(centre + radius, size - 1) - std::max(centre - radius, 0L) + 1;
}

// The means of one row of window sums, where the windows left the source and count fewer pixels each.
void writeTruncatedRow(const Geometry& g, const std::uint32_t* sums, long y, std::uint8_t* out)
{
    long rows = insideCount(g.offsetY + y, g.radiusY, g.srcHeight);
    for (long i = 0; i < g.width * 4; ++i) {
        auto divisor = static_cast<std::uint32_t>(rows * insideCount(g.offsetX + i / 4, g.radiusX, g.srcWidth));
        out[i] = static_cast<std::uint8_t>((sums[i] + divisor / 2) / divisor);
    }
}

// Where one convolution reads: the source columns inside the padded row of column sums the windows slide along.
struct Columns {
    explicit Columns(const Geometry& g)
        : padded(g.width + 2 * g.radiusX), first(g.offsetX - g.radiusX), insideFrom(std::clamp(-first, 0L, padded)),
          insideTo(std::clamp(g.srcWidth - first, insideFrom, padded))
    {
    }

    std::size_t insideLength() const { return static_cast<std::size_t>(insideTo - insideFrom) * 4; }

    long padded;
    long first;
    long insideFrom;
    long insideTo;
};

std::size_t roundedUp(std::size_t bytes)
{
    return (bytes + 63) / 64 * 64;
}

// The padded column sums, with a vector's room after them for loads that reach past the last, the window sums of
// one row where they cannot be divided on the way, and a row that stands for those outside the source.
template <class Sum>
std::size_t paddedBytes(const Geometry& g)
{
    return roundedUp(static_cast<std::size_t>(Columns(g).padded) * 4 * sizeof(Sum) + 64);
}

template <class Sum>
std::size_t scratchSize(const Geometry& g)
{
    auto padded = static_cast<std::size_t>(Columns(g).padded) * 4;
    return paddedBytes<Sum>(g) + roundedUp(static_cast<std::size_t>(g.width) * 4 * 4) + padded + 64;
}

// The vertical pass comes first, keeping one running sum per source column and channel: the row leaving the
// window is read again from the source, which is still near in the cache, rather than kept. The windows then slide
// along that row of sums. A column's sum fits 16 bits for every kernel up to 257 pixels tall.
template <class Sum>
void convolve(const Geometry& g, const vImage_Buffer& src, const vImage_Buffer& dest, EdgeStyle style,
              const std::uint8_t* background, std::uint8_t* scratch)
{
    Columns columns(g);
    auto* padded = reinterpret_cast<Sum*>(scratch);
    auto* windowSums = reinterpret_cast<std::uint32_t*>(scratch + paddedBytes<Sum>(g));
    auto* outsideRow = reinterpret_cast<std::uint8_t*>(windowSums) + roundedUp(static_cast<std::size_t>(g.width) * 16);
    Sum* inside = padded + columns.insideFrom * 4;
    std::size_t insideLength = columns.insideLength();

    const auto* srcBytes = static_cast<const std::uint8_t*>(src.data) + (columns.first + columns.insideFrom) * 4;
    bool constantOutside = style == EdgeStyle::Background || style == EdgeStyle::Truncate;
    for (std::size_t i = 0; constantOutside && i < insideLength; ++i) {
        outsideRow[i] = style == EdgeStyle::Background ? background[i % 4] : 0;
    }
    auto sourceRow = [&](long row) -> const std::uint8_t* {
        if (row < 0 || row >= g.srcHeight) {
            if (constantOutside) {
                return outsideRow;
            }
            row = std::clamp(row, 0L, g.srcHeight - 1);
        }
        return srcBytes + static_cast<std::size_t>(row) * src.rowBytes;
    };

    std::fill(inside, inside + insideLength, Sum{0});
    for (long row = g.offsetY - g.radiusY; row <= g.offsetY + g.radiusY; ++row) {
        slideColumns(sourceRow(row), nullptr, inside, insideLength);
    }
    // A pixel's four sums at a time, so that each copy is a single store.
    auto fill = [&](long from, long to, const Sum* pixel) {
        Sum sums[4];
        std::memcpy(sums, pixel, sizeof sums);
        for (long j = from; j < to; ++j) {
            std::memcpy(padded + j * 4, sums, sizeof sums);
        }
    };
    if (constantOutside) {
        Sum outside[4];
        for (int c = 0; c < 4; ++c) {
            outside[c] = static_cast<Sum>(outsideRow[c] * (2 * g.radiusY + 1));
        }
        fill(0, columns.insideFrom, outside);
        fill(columns.insideTo, columns.padded, outside);
    }

    MeanDivider divider(static_cast<std::uint32_t>((2 * g.radiusX + 1) * (2 * g.radiusY + 1)));
    long kernelWidth = 2 * g.radiusX + 1;
    for (long y = 0; y < g.height; ++y) {
        if (!constantOutside) {
            fill(0, columns.insideFrom, inside);
            fill(columns.insideTo, columns.padded, inside + insideLength - 4);
        }
        std::uint8_t* out = static_cast<std::uint8_t*>(dest.data) + static_cast<std::size_t>(y) * dest.rowBytes;
        if (style == EdgeStyle::Truncate) {
            slideRow(padded, kernelWidth, g.width, windowSums);
            writeTruncatedRow(g, windowSums, y, out);
        } else if (divider.inFloat) {
            slideRowMeans(padded, kernelWidth, g.width, divider, out);
        } else {
            slideRow(padded, kernelWidth, g.width, windowSums);
            for (long i = 0; i < g.width * 4; ++i) {
                out[i] = static_cast<std::uint8_t>((std::uint64_t{windowSums[i]} + divider.half) / divider.area);
            }
        }
        long centre = g.offsetY + y;
        if (y + 1 < g.height) {
            slideColumns(sourceRow(centre + g.radiusY + 1), sourceRow(centre - g.radiusY), inside, insideLength);
        }
    }
}

}  // namespace

vImage_Error vImageBoxConvolve_ARGB8888(const vImage_Buffer* src, const vImage_Buffer* dest, void* tempBuffer,
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
    bool narrowSums = kernel_height * 255 <= UINT16_MAX;
    std::size_t size = narrowSums ? scratchSize<std::uint16_t>(g) : scratchSize<std::uint32_t>(g);
    if (flags & kvImageGetTempBufferSize) {
        return static_cast<vImage_Error>(size);
    }
    if (g.width == 0 || g.height == 0) {
        return kvImageNoError;
    }

    // Every element is written before it is read; zeroing megabytes first would cost as much as the blur.
    std::unique_ptr<std::uint8_t[]> owned;
    auto* scratch = static_cast<std::uint8_t*>(tempBuffer);
    if (!scratch) {
        owned = std::make_unique_for_overwrite<std::uint8_t[]>(size);
        scratch = owned.get();
    }
    scratch += -reinterpret_cast<std::uintptr_t>(scratch) % 64;
    if (narrowSums) {
        convolve<std::uint16_t>(g, *src, *dest, style, backgroundColor, scratch);
    } else {
        convolve<std::uint32_t>(g, *src, *dest, style, backgroundColor, scratch);
    }

    if (style == EdgeStyle::CopyInPlace) {
        const auto* srcBytes = static_cast<const std::uint8_t*>(src->data);
        auto* destBytes = static_cast<std::uint8_t*>(dest->data);
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
