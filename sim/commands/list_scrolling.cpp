#include "sim/commands/list_scrolling.h"

#include "sim/commands/screen_targets.h"
#include "sim/simulator.h"

#include "device/uikit/pan_gesture_recognizer.h"
#include "device/uikit/touchscreen.h"

#include <algorithm>
#include <cmath>

namespace sim::commands {

namespace {

using device::uikit::CGPoint;
using device::uikit::CGRect;

constexpr int kSteps = 20;
constexpr double kSettleSeconds = 0.5;

// The list only follows a finger that has moved kHysteresis points, so the finger first moves that
// far, and the list then moves with it by exactly distance.
void stroke(CGPoint from, double distance)
{
    double sign = distance < 0 ? -1 : 1;
    double followFrom = from.y - sign * device::uikit::UIPanGestureRecognizer::kHysteresis;
    device::uikit::Touchscreen screen;
    screen.press(from);
    screen.move({from.x, followFrom});
    for (int step = 1; step <= kSteps; ++step) {
        screen.move({from.x, followFrom - distance * step / kSteps});
    }
    screen.release();
}

// From the top of the highest row to the bottom of the lowest, in window coordinates.
CGRect extentOf(const std::vector<const device::uikit::UITableViewCell*>& rows)
{
    CGRect first = rows.front()->frameInWindow();
    double top = first.minY();
    double bottom = first.maxY();
    for (const auto* row : rows) {
        top = std::min(top, row->frameInWindow().minY());
        bottom = std::max(bottom, row->frameInWindow().maxY());
    }
    return {{first.minX(), top}, {first.width(), bottom - top}};
}

}  // namespace

void drag(CGPoint from, CGPoint to)
{
    device::uikit::Touchscreen screen;
    screen.press(from);
    for (int step = 1; step <= kSteps; ++step) {
        double t = static_cast<double>(step) / kSteps;
        screen.move({from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t});
    }
    screen.release();
}

bool dragToFarRow(Simulator& simulator, device::uikit::UITableView& list, CGPoint grip,
                  const device::uikit::UITableViewCell& place)
{
    auto keepAlive = list.retained<device::uikit::UITableView>();
    auto keepPlace = const_cast<device::uikit::UITableViewCell&>(place).retained<device::uikit::UITableViewCell>();
    CGRect area = visiblePart(list);
    // Well inside the band where a held row scrolls the list, and well away from it.
    constexpr double kNearEdge = 8;
    constexpr double kClearOfEdge = 60;
    constexpr double kHoldSeconds = 0.1;
    double startY = place.frameInWindow().minY() + place.frame().height() / 2;
    double edge = startY > grip.y ? area.maxY() - kNearEdge : area.minY() + kNearEdge;
    device::uikit::Touchscreen screen;
    screen.press(grip);
    for (int step = 1; step <= kSteps; ++step) {
        screen.move({grip.x, grip.y + (edge - grip.y) * step / kSteps});
    }
    // The list moves at most a screenful a second: give it time for the whole content, then some.
    int holds = static_cast<int>(list.contentSize().height / 60) + 10;
    auto clear = [&] {
        double y = place.frameInWindow().minY() + place.frame().height() / 2;
        return y > area.minY() + kClearOfEdge && y < area.maxY() - kClearOfEdge;
    };
    double lastOffset = list.contentOffset().y;
    for (int hold = 0; hold < holds && !clear(); ++hold) {
        simulator.device().advance(kHoldSeconds);
        if (std::abs(list.contentOffset().y - lastOffset) < 0.01) {
            break;
        }
        lastOffset = list.contentOffset().y;
    }
    auto placeY = [&] { return place.frameInWindow().minY() + place.frame().height() / 2; };
    bool reached = placeY() >= area.minY() && placeY() <= area.maxY();
    if (reached) {
        // Straight off the edge, so the list stops; then onto the place wherever the last step left it.
        screen.move({grip.x, placeY()});
        screen.move({grip.x, placeY()});
    }
    screen.release();
    return reached;
}

void scrollList(device::uikit::UITableView& list, double distance)
{
    CGRect area = visiblePart(list);
    double middle = area.minY() + area.height() / 2;
    // Past this the list has long reached its end (and let go of it), so a longer scroll only adds
    // strokes that change nothing, however many the number asks for.
    double farthest = list.contentSize().height + list.frame().height();
    distance = std::clamp(distance, -farthest, farthest);
    // Long scrolls take several strokes so the finger stays on the list.
    double longest = std::max(area.height() / 2 - device::uikit::UIPanGestureRecognizer::kHysteresis, 1.0);
    for (double left = distance; std::abs(left) > 0.5;) {
        double part = std::clamp(left, -longest, longest);
        stroke({area.minX() + area.width() / 2, middle + part / 2}, part);
        left -= part;
    }
}

void scrollIntoView(Simulator& simulator, device::uikit::UITableView& list,
                    const std::vector<const device::uikit::UITableViewCell*>& rows)
{
    auto keepAlive = list.retained<device::uikit::UITableView>();
    CGRect area = visiblePart(list);
    CGRect wanted = extentOf(rows);
    double by = 0;
    if (wanted.minY() < area.minY() || wanted.height() > area.height()) {
        by = wanted.minY() - area.minY();
    } else if (wanted.maxY() > area.maxY()) {
        by = wanted.maxY() - area.maxY();
    }
    double offset = list.contentOffset().y;
    double last = std::max(0.0, list.contentSize().height - list.frame().height());
    double target = std::clamp(offset + by, std::min(0.0, offset), std::max(last, offset));
    if (std::abs(target - offset) < 0.5) {
        return;
    }
    scrollList(list, target - offset);
    simulator.device().advance(kSettleSeconds);
    laidOutWindow();
}

}  // namespace sim::commands
