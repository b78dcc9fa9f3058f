#include "device/render/paint_controls.h"

#include "device/render/color_conversion.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace device::render {
namespace {

constexpr graphics::Color kWhite{1, 1, 1, 1};
constexpr graphics::Color kSwitchOn{0.3, 0.85, 0.39, 1};
constexpr graphics::Color kSwitchOffBorder{0.9, 0.9, 0.9, 1};
constexpr graphics::Color kKnobEdge{0, 0, 0, 0.12};
constexpr graphics::Color kDeleteRed{1, 0.23, 0.19, 1};
constexpr graphics::Color kInsertGreen{0.3, 0.85, 0.39, 1};
constexpr graphics::Color kGrip{0.73, 0.73, 0.75, 1};

constexpr double kKnobInset = 2;
constexpr double kEditCircle = 22;

void fillCircle(graphics::Canvas& canvas, graphics::Point centre, double diameter, const graphics::Color& color)
{
    canvas.fillRoundedRect({centre.x - diameter / 2, centre.y - diameter / 2, diameter, diameter}, diameter / 2,
                           color);
}

}  // namespace

void paintSwitch(const uikit::UISwitch& toggle, graphics::Canvas& canvas, const graphics::Rect& bounds)
{
    double radius = bounds.height / 2;
    if (toggle.isOn()) {
        canvas.fillRoundedRect(bounds, radius, kSwitchOn);
    } else {
        canvas.fillRoundedRect(bounds, radius, kWhite);
        canvas.strokeRoundedRect(bounds, radius, 1.5, kSwitchOffBorder);
    }
    double knob = bounds.height - 2 * kKnobInset;
    double x = toggle.isOn() ? bounds.maxX() - kKnobInset - knob : bounds.x + kKnobInset;
    graphics::Rect knobRect{x, bounds.y + kKnobInset, knob, knob};
    canvas.fillRoundedRect(knobRect, knob / 2, kWhite);
    canvas.strokeRoundedRect(knobRect, knob / 2, 0.5, kKnobEdge);
}

void paintEditControl(const uikit::UITableViewCellEditControl& control, graphics::Canvas& canvas, const graphics::Rect& bounds)
{
    bool insert = control.editingStyle() == uikit::UITableViewCellEditingStyle::Insert;
    graphics::Point centre = bounds.center();
    fillCircle(canvas, centre, kEditCircle, insert ? kInsertGreen : kDeleteRed);
    double bar = kEditCircle * 0.55;
    double thickness = 2.5;
    canvas.fillRect({centre.x - bar / 2, centre.y - thickness / 2, bar, thickness}, kWhite);
    if (insert) {
        canvas.fillRect({centre.x - thickness / 2, centre.y - bar / 2, thickness, bar}, kWhite);
    }
}

void paintReorderControl(graphics::Canvas& canvas, const graphics::Rect& bounds)
{
    double width = 18;
    double x = bounds.center().x - width / 2;
    for (int line = -1; line <= 1; ++line) {
        canvas.fillRect({x, bounds.center().y + line * 5.0 - 0.75, width, 1.5}, kGrip);
    }
}

// Twelve dots around a ring, fading behind the brightest, as the platform's spinner looks in a still.
void paintRefreshControl(const uikit::UIRefreshControl& control, graphics::Canvas& canvas, const graphics::Rect& bounds)
{
    graphics::Color tint = toColor(control.tintColor());
    graphics::Point centre = bounds.center();
    double ring = std::min(bounds.height, 28.0) / 2 - 2;
    if (ring <= 0) {
        return;
    }
    constexpr int kDots = 12;
    for (int i = 0; i < kDots; ++i) {
        double angle = 2 * std::numbers::pi * i / kDots - std::numbers::pi / 2;
        graphics::Color dot = tint;
        dot.alpha *= 0.25 + 0.75 * (kDots - i) / kDots;
        fillCircle(canvas, {centre.x + ring * std::cos(angle), centre.y + ring * std::sin(angle)}, 3, dot);
    }
}

}  // namespace device::render
