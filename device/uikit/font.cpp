#include "device/uikit/font.h"

#include <array>

namespace device::uikit {
namespace {

struct NamedFace {
    std::string_view name;
    UIFontWeight weight;
};

// The faces of the families the platform ships that pages ask for by name.
constexpr std::array kFaces{
    NamedFace{"HelveticaNeue", UIFontWeight::Regular},      NamedFace{"HelveticaNeue-Medium", UIFontWeight::Bold},
    NamedFace{"HelveticaNeue-Bold", UIFontWeight::Bold},    NamedFace{"HelveticaNeue-Light", UIFontWeight::Light},
    NamedFace{"HelveticaNeue-Thin", UIFontWeight::Light},   NamedFace{"HelveticaNeue-UltraLight", UIFontWeight::Light},
    NamedFace{"Helvetica", UIFontWeight::Regular},          NamedFace{"Helvetica-Bold", UIFontWeight::Bold},
    NamedFace{"Helvetica-Light", UIFontWeight::Light},      NamedFace{"ArialMT", UIFontWeight::Regular},
    NamedFace{"Arial-BoldMT", UIFontWeight::Bold},
};

}  // namespace

std::optional<UIFont> UIFont::fontWithNameSize(std::string_view name, double size)
{
    for (const NamedFace& face : kFaces) {
        if (face.name == name) {
            return UIFont{std::string(name), size, face.weight};
        }
    }
    return std::nullopt;
}

}  // namespace device::uikit
