#include "device/graphics/vimage_lanes.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace device::graphics {
namespace {

constexpr std::size_t lanes = 16;
using Words = std::uint32_t __attribute__((vector_size(lanes * 4)));
using SignedWords = std::int32_t __attribute__((vector_size(lanes * 4)));
using Floats = float __attribute__((vector_size(lanes * 4)));
using Bytes = std::uint8_t __attribute__((vector_size(lanes)));

// A vector of column sums, the bytes they come from, and as many sums as a vector of words has lanes.
template <class Sum>
struct ColumnVectors;
template <>
struct ColumnVectors<std::uint16_t> {
    static constexpr std::size_t count = 32;
    using Sums = std::uint16_t __attribute__((vector_size(64)));
    using SumBytes = std::uint8_t __attribute__((vector_size(32)));
    using Lanes = std::uint16_t __attribute__((vector_size(lanes * 2)));
};
template <>
struct ColumnVectors<std::uint32_t> {
    static constexpr std::size_t count = 16;
    using Sums = Words;
    using SumBytes = Bytes;
    using Lanes = Words;
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

// Every other lane takes the next of the first half's lanes, the others zero: the first half widened to lanes twice
// the size.
template <class Vector>
[[gnu::always_inline]] constexpr Vector widenedFirstHalf()
{
    Vector mask = {};
    constexpr int count = sizeof(Vector) / sizeof(mask[0]);
    for (int lane = 0; lane < count; ++lane) {
        mask[lane] = lane % 2 ? count : lane / 2;
    }
    return mask;
}

// Where vectors are 64 bytes wide, widening the first half of a whole vector by a shuffle against zero takes one
// instruction, against several for a conversion; it reads a half vector further.
template <class Wide, class Narrow>
[[gnu::always_inline]] inline Wide widenedByShuffle(const void* from)
{
    Narrow shuffled = __builtin_shuffle(load<Narrow>(from), Narrow{}, widenedFirstHalf<Narrow>());
    return load<Wide>(&shuffled);
}

template <class Sum, bool leave, bool wholeVectors>
[[gnu::always_inline]] inline void slideColumnsLoop(const std::uint8_t* entering, const std::uint8_t* leaving,
                                                    Sum* columns, std::size_t count)
{
    using Vectors = ColumnVectors<Sum>;
    using Bytes64 = std::uint8_t __attribute__((vector_size(64)));
    std::size_t i = 0;
    for (; wholeVectors && sizeof(Sum) == 2 && i + 64 <= count; i += Vectors::count) {
        auto column = load<typename Vectors::Sums>(columns + i);
        column += widenedByShuffle<typename Vectors::Sums, Bytes64>(entering + i);
        if constexpr (leave) {
            column -= widenedByShuffle<typename Vectors::Sums, Bytes64>(leaving + i);
        }
        store(columns + i, column);
    }
    for (; i + Vectors::count <= count; i += Vectors::count) {
        auto column = load<typename Vectors::Sums>(columns + i);
        column += __builtin_convertvector(load<typename Vectors::SumBytes>(entering + i), typename Vectors::Sums);
        if constexpr (leave) {
            column -= __builtin_convertvector(load<typename Vectors::SumBytes>(leaving + i), typename Vectors::Sums);
        }
        store(columns + i, column);
    }
    for (; i < count; ++i) {
        columns[i] = static_cast<Sum>(columns[i] + entering[i] - (leave ? leaving[i] : 0));
    }
}

template <class Sum, bool wholeVectors>
[[gnu::always_inline]] inline void slideColumnsAny(const std::uint8_t* entering, const std::uint8_t* leaving,
                                                   Sum* columns, std::size_t count)
{
    if (leaving) {
        slideColumnsLoop<Sum, true, wholeVectors>(entering, leaving, columns, count);
    } else {
        slideColumnsLoop<Sum, false, wholeVectors>(entering, leaving, columns, count);
    }
}

// What a row of windows gives: their sums, or their means with or without a correction of the quotient.
enum class Emit { Sums, Means, CorrectedMeans };

using Pixel = std::uint32_t __attribute__((vector_size(16)));

// Writes the sums of the pixels from the one at index on, or their means.
template <Emit mode>
[[gnu::always_inline]] inline void emit(const Pixel& sum, long index, const MeanDivider* divider, std::uint32_t* sums,
                                        std::uint8_t* out)
{
    if constexpr (mode == Emit::Sums) {
        store(sums + index * 4, sum);
    } else {
        for (int c = 0; c < 4; ++c) {
            out[index * 4 + c] = static_cast<std::uint8_t>((sum[c] + divider->half) / divider->area);
        }
    }
}

template <Emit mode>
[[gnu::always_inline]] inline void emit(const Words& sum, long index, std::uint32_t half, float reciprocal, float area,
                                        std::uint32_t* sums, std::uint8_t* out)
{
    if constexpr (mode == Emit::Sums) {
        store(sums + index * 4, sum);
    } else {
        Floats biased = __builtin_convertvector(sum + half, Floats);
        SignedWords quotient = __builtin_convertvector(biased * reciprocal, SignedWords);
        if constexpr (mode == Emit::CorrectedMeans) {
            Floats remainder = biased - __builtin_convertvector(quotient, Floats) * area;
            quotient -= remainder >= area;
        }
        store(out + index * 4, __builtin_convertvector(quotient, Bytes));
    }
}

// A run of pixels' column sums as words.
template <class Sum, bool wholeVectors>
[[gnu::always_inline]] inline Words widened(const Sum* from)
{
    if constexpr (wholeVectors && sizeof(Sum) == 2) {
        return widenedByShuffle<Words, std::uint16_t __attribute__((vector_size(64)))>(from);
    } else {
        return __builtin_convertvector(load<typename ColumnVectors<Sum>::Lanes>(from), Words);
    }
}

// How much the window sums of a run of pixels from x + 1 on differ from those at x.
template <class Sum, bool wholeVectors>
[[gnu::always_inline]] inline Words runOfChanges(const Sum* padded, long x, long kernelWidth)
{
    constexpr Words zero = {};
    Words run = widened<Sum, wholeVectors>(padded + (x + kernelWidth) * 4);
    run -= widened<Sum, wholeVectors>(padded + x * 4);
    for (std::size_t shift = 4; shift < lanes; shift *= 2) {
        run += __builtin_shuffle(run, zero, shiftedUp<Words>(static_cast<int>(shift)));
    }
    return run;
}

// Each step's sums are the last ones plus what entered minus what left. The differences of a run of pixels are
// taken at once and added up by a prefix sum across the vector; modular arithmetic is exact since every true sum
// fits. Two runs go at a time so that only one step in two waits for the one before.
template <class Sum, Emit mode, bool wholeVectors>
[[gnu::always_inline]] inline void slideRowLoop(const Sum* padded, long kernelWidth, long width,
                                                const MeanDivider* divider, std::uint32_t* sums, std::uint8_t* out)
{
    constexpr long runPixels = lanes / 4;
    constexpr Words zero = {};
    // Held apart from the divider, which the stores to out could otherwise overwrite for all the compiler knows.
    std::uint32_t half = mode == Emit::Sums ? 0 : divider->half;
    float reciprocal = mode == Emit::Sums ? 0 : divider->reciprocal;
    auto area = static_cast<float>(mode == Emit::Sums ? 0 : divider->area);
    Words window = {};
    long j = 0;
    for (; j + runPixels <= kernelWidth; j += runPixels) {
        window += widened<Sum, wholeVectors>(padded + j * 4);
    }
    for (int shift = lanes / 2; shift >= 4; shift /= 2) {
        window += __builtin_shuffle(window, zero, shiftedDown<Words>(shift));
    }
    Pixel sum;
    std::memcpy(&sum, &window, sizeof sum);
    for (; j < kernelWidth; ++j) {
        for (int c = 0; c < 4; ++c) {
            sum[c] += padded[j * 4 + c];
        }
    }
    emit<mode>(sum, 0, divider, sums, out);
    Words carry;
    for (std::size_t lane = 0; lane < lanes; ++lane) {
        carry[lane] = sum[lane % 4];
    }
    long x = 0;
    for (; x + 2 * runPixels <= width - 1; x += 2 * runPixels) {
        Words first = runOfChanges<Sum, wholeVectors>(padded, x, kernelWidth);
        Words second = runOfChanges<Sum, wholeVectors>(padded, x + runPixels, kernelWidth);
        second += __builtin_shuffle(first, lastPixel<Words>());
        first += carry;
        second += carry;
        emit<mode>(first, x + 1, half, reciprocal, area, sums, out);
        emit<mode>(second, x + 1 + runPixels, half, reciprocal, area, sums, out);
        carry = __builtin_shuffle(second, lastPixel<Words>());
    }
    for (; x + runPixels <= width - 1; x += runPixels) {
        Words run = runOfChanges<Sum, wholeVectors>(padded, x, kernelWidth) + carry;
        emit<mode>(run, x + 1, half, reciprocal, area, sums, out);
        carry = __builtin_shuffle(run, lastPixel<Words>());
    }
    for (int c = 0; c < 4; ++c) {
        sum[c] = carry[c];
    }
    for (; x + 1 < width; ++x) {
        for (int c = 0; c < 4; ++c) {
            sum[c] += padded[(x + kernelWidth) * 4 + c] - padded[x * 4 + c];
        }
        emit<mode>(sum, x + 1, divider, sums, out);
    }
}

template <class Sum, bool wholeVectors>
[[gnu::always_inline]] inline void slideRowAny(const Sum* padded, long kernelWidth, long width,
                                               const MeanDivider* divider, std::uint32_t* sums, std::uint8_t* out)
{
    if (!divider) {
        slideRowLoop<Sum, Emit::Sums, wholeVectors>(padded, kernelWidth, width, divider, sums, out);
    } else if (divider->corrected) {
        slideRowLoop<Sum, Emit::CorrectedMeans, wholeVectors>(padded, kernelWidth, width, divider, sums, out);
    } else {
        slideRowLoop<Sum, Emit::Means, wholeVectors>(padded, kernelWidth, width, divider, sums, out);
    }
}

std::uint8_t clampToByte(std::int32_t value)
{
    return static_cast<std::uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value);
}

// Sixteen pixels at a time, each a 32-bit word: every channel is taken out by a shift, so that the matrix is
// plain lane-wise arithmetic, and the results go back in the same way.
template <bool wholeVectors>
[[gnu::always_inline]] inline void multiplyRowLoop(const std::uint8_t* in, std::uint8_t* out, std::size_t pixels,
                                                   const std::int32_t matrix[16], const std::int32_t bias[4],
                                                   int shift)
{
    std::size_t x = 0;
    // Copied, so that the stores to out cannot change them as far as the compiler knows. A colour matrix is often
    // part zeros (the saturation's alpha row and column are), and where a vector fits one register, a zero weight
    // skipped costs only a branch that always goes the same way; split over two, branches push them out to memory.
    std::int32_t weights[16];
    std::int32_t offsets[4];
    std::memcpy(weights, matrix, sizeof weights);
    std::memcpy(offsets, bias, sizeof offsets);
    // Channel i is the word's byte i only where the low byte comes first in memory.
    for (; std::endian::native == std::endian::little && x + lanes <= pixels; x += lanes) {
        auto words = load<SignedWords>(in + x * 4);
        SignedWords channels[4];
        for (int i = 0; i < 4; ++i) {
            channels[i] = (words >> (8 * i)) & 255;
        }
        SignedWords result = {};
        for (int j = 0; j < 4; ++j) {
            SignedWords sum = SignedWords{} + offsets[j];
            for (int i = 0; i < 4; ++i) {
                if (!wholeVectors || weights[i * 4 + j] != 0) {
                    sum += channels[i] * weights[i * 4 + j];
                }
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

struct LaneFunctions {
    void (*columns16)(const std::uint8_t*, const std::uint8_t*, std::uint16_t*, std::size_t);
    void (*columns32)(const std::uint8_t*, const std::uint8_t*, std::uint32_t*, std::size_t);
    void (*row16)(const std::uint16_t*, long, long, const MeanDivider*, std::uint32_t*, std::uint8_t*);
    void (*row32)(const std::uint32_t*, long, long, const MeanDivider*, std::uint32_t*, std::uint8_t*);
    void (*multiply)(const std::uint8_t*, std::uint8_t*, std::size_t, const std::int32_t*, const std::int32_t*, int);
};

// One build of every loop for the instructions target allows; wholeVectors where a 64-byte vector fits one register.
#define VIMAGE_LANE_FUNCTIONS(build, target, wholeVectors)                                                             \
    namespace build {                                                                                                  \
    target void columns16(const std::uint8_t* entering, const std::uint8_t* leaving, std::uint16_t* columns,           \
                          std::size_t count)                                                                           \
    {                                                                                                                  \
        slideColumnsAny<std::uint16_t, wholeVectors>(entering, leaving, columns, count);                               \
    }                                                                                                                  \
    target void columns32(const std::uint8_t* entering, const std::uint8_t* leaving, std::uint32_t* columns,           \
                          std::size_t count)                                                                           \
    {                                                                                                                  \
        slideColumnsAny<std::uint32_t, wholeVectors>(entering, leaving, columns, count);                               \
    }                                                                                                                  \
    target void row16(const std::uint16_t* padded, long kernelWidth, long width, const MeanDivider* divider,           \
                      std::uint32_t* sums, std::uint8_t* out)                                                          \
    {                                                                                                                  \
        slideRowAny<std::uint16_t, wholeVectors>(padded, kernelWidth, width, divider, sums, out);                      \
    }                                                                                                                  \
    target void row32(const std::uint32_t* padded, long kernelWidth, long width, const MeanDivider* divider,           \
                      std::uint32_t* sums, std::uint8_t* out)                                                          \
    {                                                                                                                  \
        slideRowAny<std::uint32_t, wholeVectors>(padded, kernelWidth, width, divider, sums, out);                      \
    }                                                                                                                  \
    target void multiply(const std::uint8_t* in, std::uint8_t* out, std::size_t pixels, const std::int32_t* matrix,    \
                         const std::int32_t* bias, int shift)                                                          \
    {                                                                                                                  \
        multiplyRowLoop<wholeVectors>(in, out, pixels, matrix, bias, shift);                                           \
    }                                                                                                                  \
    constexpr LaneFunctions functions = {columns16, columns32, row16, row32, multiply};                                \
    }

VIMAGE_LANE_FUNCTIONS(baseline, , false)
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__)
VIMAGE_LANE_FUNCTIONS(avx2, __attribute__((target("arch=x86-64-v3"))), false)
VIMAGE_LANE_FUNCTIONS(avx512, __attribute__((target("arch=x86-64-v4"))), true)

const LaneFunctions* buildFor(LaneWidth width)
{
    bool avx512 = __builtin_cpu_supports("x86-64-v4");
    bool avx2 = __builtin_cpu_supports("x86-64-v3");
    switch (width) {
    case LaneWidth::Widest:
        return avx512 ? &avx512::functions : avx2 ? &avx2::functions : &baseline::functions;
    case LaneWidth::Avx512:
        return avx512 ? &avx512::functions : nullptr;
    case LaneWidth::Avx2:
        return avx2 ? &avx2::functions : nullptr;
    case LaneWidth::Baseline:
        return &baseline::functions;
    }
    return nullptr;
}
#else
const LaneFunctions* buildFor(LaneWidth width)
{
    return width == LaneWidth::Widest || width == LaneWidth::Baseline ? &baseline::functions : nullptr;
}
#endif

const LaneFunctions* active = buildFor(LaneWidth::Widest);

}  // namespace

MeanDivider::MeanDivider(std::uint32_t area)
    : area(area), half(area / 2), inFloat(std::uint64_t{area} * 255 + area / 2 < (1U << 24)), corrected(true),
      reciprocal(static_cast<float>(1.0 / area * (1 - std::ldexp(1.0, -22))))
{
    if (!inFloat) {
        return;
    }
    auto truncatesExactly = [&](float candidate) {
        std::uint32_t top = area * 255 + half;
        for (std::uint32_t quotient = 0; quotient * area <= top; ++quotient) {
            for (std::uint32_t sum : {std::max(quotient * area, half), std::min(quotient * area + area - 1, top)}) {
                if (static_cast<std::uint32_t>(static_cast<float>(sum) * candidate) != quotient) {
                    return false;
                }
            }
        }
        return true;
    };
    float candidate = static_cast<float>(1.0 / area);
    for (int step = 0; step < 4; ++step, candidate = std::nextafter(candidate, 1.0F)) {
        if (truncatesExactly(candidate)) {
            reciprocal = candidate;
            corrected = false;
            return;
        }
    }
}

void slideColumns(const std::uint8_t* entering, const std::uint8_t* leaving, std::uint16_t* columns,
                  std::size_t count)
{
    active->columns16(entering, leaving, columns, count);
}

void slideColumns(const std::uint8_t* entering, const std::uint8_t* leaving, std::uint32_t* columns,
                  std::size_t count)
{
    active->columns32(entering, leaving, columns, count);
}

void slideRow(const std::uint16_t* padded, long kernelWidth, long width, std::uint32_t* sums)
{
    active->row16(padded, kernelWidth, width, nullptr, sums, nullptr);
}

void slideRow(const std::uint32_t* padded, long kernelWidth, long width, std::uint32_t* sums)
{
    active->row32(padded, kernelWidth, width, nullptr, sums, nullptr);
}

void slideRowMeans(const std::uint16_t* padded, long kernelWidth, long width, const MeanDivider& divider,
                   std::uint8_t* out)
{
    active->row16(padded, kernelWidth, width, &divider, nullptr, out);
}

void slideRowMeans(const std::uint32_t* padded, long kernelWidth, long width, const MeanDivider& divider,
                   std::uint8_t* out)
{
    active->row32(padded, kernelWidth, width, &divider, nullptr, out);
}

void multiplyRow(const std::uint8_t* in, std::uint8_t* out, std::size_t pixels, const std::int32_t matrix[16],
                 const std::int32_t bias[4], int shift)
{
    active->multiply(in, out, pixels, matrix, bias, shift);
}

bool useLaneWidth(LaneWidth width)
{
    const LaneFunctions* build = buildFor(width);
    if (build) {
        active = build;
    }
    return build != nullptr;
}

}  // namespace device::graphics
