#pragma once

#include <cstddef>
#include <cstdint>

// The inner loops of the vImage functions, written for the widest vectors the processor has.
namespace device::graphics {

// Divides window sums by the window's area, rounding to nearest.
struct MeanDivider {
    explicit MeanDivider(std::uint32_t area);

    std::uint32_t area;
    std::uint32_t half;
    // Single precision serves while every biased sum stays below 2^24. Mostly the product with a reciprocal,
    // truncated, is the quotient itself: checked at both ends of every quotient's range of sums, which is enough
    // since rounding keeps order. Where no reciprocal passes, one a shade too small gives a quotient right or one
    // short, and the remainder, exact too, says which.
    bool inFloat;
    bool corrected;
    float reciprocal;
};

// Adds a row of bytes to running column sums and, when there is one, takes another away.
void slideColumns(const std::uint8_t* entering, const std::uint8_t* leaving, std::uint16_t* columns,
                  std::size_t count);
void slideColumns(const std::uint8_t* entering, const std::uint8_t* leaving, std::uint32_t* columns,
                  std::size_t count);

// Sums over windows of kernelWidth pixels sliding along a row of width + kernelWidth - 1 pixels' column sums, per
// channel.
void slideRow(const std::uint16_t* padded, long kernelWidth, long width, std::uint32_t* sums);
void slideRow(const std::uint32_t* padded, long kernelWidth, long width, std::uint32_t* sums);

// The same windows' means, for a divider that works in single precision.
void slideRowMeans(const std::uint16_t* padded, long kernelWidth, long width, const MeanDivider& divider,
                   std::uint8_t* out);
void slideRowMeans(const std::uint32_t* padded, long kernelWidth, long width, const MeanDivider& divider,
                   std::uint8_t* out);

// One row of pixels through a colour matrix, over a divisor of 2^shift whose rounding is folded into bias, clamped
// to 0...255; out may be in. Sums must fit 32 bits.
void multiplyRow(const std::uint8_t* in, std::uint8_t* out, std::size_t pixels, const std::int32_t matrix[16],
                 const std::int32_t bias[4], int shift);

// Which build of the loops runs: normally the widest the processor has; tests pick each in turn.
enum class LaneWidth { Widest, Avx512, Avx2, Baseline };

// False, changing nothing, when the processor cannot run that build.
bool useLaneWidth(LaneWidth width);

}  // namespace device::graphics
