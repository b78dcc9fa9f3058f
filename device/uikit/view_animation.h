#pragma once

#include "device/uikit/color.h"
#include "device/uikit/geometry.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

namespace device::uikit {

class UIView;

// The platform's values of UIViewAnimationOptions.
enum UIViewAnimationOptions : std::uint32_t {
    UIViewAnimationOptionAllowUserInteraction = 1u << 1,
    UIViewAnimationOptionCurveEaseInOut = 0u << 16,
    UIViewAnimationOptionCurveEaseIn = 1u << 16,
    UIViewAnimationOptionCurveEaseOut = 2u << 16,
    UIViewAnimationOptionCurveLinear = 3u << 16,
};

enum class AnimatedProperty { Frame, Alpha, BackgroundColor, BoundsOrigin };
using AnimatedValue = std::variant<CGRect, double, UIColor, CGPoint>;

class AnimationGroup;

// The animations running on one view. Model values change at once; what the screen shows while an
// animation runs is computed from the value the property had when it was set and its model value.
class ViewAnimations {
public:
    // Called by a property's setter before it changes the model value: inside an animation block
    // this starts an animation of that property, replacing one that ran on it.
    void propertyWillChange(UIView& view, AnimatedProperty property, AnimatedValue from);
    AnimatedValue presentationValue(AnimatedProperty property, AnimatedValue model, double now) const;
    // Views being animated without the allow-user-interaction option take no touches until it ends.
    bool blocksInteraction() const;

private:
    friend class AnimationGroup;

    // The run loop owns a group until it ends; an app that quits mid-animation leaves it expired.
    struct Running {
        AnimatedProperty property;
        AnimatedValue from;
        std::weak_ptr<AnimationGroup> group;
    };
    std::vector<Running> m_running;
};

// One call of animateWithDuration: (see UIView), with its timing and its completion.
void animateViews(double duration, double delay, std::uint32_t options, const std::function<void()>& animations,
                  std::function<void(bool)> completion);

}  // namespace device::uikit
