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

// Window sums of one source row, one per destination column and channel, with the outside filled per edge style.
// A row's sums fit 16 bits for every kernel up to 257 pixels wide, which halves what the column pass reads.
template <class Sum>
void sumRow(const Geometry& g, const std::uint8_t* row, EdgeStyle style, const std::uint8_t* background,
            std::uint8_t* padded, Sum* sums)
{
    long paddedWidth = g.width + 2 * g.radiusX;
    long firstColumn = g.offsetX - g.radiusX;
    long insideFrom = std::clamp(-firstColumn, 0L, paddedWidth);
    long insideTo = std::clamp(g.srcWidth - firstColumn, insideFrom, paddedWidth);
    auto fill = [&](long from, long to, const std::uint8_t* pixel) {
        for (long j = from; j < to; ++j) {
            std::memcpy(padded + j * 4, pixel, 4);
        }
    };
    const std::uint8_t zero[4] = {};
    switch (style) {
    case EdgeStyle::Background:
        fill(0, insideFrom, background);
        fill(insideTo, paddedWidth, background);
        break;
    case EdgeStyle::Truncate:
        fill(0, insideFrom, zero);
        fill(insideTo, paddedWidth, zero);
        break;
    default:
        fill(0, insideFrom, row);
        fill(insideTo, paddedWidth, row + (g.srcWidth - 1) * 4);
        break;
    }
    std::memcpy(padded + insideFrom * 4, row + (firstColumn + insideFrom) * 4,
                static_cast<std::size_t>(insideTo - insideFrom) * 4);
    slideRow(padded, 2 * g.radiusX + 1, g.width, sums);
}

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

// Window sums of the rows one pass reads, kept for as long as a window holds them: a ring of one more row than
// the kernel is tall, plus the rows that stand for those above and below the source.
template <class Sum>
class RowSums {
public:
    RowSums(const Geometry& g, std::size_t rowLength, Sum* storage)
        : m_g(g), m_slots(2 * g.radiusY + 2), m_rowLength(rowLength), m_storage(storage)
    {
    }

    static std::size_t elements(const Geometry& g, std::size_t rowLength)
    {
        return static_cast<std::size_t>(2 * g.radiusY + 4) * rowLength;
    }

    Sum* above() { return m_storage; }
    Sum* below() { return m_storage + m_rowLength; }
    Sum* slot(long row) { return m_storage + (2 + static_cast<std::size_t>(row % m_slots)) * m_rowLength; }
    const Sum* at(long row)
    {
        return row < 0 ? above() : row >= m_g.srcHeight ? below() : slot(row);
    }

private:
    const Geometry& m_g;
    long m_slots;
    std::size_t m_rowLength;
    Sum* m_storage;
};

template <class Sum>
std::size_t scratchSize(const Geometry& g)
{
    auto rowLength = static_cast<std::size_t>(g.width) * 4;
    return RowSums<Sum>::elements(g, rowLength) * sizeof(Sum) + rowLength * sizeof(std::uint32_t) +
           static_cast<std::size_t>(g.width + 2 * g.radiusX) * 4 + 64;
}

template <class Sum>
void convolve(const Geometry& g, const vImage_Buffer& src, const vImage_Buffer& dest, EdgeStyle style,
              const std::uint8_t* background, std::uint8_t* scratch)
{
    auto rowLength = static_cast<std::size_t>(g.width) * 4;
    auto* columns = reinterpret_cast<std::uint32_t*>(scratch);
    auto* sums = reinterpret_cast<Sum*>(columns + rowLength);
    auto* padded = reinterpret_cast<std::uint8_t*>(sums + RowSums<Sum>::elements(g, rowLength));
    RowSums<Sum> rows(g, rowLength, sums);
    const auto* srcBytes = static_cast<const std::uint8_t*>(src.data);
    auto* destBytes = static_cast<std::uint8_t*>(dest.data);
    auto sourceRow = [&](long row) { return srcBytes + static_cast<std::size_t>(row) * src.rowBytes; };

    if (style == EdgeStyle::Background || style == EdgeStyle::Truncate) {
        long kernelWidth = 2 * g.radiusX + 1;
        for (std::size_t i = 0; i < rowLength; ++i) {
            auto outside = static_cast<Sum>(style == EdgeStyle::Background ? background[i % 4] * kernelWidth : 0);
            rows.above()[i] = outside;
            rows.below()[i] = outside;
        }
    } else {
        sumRow(g, sourceRow(0), style, background, padded, rows.above());
        sumRow(g, sourceRow(g.srcHeight - 1), style, background, padded, rows.below());
    }
    auto enter = [&](long row) {
        if (row >= 0 && row < g.srcHeight) {
            sumRow(g, sourceRow(row), style, background, padded, rows.slot(row));
        }
        return rows.at(row);
    };

    std::memset(columns, 0, rowLength * sizeof(std::uint32_t));
    for (long row = g.offsetY - g.radiusY; row <= g.offsetY + g.radiusY; ++row) {
        slideColumns(enter(row), nullptr, columns, rowLength, nullptr, nullptr);
    }
    MeanDivider divider(static_cast<std::uint32_t>((2 * g.radiusX + 1) * (2 * g.radiusY + 1)));
    for (long y = 0; y < g.height; ++y) {
        std::uint8_t* out = destBytes + static_cast<std::size_t>(y) * dest.rowBytes;
        long leaving = g.offsetY + y - g.radiusY;
        const Sum* entering = rows.at(leaving);
        if (y + 1 < g.height) {
            entering = enter(g.offsetY + y + 1 + g.radiusY);
        }
        if (style == EdgeStyle::Truncate) {
            writeTruncatedRow(g, columns, y, out);
            slideColumns(entering, rows.at(leaving), columns, rowLength, nullptr, nullptr);
        } else {
            slideColumns(entering, rows.at(leaving), columns, rowLength, &divider, out);
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
    bool narrowSums = kernel_width * 255 <= UINT16_MAX;
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
