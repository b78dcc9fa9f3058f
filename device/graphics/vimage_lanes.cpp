#include "device/graphics/vimage_lanes.h"

#include <bit>
#include <cmath>
#include <cstring>

namespace device::graphics {
namespace {

// Each loop is built for AVX-512, AVX2 and the baseline, and the processor picks at load.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__)
#define VIMAGE_WIDEST __attribute__((target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default")))
#else
#define VIMAGE_WIDEST
#endif

constexpr std::size_t lanes = 16;
using Words = std::uint32_t __attribute__((vector_size(lanes * 4)));
using SignedWords = std::int32_t __attribute__((vector_size(lanes * 4)));
using Floats = float __attribute__((vector_size(lanes * 4)));
using Bytes = std::uint8_t __attribute__((vector_size(lanes)));

// A pixel's four sums, one sum for each of the lanes above, and a run of pixels' sums with the bytes they come from.
template <class Sum>
struct SumVectors;
template <>
struct SumVectors<std::uint16_t> {
    using Pixel = std::uint16_t __attribute__((vector_size(8)));
    using Lanes = std::uint16_t __attribute__((vector_size(lanes * 2)));
    using Run = std::uint16_t __attribute__((vector_size(64)));
    using RunBytes = std::uint8_t __attribute__((vector_size(32)));
};
template <>
struct SumVectors<std::uint32_t> {
    using Pixel = std::uint32_t __attribute__((vector_size(16)));
    using Lanes = Words;
    using Run = Words;
    using RunBytes = Bytes;
};

// Wide vectors only pass between always-inlined helpers, never across a call, so their ABI cannot matter; a helper
// that takes or returns one must stay always-inlined.
#pragma GCC diagnostic ignored "-Wpsabi"

template <class T>
[[gnu::always_inline]] inline T load(const void* from)
{
    T value;
    std::memcpy(&value, from, sizeof value);
    return value;
}

template <class T>
[[gnu::always_inline]] inline void store(void* to, const T& value)
{
    std::memcpy(to, &value, sizeof value);
}

// Lane i takes lane i - shift, or zero below it.
template <class Vector>
[[gnu::always_inline]] constexpr Vector shiftedUp(int shift)
{
    Vector mask = {};
    constexpr int count = sizeof(Vector) / sizeof(mask[0]);
    for (int lane = 0; lane < count; ++lane) {
        mask[lane] = lane >= shift ? lane - shift : count;
    }
    return mask;
}

// Lane i takes lane i + shift, or zero above the top.
template <class Vector>
[[gnu::always_inline]] constexpr Vector shiftedDown(int shift)
{
    Vector mask = {};
    constexpr int count = sizeof(Vector) / sizeof(mask[0]);
    for (int lane = 0; lane < count; ++lane) {
        mask[lane] = lane + shift < count ? lane + shift : count;
    }
    return mask;
}

// Every lane takes the corresponding channel of the last pixel.
template <class Vector>
[[gnu::always_inline]] constexpr Vector lastPixel()
{
    Vector mask = {};
    constexpr int count = sizeof(Vector) / sizeof(mask[0]);
    for (int lane = 0; lane < count; ++lane) {
        mask[lane] = count - 4 + lane % 4;
    }
    return mask;
}

// Each step's sums are the last ones plus what entered minus what left. The differences of a whole run of pixels
// are taken at once and added up by a prefix sum across the vector; modular arithmetic is exact since every
// true sum fits.
template <class Sum>
[[gnu::always_inline]] inline void slideRowLoop(const std::uint8_t* padded, long kernelWidth, long width, Sum* sums)
{
    using Pixel = typename SumVectors<Sum>::Pixel;
    using Run = typename SumVectors<Sum>::Run;
    using RunBytes = typename SumVectors<Sum>::RunBytes;
    constexpr long runLanes = sizeof(Run) / sizeof(Sum);
    using PixelBytes = std::uint8_t __attribute__((vector_size(4)));
    constexpr Run zero = {};
    Run window = {};
    long j = 0;
    for (; j + runLanes / 4 <= kernelWidth; j += runLanes / 4) {
        window += __builtin_convertvector(load<RunBytes>(padded + j * 4), Run);
    }
    for (int shift = runLanes / 2; shift >= 4; shift /= 2) {
        window += __builtin_shuffle(window, zero, shiftedDown<Run>(shift));
    }
    Pixel sum;
    std::memcpy(&sum, &window, sizeof sum);
    for (; j < kernelWidth; ++j) {
        sum += __builtin_convertvector(load<PixelBytes>(padded + j * 4), Pixel);
    }
    store(sums, sum);
    Run carry;
    for (long lane = 0; lane < runLanes; ++lane) {
        carry[lane] = sum[lane % 4];
    }
    long x = 0;
    for (; x + runLanes / 4 <= width - 1; x += runLanes / 4) {
        Run run = __builtin_convertvector(load<RunBytes>(padded + (x + kernelWidth) * 4), Run) -
                  __builtin_convertvector(load<RunBytes>(padded + x * 4), Run);
        for (int shift = 4; shift < runLanes; shift *= 2) {
            run += __builtin_shuffle(run, zero, shiftedUp<Run>(shift));
        }
        run += carry;
        store(sums + (x + 1) * 4, run);
        carry = __builtin_shuffle(run, lastPixel<Run>());
    }
    for (long lane = 0; lane < 4; ++lane) {
        sum[lane] = carry[lane];
    }
    for (; x + 1 < width; ++x) {
        sum += __builtin_convertvector(load<PixelBytes>(padded + (x + kernelWidth) * 4), Pixel);
        sum -= __builtin_convertvector(load<PixelBytes>(padded + x * 4), Pixel);
        store(sums + (x + 1) * 4, sum);
    }
}

template <class Sum, bool divide, bool leave>
[[gnu::always_inline]] inline void slideColumnsLoop(const Sum* entering, const Sum* leaving, std::uint32_t* columns,
                                                    std::size_t count, const MeanDivider* divider, std::uint8_t* out)
{
    using SumLanes = typename SumVectors<Sum>::Lanes;
    std::size_t i = 0;
    if (!divide || divider->inFloat) {
        for (; i + lanes <= count; i += lanes) {
            auto column = load<Words>(columns + i);
            if constexpr (divide) {
                Floats biased = __builtin_convertvector(column + divider->half, Floats);
                SignedWords quotient = __builtin_convertvector(biased * divider->reciprocal, SignedWords);
                auto area = static_cast<float>(divider->area);
                Floats remainder = biased - __builtin_convertvector(quotient, Floats) * area;
                quotient -= remainder >= area;
                store(out + i, __builtin_convertvector(quotient, Bytes));
            }
            column += __builtin_convertvector(load<SumLanes>(entering + i), Words);
            if constexpr (leave) {
                column -= __builtin_convertvector(load<SumLanes>(leaving + i), Words);
            }
            store(columns + i, column);
        }
    }
    for (; i < count; ++i) {
        if constexpr (divide) {
            out[i] = static_cast<std::uint8_t>((std::uint64_t{columns[i]} + divider->half) / divider->area);
        }
        columns[i] += entering[i];
        if constexpr (leave) {
            columns[i] -= leaving[i];
        }
    }
}

template <class Sum>
[[gnu::always_inline]] inline void slideColumnsAny(const Sum* entering, const Sum* leaving, std::uint32_t* columns,
                                                   std::size_t count, const MeanDivider* divider, std::uint8_t* out)
{
    if (divider && leaving) {
        slideColumnsLoop<Sum, true, true>(entering, leaving, columns, count, divider, out);
    } else if (divider) {
        slideColumnsLoop<Sum, true, false>(entering, leaving, columns, count, divider, out);
    } else if (leaving) {
        slideColumnsLoop<Sum, false, true>(entering, leaving, columns, count, divider, out);
    } else {
        slideColumnsLoop<Sum, false, false>(entering, leaving, columns, count, divider, out);
    }
}

std::uint8_t clampToByte(std::int32_t value)
{
    return static_cast<std::uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value);
}

}  // namespace

MeanDivider::MeanDivider(std::uint32_t area)
    : area(area), half(area / 2), inFloat(std::uint64_t{area} * 255 + area / 2 < (1U << 24)),
      reciprocal(static_cast<float>(1.0 / area * (1 - std::ldexp(1.0, -22))))
{
}

VIMAGE_WIDEST void slideRow(const std::uint8_t* padded, long kernelWidth, long width, std::uint16_t* sums)
{
    slideRowLoop(padded, kernelWidth, width, sums);
}

VIMAGE_WIDEST void slideRow(const std::uint8_t* padded, long kernelWidth, long width, std::uint32_t* sums)
{
    slideRowLoop(padded, kernelWidth, width, sums);
}

VIMAGE_WIDEST void slideColumns(const std::uint16_t* entering, const std::uint16_t* leaving, std::uint32_t* columns,
                                std::size_t count, const MeanDivider* divider, std::uint8_t* out)
{
    slideColumnsAny(entering, leaving, columns, count, divider, out);
}

VIMAGE_WIDEST void slideColumns(const std::uint32_t* entering, const std::uint32_t* leaving, std::uint32_t* columns,
                                std::size_t count, const MeanDivider* divider, std::uint8_t* out)
{
    slideColumnsAny(entering, leaving, columns, count, divider, out);
}

// Sixteen pixels at a time, each a 32-bit word: every channel is taken out by a shift, so that the matrix is
// plain lane-wise arithmetic, and the results go back in the same way.
VIMAGE_WIDEST void multiplyRow(const std::uint8_t* in, std::uint8_t* out, std::size_t pixels,
                               const std::int32_t matrix[16], const std::int32_t bias[4], int shift)
{
    std::size_t x = 0;
    // Channel i is the word's byte i only where the low byte comes first in memory.
    for (; std::endian::native == std::endian::little && x + lanes <= pixels; x += lanes) {
        auto words = load<SignedWords>(in + x * 4);
        SignedWords channels[4];
        for (int i = 0; i < 4; ++i) {
            channels[i] = (words >> (8 * i)) & 255;
        }
        SignedWords result = {};
        for (int j = 0; j < 4; ++j) {
            SignedWords sum = channels[0] * matrix[j] + bias[j];
            for (int i = 1; i < 4; ++i) {
                sum += channels[i] * matrix[i * 4 + j];
            }
            sum >>= shift;
            sum = sum < 0 ? 0 : sum;
            sum = sum > 255 ? 255 : sum;
            result |= sum << (8 * j);
        }
        store(out + x * 4, result);
    }
    for (; x < pixels; ++x) {
        std::int32_t channels[4] = {in[x * 4], in[x * 4 + 1], in[x * 4 + 2], in[x * 4 + 3]};
        for (int j = 0; j < 4; ++j) {
            std::int32_t sum = bias[j];
            for (int i = 0; i < 4; ++i) {
                sum += channels[i] * matrix[i * 4 + j];
            }
            out[x * 4 + j] = clampToByte(sum >> shift);
        }
    }
}

}  // namespace device::graphics
