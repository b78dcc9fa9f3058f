#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace device::uikit {

enum class UIFontWeight { Light, Regular, Bold };

// A font is a value: its name, size and the weight its face is drawn with. The device has one family (DejaVu
// Sans, in three weights), which stands in for every font the platform knows by name; characters it lacks, such
// as Chinese, are drawn from the installed font that has them.
struct UIFont {
    std::string fontName = ".HelveticaNeueInterface-Regular";
    double pointSize = 17;
    UIFontWeight weight = UIFontWeight::Regular;

    static UIFont systemFontOfSize(double size) { return {".HelveticaNeueInterface-Regular", size, UIFontWeight::Regular}; }
    static UIFont boldSystemFontOfSize(double size) { return {".HelveticaNeueInterface-MediumP4", size, UIFontWeight::Bold}; }
    // None for a name the platform has no font for, as fontWithName:size: answers nil.
    static std::optional<UIFont> fontWithNameSize(std::string_view name, double size);

    bool operator==(const UIFont&) const = default;
};

}  // namespace device::uikit
