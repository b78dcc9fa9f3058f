#include "device/foundation/run_loop.h"

#include "device/objc/class_builder.h"
#include "device/objc/message.h"

#include <algorithm>

namespace device::foundation {

namespace {

// The platform's floor for a timer interval: 0.1 ms.
constexpr double kMinimumTimerInterval = 0.0001;

// A timer that fires without end would otherwise hold an advance forever.
constexpr int kMaxFiringsPerAdvance = 1'000'000;

// Due times and the clock are sums of the same steps taken in different orders; a due time that
// misses the clock only by rounding still belongs to this advance.
constexpr double kRoundingTolerance = 1e-9;

}  // namespace

RunLoop& RunLoop::main()
{
    static RunLoop loop;
    return loop;
}

void RunLoop::advance(double seconds)
{
    double end = m_now + std::max(seconds, 0.0);
    int fired = 0;
    while (fired < kMaxFiringsPerAdvance && runNextDue(end)) {
        ++fired;
    }
    m_now = std::max(m_now, end);
}

void RunLoop::addTimer(std::shared_ptr<NSTimer> timer)
{
    if (!timer || !timer->isValid()) {
        return;
    }
    bool scheduled = std::any_of(m_pending.begin(), m_pending.end(),
                                 [&](const Pending& pending) { return pending.timer == timer; });
    if (!scheduled) {
        double due = m_now + timer->timeInterval();
        schedule(due, {}, std::move(timer));
    }
}

std::uint64_t RunLoop::performAfter(double delay, std::function<void()> call)
{
    return schedule(m_now + std::max(delay, 0.0), std::move(call), nullptr);
}

void RunLoop::cancel(std::uint64_t callId)
{
    std::erase_if(m_pending, [&](const Pending& pending) { return !pending.timer && pending.order == callId; });
}

std::size_t RunLoop::pendingCount() const
{
    return m_pending.size();
}

void RunLoop::reset()
{
    auto dropped = std::move(m_pending);
    m_pending.clear();
    m_now = 0;
    // Invalidating releases each timer's target, which may hold the timer in turn.
    for (auto& pending : dropped) {
        if (pending.timer) {
            pending.timer->invalidate();
        }
    }
}

std::uint64_t RunLoop::schedule(double due, std::function<void()> call, std::shared_ptr<NSTimer> timer)
{
    std::uint64_t order = ++m_nextOrder;
    m_pending.push_back(Pending{due, order, std::move(call), std::move(timer)});
    return order;
}

bool RunLoop::runNextDue(double until)
{
    auto next = std::min_element(m_pending.begin(), m_pending.end(), [](const Pending& a, const Pending& b) {
        return a.due < b.due || (a.due == b.due && a.order < b.order);
    });
    if (next == m_pending.end() || next->due > until + kRoundingTolerance) {
        return false;
    }
    Pending item = std::move(*next);
    m_pending.erase(next);
    m_now = std::max(m_now, std::min(item.due, until));
    if (!item.timer) {
        item.call();
        return true;
    }
    item.timer->fire();
    if (item.timer->isValid() && item.timer->repeats()) {
        double due = item.due + item.timer->timeInterval();
        schedule(due, {}, std::move(item.timer));
    }
    return true;
}

void RunLoop::removeTimer(const NSTimer* timer)
{
    std::erase_if(m_pending, [&](const Pending& pending) { return pending.timer.get() == timer; });
}

std::shared_ptr<NSTimer> NSTimer::scheduledTimerWithTimeInterval(double interval, objc::id target,
                                                                 objc::SEL selector,
                                                                 std::shared_ptr<objc::Object> userInfo, bool repeats)
{
    auto timer = objc::create<NSTimer>();
    timer->m_interval = interval > 0 ? interval : kMinimumTimerInterval;
    timer->m_repeats = repeats;
    timer->m_target = target ? target->retained<objc::Object>() : nullptr;
    timer->m_selector = selector;
    timer->m_userInfo = std::move(userInfo);
    RunLoop::main().addTimer(timer);
    return timer;
}

void NSTimer::fire()
{
    if (!m_valid) {
        return;
    }
    // The action may invalidate this timer and drop every other reference to it and to its target.
    auto self = weak_from_this().lock();
    auto target = m_target;
    objc::sendAction(target.get(), m_selector, this);
    if (!m_repeats) {
        invalidate();
    }
}

void NSTimer::invalidate()
{
    if (!m_valid) {
        return;
    }
    m_valid = false;
    auto self = weak_from_this().lock();
    RunLoop::main().removeTimer(this);
    m_target.reset();
    m_userInfo.reset();
}

void registerFoundationClasses()
{
    if (!objc::objc_getClass(objc::Object::className)) {
        objc::objc_registerClass(objc::Object::className, nullptr, [] { return std::make_shared<objc::Object>(); });
    }
    objc::ClassBuilder<NSTimer>(objc::objc_getClass(objc::Object::className));
}

}  // namespace device::foundation
