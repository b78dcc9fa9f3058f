#include "bench/frosted_screens.h"
#include "velmora/protection/frosted_snapshot.h"

#include <benchmark/benchmark.h>
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <ctime>

namespace {

using namespace device::graphics;
using velmora::bench::Screen;

int kernelSide(int scale)
{
    auto side = static_cast<int>(std::floor(30.0 * scale * 3 * 2.5066282746310002 / 4 + 0.5));
    return side % 2 == 0 ? side + 1 : side;
}

// This thread's processor time, which other work sharing the machine does not inflate as much as the clock.
double threadMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// OpenCV's equivalent of the frosted effect, on one thread: three replicated-border box blurs and a colour
// transform with the same matrix. Reports both times and how many times faster the frosted effect is.
void BM_OpenCVEquivalent(benchmark::State& state, Screen screen)
{
    cv::setNumThreads(1);
    auto picture = velmora::bench::screenPicture(screen);
    cv::Mat source(screen.height, screen.width, CV_8UC4, picture.data());
    cv::Mat a = source.clone();
    cv::Mat b;
    int side = kernelSide(screen.scale);
    cv::Matx44f saturation(417, -146, -15, 0,  //
                           -44, 314, -15, 0,  //
                           -44, -146, 446, 0,  //
                           0, 0, 0, 256);
    saturation *= 1.0f / 256;
    double opencv = INFINITY;
    for (auto _ : state) {
        double start = threadMilliseconds();
        cv::blur(a, b, {side, side}, {-1, -1}, cv::BORDER_REPLICATE);
        cv::blur(b, a, {side, side}, {-1, -1}, cv::BORDER_REPLICATE);
        cv::blur(a, b, {side, side}, {-1, -1}, cv::BORDER_REPLICATE);
        cv::transform(b, a, saturation);
        opencv = std::min(opencv, threadMilliseconds() - start);
        benchmark::DoNotOptimize(a.data);
        state.PauseTiming();
        source.copyTo(a);
        state.ResumeTiming();
    }

    std::vector<std::uint8_t> ours = picture;
    std::vector<std::uint8_t> other(ours.size());
    auto height = static_cast<vImagePixelCount>(screen.height);
    auto width = static_cast<vImagePixelCount>(screen.width);
    vImage_Buffer bufferA{ours.data(), height, width, width * 4};
    vImage_Buffer bufferB{other.data(), height, width, width * 4};
    double frosted = INFINITY;
    for (int round = 0; round < 10; ++round) {
        ours = picture;
        double start = threadMilliseconds();
        velmora::protection::frostBitmaps(bufferA, bufferB, screen.scale);
        frosted = std::min(frosted, threadMilliseconds() - start);
    }
    state.counters["opencv_ms"] = opencv;
    state.counters["frosted_ms"] = frosted;
    state.counters["times_faster"] = opencv / frosted;
}
BENCHMARK_CAPTURE(BM_OpenCVEquivalent, 640x1136_s2, Screen{640, 1136, 2})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenCVEquivalent, 750x1334_s2, Screen{750, 1334, 2})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenCVEquivalent, 1170x2532_s3, Screen{1170, 2532, 3})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenCVEquivalent, 1536x2048_s2, Screen{1536, 2048, 2})->Unit(benchmark::kMillisecond);

}  // namespace
