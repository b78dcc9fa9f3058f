#pragma once

#include "sim/serve/device_session.h"
#include "sim/serve/frame_store.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>
#include <type_traits>

namespace sim::serve {

// Whether a piece of work can move the screen: after one that can, the clock runs on frame by frame
// for a second of device time (the second every command gets), so its animations are drawn.
enum class Screen { Moves, Still };

// The one thread that touches the device: requests hand it work and wait for the answer. Between
// pieces of work it keeps the virtual clock going in real time while a finger is down or
// animations may run, and publishes every frame whose picture changed.
class DeviceThread {
public:
    DeviceThread(std::unique_ptr<DeviceSession> session, FrameStore& frames);
    ~DeviceThread();
    DeviceThread(const DeviceThread&) = delete;
    DeviceThread& operator=(const DeviceThread&) = delete;

    // Boots the device and publishes its first frame; answers why it could not boot.
    std::optional<std::string> start();

    // Runs work(session) on the device's thread and answers what it answered (or rethrows what it
    // threw). When the screen may have moved, the frame it shows is published before the answer.
    template <typename Work>
    auto call(Screen screen, Work work) -> std::invoke_result_t<Work, DeviceSession&>
    {
        using Result = std::invoke_result_t<Work, DeviceSession&>;
        // The frame is published before the answer goes back, so that a client asking for the next
        // frame after its answer finds it.
        auto task = std::make_shared<std::packaged_task<Result()>>([this, screen, work = std::move(work)]() mutable {
            if constexpr (std::is_void_v<Result>) {
                work(*m_session);
                afterWork(screen);
            } else {
                Result result = work(*m_session);
                afterWork(screen);
                return result;
            }
        });
        auto answer = task->get_future();
        post([task] { (*task)(); });
        return answer.get();
    }

    // The number of the latest frame published.
    std::uint64_t frameNumber() const { return m_frames.latest().number; }
    // No finger is down and the second after the last action has passed: the screen is still.
    bool isSettled();

private:
    void post(std::function<void()> work);
    void afterWork(Screen screen);
    void loop();
    void tick();
    void publishIfChanged();

    std::unique_ptr<DeviceSession> m_session;
    FrameStore& m_frames;
    std::vector<std::uint8_t> m_shown;
    using Clock = std::chrono::steady_clock;
    int m_settleFrames = 0;
    Clock::time_point m_nextTick = Clock::now();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::function<void()>> m_tasks;
    bool m_stopping = false;
    std::thread m_thread;
};

}  // namespace sim::serve
