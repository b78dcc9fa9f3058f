#include "device/uikit/view_animation.h"

#include "device/foundation/run_loop.h"
#include "device/objc/object.h"
#include "device/uikit/view.h"

#include <algorithm>

namespace device::uikit {

namespace {

double bezierCoordinate(double p1, double p2, double s)
{
    double u = 1 - s;
    return 3 * u * u * s * p1 + 3 * u * s * s * p2 + s * s * s;
}

// A timing curve given by its two control points, as the platform's media timing functions are.
double cubicBezier(double x1, double y1, double x2, double y2, double x)
{
    if (x <= 0 || x >= 1) {
        return x <= 0 ? 0 : 1;
    }
    double low = 0;
    double high = 1;
    double s = x;
    for (int i = 0; i < 40; ++i) {
        s = (low + high) / 2;
        (bezierCoordinate(x1, x2, s) < x ? low : high) = s;
    }
    return bezierCoordinate(y1, y2, s);
}

double eased(std::uint32_t options, double progress)
{
    switch (options & (3u << 16)) {
    case UIViewAnimationOptionCurveEaseIn:
        return cubicBezier(0.42, 0, 1, 1, progress);
    case UIViewAnimationOptionCurveEaseOut:
        return cubicBezier(0, 0, 0.58, 1, progress);
    case UIViewAnimationOptionCurveLinear:
        return progress;
    default:
        return cubicBezier(0.42, 0, 0.58, 1, progress);
    }
}

double mix(double from, double to, double t)
{
    return from + (to - from) * t;
}

AnimatedValue interpolate(const AnimatedValue& from, const AnimatedValue& to, double t)
{
    if (const auto* a = std::get_if<double>(&from)) {
        return mix(*a, std::get<double>(to), t);
    }
    if (const auto* a = std::get_if<CGPoint>(&from)) {
        const auto& b = std::get<CGPoint>(to);
        return CGPoint{mix(a->x, b.x, t), mix(a->y, b.y, t)};
    }
    if (const auto* a = std::get_if<CGRect>(&from)) {
        const auto& b = std::get<CGRect>(to);
        return CGRectMake(mix(a->minX(), b.minX(), t), mix(a->minY(), b.minY(), t), mix(a->width(), b.width(), t),
                          mix(a->height(), b.height(), t));
    }
    const auto& a = std::get<UIColor>(from);
    const auto& b = std::get<UIColor>(to);
    // A pattern cannot be blended; the new colour shows at once.
    if (a.pattern || b.pattern) {
        return b;
    }
    return UIColor::rgba(mix(a.red, b.red, t), mix(a.green, b.green, t), mix(a.blue, b.blue, t),
                         mix(a.alpha, b.alpha, t));
}

}  // namespace

class AnimationGroup : public std::enable_shared_from_this<AnimationGroup> {
public:
    AnimationGroup(double start, double duration, std::uint32_t options, std::function<void(bool)> completion)
        : m_start(start), m_duration(duration), m_options(options), m_completion(std::move(completion))
    {
    }

    static std::vector<std::shared_ptr<AnimationGroup>>& defining()
    {
        static std::vector<std::shared_ptr<AnimationGroup>> stack;
        return stack;
    }

    std::uint32_t options() const { return m_options; }

    double progress(double now) const
    {
        if (m_duration <= 0) {
            return now >= m_start ? 1 : 0;
        }
        return std::clamp((now - m_start) / m_duration, 0.0, 1.0);
    }

    void added(UIView& view, ViewAnimations& animations)
    {
        ++m_running;
        m_views.push_back({view.weak_from_this(), &animations});
    }

    void removed()
    {
        m_interrupted = true;
        if (--m_running == 0 && m_endCall) {
            foundation::RunLoop::main().cancel(*m_endCall);
            completeLater();
        }
    }

    void scheduleEnd()
    {
        if (m_running == 0) {
            completeLater();
            return;
        }
        auto self = shared_from_this();
        double now = foundation::RunLoop::main().now();
        m_endCall = foundation::RunLoop::main().performAfter(m_start + m_duration - now, [self] { self->finish(); });
    }

private:
    void finish()
    {
        for (auto& [view, animations] : m_views) {
            if (auto alive = view.lock()) {
                std::erase_if(animations->m_running,
                              [this](const auto& running) { return running.group.lock().get() == this; });
            }
        }
        m_views.clear();
        m_running = 0;
        if (m_completion) {
            m_completion(!m_interrupted);
        }
    }

    void completeLater()
    {
        if (m_completion) {
            foundation::RunLoop::main().performAfter(
                0, [completion = m_completion, finished = !m_interrupted] { completion(finished); });
        }
    }

    double m_start;
    double m_duration;
    std::uint32_t m_options;
    std::function<void(bool)> m_completion;
    std::vector<std::pair<std::weak_ptr<objc::Object>, ViewAnimations*>> m_views;
    int m_running = 0;
    bool m_interrupted = false;
    std::optional<std::uint64_t> m_endCall;
};

void ViewAnimations::propertyWillChange(UIView& view, AnimatedProperty property, AnimatedValue from)
{
    const auto& defining = AnimationGroup::defining();
    if (defining.empty()) {
        return;
    }
    const auto& group = defining.back();
    std::erase_if(m_running, [](const Running& running) { return running.group.expired(); });
    auto same = std::find_if(m_running.begin(), m_running.end(),
                             [property](const Running& running) { return running.property == property; });
    if (same != m_running.end()) {
        auto replaced = same->group.lock();
        // Set twice in one block: the animation still starts from the first value.
        if (replaced == group) {
            return;
        }
        m_running.erase(same);
        replaced->removed();
    }
    m_running.push_back({property, std::move(from), group});
    group->added(view, *this);
}

AnimatedValue ViewAnimations::presentationValue(AnimatedProperty property, AnimatedValue model, double now) const
{
    for (const auto& running : m_running) {
        auto group = running.group.lock();
        if (group && running.property == property) {
            return interpolate(running.from, model, eased(group->options(), group->progress(now)));
        }
    }
    return model;
}

bool ViewAnimations::blocksInteraction() const
{
    return std::any_of(m_running.begin(), m_running.end(), [](const Running& running) {
        auto group = running.group.lock();
        return group && !(group->options() & UIViewAnimationOptionAllowUserInteraction);
    });
}

void animateViews(double duration, double delay, std::uint32_t options, const std::function<void()>& animations,
                  std::function<void(bool)> completion)
{
    double now = foundation::RunLoop::main().now();
    auto group = std::make_shared<AnimationGroup>(now + std::max(delay, 0.0), std::max(duration, 0.0), options,
                                                  std::move(completion));
    bool animated = duration + delay > 0;
    if (animated) {
        AnimationGroup::defining().push_back(group);
    }
    if (animations) {
        animations();
    }
    if (animated) {
        AnimationGroup::defining().pop_back();
    }
    group->scheduleEnd();
}

}  // namespace device::uikit
