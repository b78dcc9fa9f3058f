#pragma once

#include "device/objc/object.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace device::foundation {

class NSTimer;

// The main run loop on a virtual clock: nothing happens until the clock is advanced, and then
// timers and delayed calls fire in time order, each at its own instant.
class RunLoop {
public:
    static RunLoop& main();

    double now() const { return m_now; }
    void advance(double seconds);
    // Runs whatever is due now without moving the clock.
    void runUntilIdle() { advance(0); }

    void addTimer(std::shared_ptr<NSTimer> timer);
    std::uint64_t performAfter(double delay, std::function<void()> call);
    void cancel(std::uint64_t callId);
    std::size_t pendingCount() const;

    // A new launch starts with an empty run loop at time zero.
    void reset();

private:
    friend class NSTimer;

    struct Pending {
        double due;
        std::uint64_t order;
        std::function<void()> call;
        std::shared_ptr<NSTimer> timer;
    };

    std::uint64_t schedule(double due, std::function<void()> call, std::shared_ptr<NSTimer> timer);
    bool runNextDue(double until);
    void removeTimer(const NSTimer* timer);

    double m_now = 0;
    std::uint64_t m_nextOrder = 0;
    std::vector<Pending> m_pending;
};

class NSTimer : public objc::Object {
public:
    static constexpr std::string_view className = "NSTimer";

    // Like the platform's timer, it keeps its target alive until it is invalidated.
    static std::shared_ptr<NSTimer> scheduledTimerWithTimeInterval(double interval, objc::id target,
                                                                    objc::SEL selector,
                                                                    std::shared_ptr<objc::Object> userInfo,
                                                                    bool repeats);

    void fire();
    void invalidate();
    bool isValid() const { return m_valid; }
    double timeInterval() const { return m_interval; }
    bool repeats() const { return m_repeats; }
    objc::Object* userInfo() const { return m_userInfo.get(); }

private:
    friend class RunLoop;

    double m_interval = 0;
    bool m_repeats = false;
    bool m_valid = true;
    std::shared_ptr<objc::Object> m_target;
    objc::SEL m_selector = nullptr;
    std::shared_ptr<objc::Object> m_userInfo;
};

void registerFoundationClasses();

}  // namespace device::foundation
