#include "device/graphics/png_codec.h"
#include "device/render/screen_description.h"
#include "device/render/screen_text.h"
#include "device/render/view_raster.h"
#include "device/settings/device.h"
#include "device/uikit/application.h"
#include "device/uikit/window.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <variant>

namespace {

using namespace device;

[[noreturn]] void fail(const std::string& why)
{
    std::fprintf(stderr, "velmora-bench: cannot boot the phone: %s\n", why.c_str());
    std::exit(1);
}

// The plain Settings app of the phone profile, booted on a scratch root that goes away with it.
class BootedPhone {
public:
    BootedPhone()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "velmora-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) {
            fail("cannot create a scratch device root");
        }
        settings::BootOptions options;
        options.root = pattern;
        options.injection = settings::LibraryInjection::None;
        auto profile = settings::loadProfileNamed("phone");
        if (auto* error = std::get_if<settings::ProfileError>(&profile)) {
            fail(error->message);
        }
        options.profile = std::get<settings::DeviceProfile>(profile);
        m_device = std::make_unique<settings::Device>(options);
        if (auto error = m_device->boot()) {
            fail(*error);
        }
    }

    ~BootedPhone()
    {
        std::filesystem::path root = m_device->root();
        m_device.reset();
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }

    uikit::UIWindow& window() { return *uikit::UIApplication::sharedApplication().keyWindow(); }

private:
    std::unique_ptr<settings::Device> m_device;
};

void BM_RenderPhoneScreen(benchmark::State& state)
{
    BootedPhone phone;
    for (auto _ : state) {
        graphics::Bitmap screen = render::renderWindow(phone.window());
        benchmark::DoNotOptimize(screen.rgba.data());
    }
}
BENCHMARK(BM_RenderPhoneScreen)->Unit(benchmark::kMillisecond);

void BM_RenderPhoneScreenToPng(benchmark::State& state)
{
    BootedPhone phone;
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::optional<std::string> png = graphics::encodePng(render::renderWindow(phone.window()));
        bytes = png ? png->size() : 0;
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["png_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_RenderPhoneScreenToPng)->Unit(benchmark::kMillisecond);

void BM_PhoneScreenAsText(benchmark::State& state)
{
    BootedPhone phone;
    for (auto _ : state) {
        render::ScreenText text(render::describeScreen(&phone.window(), {}));
        benchmark::DoNotOptimize(text.str().data());
    }
}
BENCHMARK(BM_PhoneScreenAsText)->Unit(benchmark::kMicrosecond);

}  // namespace
