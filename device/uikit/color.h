#pragma once

#include <memory>

namespace device::uikit {

class UIImage;

// Colours are values; a pattern colour tiles an image instead of filling with one colour.
struct UIColor {
    double red = 0;
    double green = 0;
    double blue = 0;
    double alpha = 0;
    std::shared_ptr<UIImage> pattern;

    static UIColor rgba(double r, double g, double b, double a = 1) { return {r, g, b, a, nullptr}; }
    static UIColor white(double w, double a = 1) { return {w, w, w, a, nullptr}; }
    static UIColor clearColor() { return {}; }
    static UIColor whiteColor() { return white(1); }
    static UIColor blackColor() { return white(0); }
    static UIColor colorWithPatternImage(std::shared_ptr<UIImage> image) { return {0, 0, 0, 1, std::move(image)}; }

    bool isClear() const { return alpha <= 0 && !pattern; }
    bool operator==(const UIColor&) const = default;
};

}  // namespace device::uikit
