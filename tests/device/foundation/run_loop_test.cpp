#include "device/foundation/run_loop.h"

#include "device/objc/class_builder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace device::foundation {
namespace {

using objc::sel_registerName;

class TimerTarget : public objc::Object {
public:
    static constexpr std::string_view className = "RunLoopTestTarget";

    void tick(objc::id sender)
    {
        ticks.push_back(RunLoop::main().now());
        senders.push_back(sender);
        if (invalidateAfter && ticks.size() == *invalidateAfter) {
            static_cast<NSTimer*>(sender)->invalidate();
        }
    }
    void ping() { ticks.push_back(RunLoop::main().now()); }

    std::vector<double> ticks;
    std::vector<objc::id> senders;
    std::optional<std::size_t> invalidateAfter;
};

class RunLoopTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        objc::objc_resetRuntime();
        registerFoundationClasses();
        objc::ClassBuilder<TimerTarget>("NSObject")
            .method<&TimerTarget::tick>("tick:")
            .method<&TimerTarget::ping>("ping");
        m_loop.reset();
    }
    void TearDown() override { m_loop.reset(); }

    RunLoop& m_loop = RunLoop::main();
};

struct Event {
    std::string name;
    double time;
    bool operator==(const Event&) const = default;
};

TEST_F(RunLoopTest, DelayedCallsFireInTimeThenSchedulingOrderAtTheirOwnInstant)
{
    std::vector<Event> events;
    auto record = [&](std::string name) { return [&events, this, name] { events.push_back({name, m_loop.now()}); }; };
    m_loop.performAfter(0.5, record("b"));
    m_loop.performAfter(0.2, record("a"));
    m_loop.performAfter(0.5, record("c"));
    m_loop.performAfter(2.0, record("late"));
    EXPECT_EQ(m_loop.pendingCount(), 4u);

    m_loop.advance(1.0);
    EXPECT_EQ(events, (std::vector<Event>{{"a", 0.2}, {"b", 0.5}, {"c", 0.5}}));
    EXPECT_DOUBLE_EQ(m_loop.now(), 1.0);
    EXPECT_EQ(m_loop.pendingCount(), 1u);

    m_loop.advance(1.0);
    EXPECT_EQ(events.back(), (Event{"late", 2.0}));
    EXPECT_EQ(m_loop.pendingCount(), 0u);
}

TEST_F(RunLoopTest, CancelledCallsNeverFire)
{
    int fired = 0;
    auto kept = m_loop.performAfter(0.1, [&] { ++fired; });
    auto cancelled = m_loop.performAfter(0.1, [&] { fired += 100; });
    EXPECT_NE(kept, cancelled);
    m_loop.cancel(cancelled);
    m_loop.advance(1);
    EXPECT_EQ(fired, 1);
}

TEST_F(RunLoopTest, CallsScheduledWhileAdvancingFireInTheSameAdvanceWhenDue)
{
    std::vector<Event> events;
    m_loop.performAfter(0.3, [&] {
        events.push_back({"outer", m_loop.now()});
        m_loop.performAfter(0, [&] { events.push_back({"immediate", m_loop.now()}); });
        m_loop.performAfter(0.5, [&] { events.push_back({"within", m_loop.now()}); });
        m_loop.performAfter(5, [&] { events.push_back({"beyond", m_loop.now()}); });
    });
    m_loop.advance(1.0);
    EXPECT_EQ(events, (std::vector<Event>{{"outer", 0.3}, {"immediate", 0.3}, {"within", 0.8}}));
    EXPECT_EQ(m_loop.pendingCount(), 1u);
}

TEST_F(RunLoopTest, RunUntilIdleFiresWhatIsDueWithoutMovingTheClock)
{
    m_loop.advance(2);
    int fired = 0;
    m_loop.performAfter(0, [&] { ++fired; });
    m_loop.performAfter(0.1, [&] { fired += 10; });
    m_loop.runUntilIdle();
    EXPECT_EQ(fired, 1);
    EXPECT_DOUBLE_EQ(m_loop.now(), 2);
}

TEST_F(RunLoopTest, EndlessReschedulingStopsAtTheFiringCap)
{
    int fired = 0;
    std::function<void()> again = [&] {
        ++fired;
        m_loop.performAfter(0, again);
    };
    m_loop.performAfter(0, again);
    m_loop.advance(1);
    EXPECT_EQ(fired, 1'000'000);
    EXPECT_DOUBLE_EQ(m_loop.now(), 1);
}

TEST_F(RunLoopTest, RepeatingTimerFiresEveryIntervalAndKeepsItsTarget)
{
    auto target = objc::create<TimerTarget>();
    std::weak_ptr<TimerTarget> watch = target;
    auto timer = NSTimer::scheduledTimerWithTimeInterval(0.2, target.get(), sel_registerName("tick:"), nullptr, true);
    TimerTarget* raw = target.get();
    target.reset();
    ASSERT_FALSE(watch.expired());

    m_loop.advance(1.0);
    ASSERT_EQ(raw->ticks.size(), 5u);
    for (std::size_t i = 0; i < raw->ticks.size(); ++i) {
        EXPECT_NEAR(raw->ticks[i], 0.2 * static_cast<double>(i + 1), 1e-9);
        EXPECT_EQ(raw->senders[i], timer.get());
    }
    m_loop.advance(0.2);
    m_loop.advance(0.2);
    EXPECT_EQ(raw->ticks.size(), 7u);

    timer->invalidate();
    EXPECT_FALSE(timer->isValid());
    EXPECT_TRUE(watch.expired());
    EXPECT_EQ(m_loop.pendingCount(), 0u);
}

TEST_F(RunLoopTest, OneShotTimerFiresOnceAndLetsGo)
{
    auto target = objc::create<TimerTarget>();
    auto info = objc::create<TimerTarget>();
    std::weak_ptr<TimerTarget> watchInfo = info;
    auto timer = NSTimer::scheduledTimerWithTimeInterval(0.5, target.get(), sel_registerName("ping"), info, false);
    info.reset();
    EXPECT_EQ(timer->userInfo(), watchInfo.lock().get());

    m_loop.advance(0.4);
    EXPECT_TRUE(target->ticks.empty());
    m_loop.advance(2);
    EXPECT_EQ(target->ticks, std::vector<double>{0.5});
    EXPECT_FALSE(timer->isValid());
    EXPECT_TRUE(watchInfo.expired());
    EXPECT_EQ(m_loop.pendingCount(), 0u);
}

TEST_F(RunLoopTest, TimerInvalidatedInsideItsOwnActionStops)
{
    auto target = objc::create<TimerTarget>();
    std::weak_ptr<TimerTarget> watch = target;
    target->invalidateAfter = 2;
    std::weak_ptr<NSTimer> timer =
        NSTimer::scheduledTimerWithTimeInterval(0.1, target.get(), sel_registerName("tick:"), nullptr, true);
    std::vector<double>* ticks = &target->ticks;
    m_loop.advance(0.15);
    EXPECT_EQ(ticks->size(), 1u);
    // From here on only the timer holds the target, and the timer is held only by the run m_loop.
    target.reset();
    m_loop.advance(1);
    EXPECT_TRUE(watch.expired());
    EXPECT_TRUE(timer.expired());
    EXPECT_EQ(m_loop.pendingCount(), 0u);
}

TEST_F(RunLoopTest, FireSendsAtOnce)
{
    auto target = objc::create<TimerTarget>();
    auto repeating = NSTimer::scheduledTimerWithTimeInterval(1, target.get(), sel_registerName("ping"), nullptr, true);
    repeating->fire();
    EXPECT_EQ(target->ticks.size(), 1u);
    EXPECT_TRUE(repeating->isValid());
    m_loop.advance(1);
    EXPECT_EQ(target->ticks.size(), 2u);
    repeating->invalidate();
    repeating->fire();
    EXPECT_EQ(target->ticks.size(), 2u);

    auto once = NSTimer::scheduledTimerWithTimeInterval(1, target.get(), sel_registerName("ping"), nullptr, false);
    once->fire();
    EXPECT_FALSE(once->isValid());
    m_loop.advance(5);
    EXPECT_EQ(target->ticks.size(), 3u);
}

TEST_F(RunLoopTest, NonPositiveIntervalsBecomeATenthOfAMillisecond)
{
    auto target = objc::create<TimerTarget>();
    auto timer = NSTimer::scheduledTimerWithTimeInterval(0, target.get(), sel_registerName("ping"), nullptr, true);
    auto negative = NSTimer::scheduledTimerWithTimeInterval(-3, target.get(), sel_registerName("ping"), nullptr, false);
    EXPECT_DOUBLE_EQ(timer->timeInterval(), 0.0001);
    EXPECT_DOUBLE_EQ(negative->timeInterval(), 0.0001);
    m_loop.advance(0.00105);
    EXPECT_EQ(target->ticks.size(), 11u);
    timer->invalidate();
}

TEST_F(RunLoopTest, TimersAndDelayedCallsInterleave)
{
    auto target = objc::create<TimerTarget>();
    auto timer = NSTimer::scheduledTimerWithTimeInterval(0.2, target.get(), sel_registerName("ping"), nullptr, true);
    std::vector<double> calls;
    m_loop.performAfter(0.3, [&] { calls.push_back(m_loop.now()); });
    m_loop.performAfter(0.3, [&] { EXPECT_EQ(target->ticks.size(), 1u); });
    m_loop.advance(0.5);
    EXPECT_EQ(calls, std::vector<double>{0.3});
    EXPECT_EQ(target->ticks.size(), 2u);
    timer->invalidate();
}

TEST_F(RunLoopTest, ResetDropsEverythingAndReleasesTargets)
{
    auto target = objc::create<TimerTarget>();
    std::weak_ptr<TimerTarget> watch = target;
    auto timer = NSTimer::scheduledTimerWithTimeInterval(0.2, target.get(), sel_registerName("ping"), nullptr, true);
    int fired = 0;
    m_loop.performAfter(0.1, [&] { ++fired; });
    m_loop.advance(0.3);
    target.reset();

    m_loop.reset();
    EXPECT_DOUBLE_EQ(m_loop.now(), 0);
    EXPECT_EQ(m_loop.pendingCount(), 0u);
    EXPECT_FALSE(timer->isValid());
    EXPECT_TRUE(watch.expired());
    m_loop.performAfter(0.1, [&] { fired += 10; });
    m_loop.advance(1);
    EXPECT_EQ(fired, 11);
}

TEST_F(RunLoopTest, TimerClassIsRegisteredUnderNSObject)
{
    objc::Class timerClass = objc::objc_getClass("NSTimer");
    ASSERT_NE(timerClass, nullptr);
    EXPECT_EQ(objc::class_getSuperclass(timerClass), objc::objc_getClass("NSObject"));
    auto target = objc::create<TimerTarget>();
    auto timer = NSTimer::scheduledTimerWithTimeInterval(1, target.get(), sel_registerName("ping"), nullptr, false);
    EXPECT_EQ(timer->isa(), timerClass);
    EXPECT_TRUE(timer->isKindOfClass("NSObject"));
    timer->invalidate();
}

}  // namespace
}  // namespace device::foundation
