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
    // In single precision, exact while every biased sum stays below 2^24: the quotient from a reciprocal a shade
    // too small is either right or one short, and the remainder, exact too, says which.
    bool inFloat;
    float reciprocal;
};

// Sums over windows of kernelWidth pixels sliding along a row of width + kernelWidth - 1 pixels, per channel.
void slideRow(const std::uint8_t* padded, long kernelWidth, long width, std::uint16_t* sums);
void slideRow(const std::uint8_t* padded, long kernelWidth, long width, std::uint32_t* sums);

// With a divider, first writes the means of the column sums to out; then adds the entering row's sums to the
// column sums and takes away the leaving row's, when there is one.
void slideColumns(const std::uint16_t* entering, const std::uint16_t* leaving, std::uint32_t* columns,
                  std::size_t count, const MeanDivider* divider, std::uint8_t* out);
void slideColumns(const std::uint32_t* entering, const std::uint32_t* leaving, std::uint32_t* columns,
                  std::size_t count, const MeanDivider* divider, std::uint8_t* out);

// One row of pixels through a colour matrix, over a divisor of 2^shift whose rounding is folded into bias, clamped
// to 0...255; out may be in. Sums must fit 32 bits.
void multiplyRow(const std::uint8_t* in, std::uint8_t* out, std::size_t pixels, const std::int32_t matrix[16],
                 const std::int32_t bias[4], int shift);

}  // namespace device::graphics
