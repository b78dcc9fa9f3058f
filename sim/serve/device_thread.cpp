#include "sim/serve/device_thread.h"

#include "device/graphics/png_codec.h"

#include <chrono>

namespace sim::serve {

namespace {

constexpr auto kFrameInterval = std::chrono::microseconds(16667);
// A command's second of device time, in frames.
constexpr int kSettleFrames = 60;

}  // namespace

DeviceThread::DeviceThread(std::unique_ptr<DeviceSession> session, FrameStore& frames)
    : m_session(std::move(session)), m_frames(frames), m_thread([this] { loop(); })
{
}

DeviceThread::~DeviceThread()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_thread.join();
    m_frames.close();
}

std::optional<std::string> DeviceThread::start()
{
    return call(Screen::Moves, [](DeviceSession& session) { return session.start(); });
}

bool DeviceThread::isSettled()
{
    return call(Screen::Still,
                [this](DeviceSession& session) { return m_settleFrames == 0 && !session.isTouching(); });
}

void DeviceThread::post(std::function<void()> work)
{
    {
        std::lock_guard lock(m_mutex);
        m_tasks.push_back(std::move(work));
    }
    m_wake.notify_all();
}

void DeviceThread::publishIfChanged()
{
    device::graphics::Bitmap picture = m_session->render();
    if (picture.rgba == m_shown) {
        return;
    }
    if (auto png = device::graphics::encodePng(picture, device::graphics::PngCompression::Fastest)) {
        m_frames.publish(std::move(*png));
        m_shown = std::move(picture.rgba);
    }
}

void DeviceThread::afterWork(Screen screen)
{
    if (screen == Screen::Moves) {
        publishIfChanged();
        m_settleFrames = kSettleFrames;
        m_nextTick = Clock::now() + kFrameInterval;
    }
}

// A frame of device time. Once nothing waits on the clock the rest of the second would change
// nothing, so it is skipped, and so is drawing a frame that nothing could have moved.
void DeviceThread::tick()
{
    bool waiting = m_session->isWaitingOnClock();
    if (!waiting && !m_session->isTouching()) {
        m_settleFrames = 0;
        return;
    }
    m_session->advanceFrame();
    if (m_settleFrames > 0 && !m_session->isTouching()) {
        --m_settleFrames;
    }
    if (waiting) {
        publishIfChanged();
    }
}

// Work posted while the clock ticks runs at once; touches move the clock a frame each, so a tick
// comes only after a frame's time without one. Work that only looks leaves the ticks as they were.
void DeviceThread::loop()
{
    while (true) {
        std::function<void()> work;
        {
            std::unique_lock lock(m_mutex);
            auto ready = [&] { return m_stopping || !m_tasks.empty(); };
            bool ticking = m_session->hasDevice() && (m_settleFrames > 0 || m_session->isTouching());
            if (ticking) {
                m_wake.wait_until(lock, m_nextTick, ready);
            } else {
                m_wake.wait(lock, ready);
            }
            if (m_stopping) {
                break;
            }
            if (!m_tasks.empty()) {
                work = std::move(m_tasks.front());
                m_tasks.pop_front();
            }
        }
        if (work) {
            work();
        } else {
            tick();
            m_nextTick = Clock::now() + kFrameInterval;
        }
    }
    // The device goes down on the thread it lived on.
    m_session.reset();
}

}  // namespace sim::serve
