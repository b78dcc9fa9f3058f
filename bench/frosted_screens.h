#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace velmora::bench {

// Whole screens at device scale, as the frosted snapshot sees them.
struct Screen {
    int width;
    int height;
    int scale;
};

inline constexpr Screen screens[] = {{640, 1136, 2}, {750, 1334, 2}, {1170, 2532, 3}, {1536, 2048, 2}};

// Opaque RGBA with rows of list text in it: hard edges over a gradient, like a settings list.
inline std::vector<std::uint8_t> screenPicture(const Screen& screen)
{
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(screen.width) * screen.height * 4);
    for (int y = 0; y < screen.height; ++y) {
        for (int x = 0; x < screen.width; ++x) {
            std::uint8_t* p = &rgba[(static_cast<std::size_t>(y) * screen.width + x) * 4];
            bool ink = (y / 4) % 22 < 3 && ((x * 7 + y * 3) / 5) % 3 == 0;
            p[0] = ink ? 20 : static_cast<std::uint8_t>(240 - y * 60 / screen.height);
            p[1] = ink ? 20 : static_cast<std::uint8_t>(200 + x * 40 / screen.width);
            p[2] = ink ? 30 : 245;
            p[3] = 255;
        }
    }
    return rgba;
}

}  // namespace velmora::bench
