#include "device/graphics/canvas.h"
#include "device/graphics/font.h"
#include "device/graphics/png_codec.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

namespace {

using namespace device::graphics;

constexpr double screenScale = 2;
constexpr Size screenSize{320, 568};

// A 29-point "@2x" settings icon: a diagonal gradient in one hue.
Bitmap makeIcon(double red, double green, double blue)
{
    Bitmap icon(58, 58);
    for (int y = 0; y < icon.height; ++y) {
        for (int x = 0; x < icon.width; ++x) {
            double light = 0.7 + 0.3 * (x + y) / 116.0;
            std::uint8_t* p = icon.pixel(x, y);
            p[0] = static_cast<std::uint8_t>(255 * red * light);
            p[1] = static_cast<std::uint8_t>(255 * green * light);
            p[2] = static_cast<std::uint8_t>(255 * blue * light);
            p[3] = 255;
        }
    }
    return icon;
}

// Pinstripes behind the grouped table, as a pattern colour.
Bitmap makeStripes()
{
    Bitmap stripes(14, 2);
    for (int y = 0; y < stripes.height; ++y) {
        for (int x = 0; x < stripes.width; ++x) {
            std::uint8_t* p = stripes.pixel(x, y);
            std::uint8_t grey = x < 10 ? 200 : 192;
            p[0] = grey;
            p[1] = grey + 4;
            p[2] = grey + 12;
            p[3] = 255;
        }
    }
    return stripes;
}

struct Scene {
    std::array<Bitmap, 4> icons{makeIcon(0.2, 0.5, 1), makeIcon(1, 0.3, 0.2), makeIcon(0.3, 0.8, 0.3),
                                makeIcon(0.6, 0.6, 0.65)};
    Bitmap stripes = makeStripes();
    Font title{17, FontWeight::Bold, screenScale};
    Font label{17, FontWeight::Regular, screenScale};
    Font small{13, FontWeight::Regular, screenScale};
};

// A settings page: navigation bar, two groups of six rounded cells with icons, labels, values, a switch and a
// bordered badge, and a footer that wraps.
void drawSettingsScreen(const Scene& scene, Bitmap& bitmap)
{
    static const std::array<const char*, 12> titles = {
        "Airplane Mode", "Wi-Fi",          "Bluetooth",      "Mobile Data", "Personal Hotspot", "Carrier",
        "Notifications", "Control Centre", "Do Not Disturb", "General",     "Display & Brightness",
        "Wallpaper and a very long title that must be truncated"};
    static const std::array<const char*, 12> values = {"", "Home", "On", "", "Off", "Velmora", "", "", "", "", "", ""};

    Canvas canvas(bitmap, screenScale);
    canvas.fillPattern({0, 0, screenSize.width, screenSize.height}, ImageRef::of(scene.stripes, 2));

    canvas.fillRect({0, 0, screenSize.width, 64}, {0.97, 0.97, 0.98, 0.95});
    canvas.drawHairline({0, 64}, screenSize.width, Axis::Horizontal, {0, 0, 0, 0.3});
    scene.title.drawInRect(canvas, "Settings", {0, 20, screenSize.width, 44}, TextAlignment::Center, {0, 0, 0, 1});

    double y = 84;
    for (int group = 0; group < 2; ++group) {
        Rect section{10, y, 300, 6 * 44};
        canvas.fillRoundedRect(section, 10, {1, 1, 1, 1});
        canvas.strokeRoundedRect(section, 10, 1, {0.67, 0.67, 0.7, 1});
        for (int row = 0; row < 6; ++row) {
            int index = group * 6 + row;
            Rect cell{section.x, y + row * 44, section.width, 44};
            canvas.save();
            canvas.clipToRoundedRect({cell.x + 15, cell.y + 7.5, 29, 29}, 6.5);
            canvas.drawImage(ImageRef::of(scene.icons[index % scene.icons.size()], 2),
                             {cell.x + 15, cell.y + 7.5, 29, 29}, ContentMode::AspectFill);
            canvas.restore();
            scene.label.drawInRect(canvas, titles[index], {cell.x + 56, cell.y, 170, 44}, TextAlignment::Left,
                                   {0, 0, 0, 1});
            if (index == 0) {
                canvas.fillRoundedRect({cell.maxX() - 61, cell.y + 6.5, 51, 31}, 15.5, {0.3, 0.85, 0.4, 1});
                canvas.fillRoundedRect({cell.maxX() - 41, cell.y + 7.5, 29, 29}, 14.5, {1, 1, 1, 1});
                canvas.strokeRoundedRect({cell.maxX() - 41, cell.y + 7.5, 29, 29}, 14.5, 0.5, {0, 0, 0, 0.2});
            } else if (*values[index]) {
                scene.label.drawInRect(canvas, values[index], {cell.maxX() - 110, cell.y, 90, 44},
                                       TextAlignment::Right, {0.5, 0.5, 0.53, 1});
            } else if (index == 6) {
                canvas.strokeRoundedRect({cell.maxX() - 40, cell.y + 12, 20, 20}, 10, 1.5, {1, 0.23, 0.19, 1});
                scene.small.drawInRect(canvas, "3", {cell.maxX() - 40, cell.y + 12, 20, 20}, TextAlignment::Center,
                                       {1, 0.23, 0.19, 1});
            }
            if (row < 5) {
                canvas.drawHairline({cell.x + 56, cell.maxY() - 0.5}, cell.width - 56, Axis::Horizontal,
                                    {0.78, 0.78, 0.8, 1});
            }
        }
        y += section.height + 32;
    }
    canvas.save();
    canvas.setAlpha(0.8);
    scene.small.drawInRect(canvas,
                           "Velmora arranges this list into folders. Hidden and protected entries are kept "
                           "out of sight until the passcode is entered.",
                           {25, y - 26, 270, 60}, TextAlignment::Center, {0.43, 0.43, 0.45, 1}, 0);
    canvas.restore();
}

void BM_RenderSettingsScreen(benchmark::State& state)
{
    Scene scene;
    for (auto _ : state) {
        Bitmap bitmap(static_cast<int>(screenSize.width * screenScale), static_cast<int>(screenSize.height * screenScale));
        drawSettingsScreen(scene, bitmap);
        benchmark::DoNotOptimize(bitmap.rgba.data());
    }
}
BENCHMARK(BM_RenderSettingsScreen)->Unit(benchmark::kMillisecond);

void encodeScreen(benchmark::State& state, PngCompression compression)
{
    Scene scene;
    Bitmap bitmap(static_cast<int>(screenSize.width * screenScale), static_cast<int>(screenSize.height * screenScale));
    drawSettingsScreen(scene, bitmap);
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::optional<std::string> png = encodePng(bitmap, compression);
        bytes = png ? png->size() : 0;
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["png_bytes"] = static_cast<double>(bytes);
}

void renderScreenToPng(benchmark::State& state, PngCompression compression)
{
    Scene scene;
    for (auto _ : state) {
        Bitmap bitmap(static_cast<int>(screenSize.width * screenScale), static_cast<int>(screenSize.height * screenScale));
        drawSettingsScreen(scene, bitmap);
        std::optional<std::string> png = encodePng(bitmap, compression);
        benchmark::DoNotOptimize(png);
    }
}

void BM_EncodeScreenPng(benchmark::State& state)
{
    encodeScreen(state, PngCompression::Standard);
}
BENCHMARK(BM_EncodeScreenPng)->Unit(benchmark::kMillisecond);

// As a frame streamed to a browser is encoded.
void BM_EncodeScreenPngFastest(benchmark::State& state)
{
    encodeScreen(state, PngCompression::Fastest);
}
BENCHMARK(BM_EncodeScreenPngFastest)->Unit(benchmark::kMillisecond);

void BM_RenderSettingsScreenToPng(benchmark::State& state)
{
    renderScreenToPng(state, PngCompression::Standard);
}
BENCHMARK(BM_RenderSettingsScreenToPng)->Unit(benchmark::kMillisecond);

void BM_RenderSettingsScreenToPngFastest(benchmark::State& state)
{
    renderScreenToPng(state, PngCompression::Fastest);
}
BENCHMARK(BM_RenderSettingsScreenToPngFastest)->Unit(benchmark::kMillisecond);

void BM_LayOutLabels(benchmark::State& state)
{
    Font font(17, FontWeight::Regular, screenScale);
    const std::string text = "Display & Brightness, Wallpaper, Sounds & Haptics, Privacy — Настройки, Réglages";
    for (auto _ : state) {
        benchmark::DoNotOptimize(font.width(text));
        benchmark::DoNotOptimize(font.truncated(text, 170));
        benchmark::DoNotOptimize(font.wrapped(text, 170, 2));
    }
}
BENCHMARK(BM_LayOutLabels)->Unit(benchmark::kMicrosecond);

// Arabic, Chinese and mixed-direction labels, shaped once and then found in the face's cache as a screen
// redraws them.
void BM_LayOutLabelsInEveryScript(benchmark::State& state)
{
    Font font(17, FontWeight::Regular, screenScale);
    const std::vector<std::string> texts = {"إخفاء العناصر وترتيبها في مجموعات، الإصدار 2.14",
                                            "在 Velmora 中将每个标签显示为其项目的分组，而不是设置列表中的文件夹。",
                                            "Velmora — شكرًا لك — 感谢安装"};
    for (auto _ : state) {
        for (const std::string& text : texts) {
            benchmark::DoNotOptimize(font.width(text));
            benchmark::DoNotOptimize(font.truncated(text, 170));
            benchmark::DoNotOptimize(font.wrapped(text, 170, 2));
        }
    }
}
BENCHMARK(BM_LayOutLabelsInEveryScript)->Unit(benchmark::kMicrosecond);

}  // namespace
