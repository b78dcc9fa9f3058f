#include "device/graphics/vimage.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

using namespace device::graphics;

// A full phone screen at scale 2, blurred as a frosted background is: three 113 × 113 box passes back and forth
// between two buffers, then a colour matrix.
constexpr vImagePixelCount width = 640;
constexpr vImagePixelCount height = 1136;
constexpr std::uint32_t kernel = 113;

std::vector<std::uint8_t> screenPicture()
{
    std::vector<std::uint8_t> bytes(width * height * 4);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<std::uint8_t>((i * 2654435761U) >> 24);
    }
    return bytes;
}

void BM_ThreeBoxPassesOverAScreen(benchmark::State& state)
{
    auto a = screenPicture();
    std::vector<std::uint8_t> b(a.size());
    vImage_Buffer bufferA{a.data(), height, width, width * 4};
    vImage_Buffer bufferB{b.data(), height, width, width * 4};
    for (auto _ : state) {
        vImageBoxConvolve_ARGB8888(&bufferA, &bufferB, nullptr, 0, 0, kernel, kernel, nullptr, kvImageEdgeExtend);
        vImageBoxConvolve_ARGB8888(&bufferB, &bufferA, nullptr, 0, 0, kernel, kernel, nullptr, kvImageEdgeExtend);
        vImageBoxConvolve_ARGB8888(&bufferA, &bufferB, nullptr, 0, 0, kernel, kernel, nullptr, kvImageEdgeExtend);
        benchmark::DoNotOptimize(b.data());
    }
}
BENCHMARK(BM_ThreeBoxPassesOverAScreen)->Unit(benchmark::kMillisecond);

void BM_SaturationMatrixOverAScreen(benchmark::State& state)
{
    auto a = screenPicture();
    std::vector<std::uint8_t> b(a.size());
    vImage_Buffer bufferA{a.data(), height, width, width * 4};
    vImage_Buffer bufferB{b.data(), height, width, width * 4};
    const std::int16_t matrix[16] = {417, -44, -44, 0, -146, 314, -146, 0, -15, -15, 446, 0, 0, 0, 0, 256};
    for (auto _ : state) {
        vImageMatrixMultiply_ARGB8888(&bufferA, &bufferB, matrix, 256, nullptr, nullptr, kvImageNoFlags);
        benchmark::DoNotOptimize(b.data());
    }
}
BENCHMARK(BM_SaturationMatrixOverAScreen)->Unit(benchmark::kMillisecond);

}  // namespace
