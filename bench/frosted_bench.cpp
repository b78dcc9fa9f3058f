#include "bench/frosted_screens.h"
#include "velmora/protection/frosted_snapshot.h"

#include <benchmark/benchmark.h>

namespace {

using namespace device::graphics;
using velmora::bench::Screen;

// The blur passes and the saturation, on the snapshot's two working bitmaps.
void BM_FrostedEffect(benchmark::State& state, Screen screen)
{
    auto original = velmora::bench::screenPicture(screen);
    auto a = original;
    std::vector<std::uint8_t> b(a.size());
    auto height = static_cast<vImagePixelCount>(screen.height);
    auto width = static_cast<vImagePixelCount>(screen.width);
    vImage_Buffer bufferA{a.data(), height, width, width * 4};
    vImage_Buffer bufferB{b.data(), height, width, width * 4};
    for (auto _ : state) {
        velmora::protection::frostBitmaps(bufferA, bufferB, screen.scale);
        benchmark::DoNotOptimize(a.data());
        state.PauseTiming();
        a = original;
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(BM_FrostedEffect, 640x1136_s2, Screen{640, 1136, 2})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FrostedEffect, 750x1334_s2, Screen{750, 1334, 2})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FrostedEffect, 1170x2532_s3, Screen{1170, 2532, 3})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FrostedEffect, 1536x2048_s2, Screen{1536, 2048, 2})->Unit(benchmark::kMillisecond);

}  // namespace
