#include "sim/serve/frame_store.h"

namespace sim::serve {

std::uint64_t FrameStore::publish(std::string png)
{
    std::uint64_t number = 0;
    {
        std::lock_guard lock(m_mutex);
        number = ++m_latest.number;
        m_latest.png = std::make_shared<const std::string>(std::move(png));
    }
    m_changed.notify_all();
    return number;
}

Frame FrameStore::latest() const
{
    std::lock_guard lock(m_mutex);
    return m_latest;
}

Frame FrameStore::waitNewer(std::uint64_t after, std::chrono::milliseconds timeout) const
{
    std::unique_lock lock(m_mutex);
    m_changed.wait_for(lock, timeout, [&] { return m_closed || m_latest.number > after; });
    return m_latest;
}

void FrameStore::close()
{
    {
        std::lock_guard lock(m_mutex);
        m_closed = true;
    }
    m_changed.notify_all();
}

}  // namespace sim::serve
