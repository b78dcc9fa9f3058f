#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

namespace sim::serve {

// A picture of the screen as a PNG, numbered in the order the device drew it.
struct Frame {
    std::uint64_t number = 0;
    std::shared_ptr<const std::string> png;
};

// The latest frame, handed from the device's thread to the requests that wait for it. Frames a slow
// client did not fetch in time are skipped: it always gets the newest.
class FrameStore {
public:
    std::uint64_t publish(std::string png);
    Frame latest() const;
    // The latest frame as soon as it is newer than `after`; the latest as it is when `timeout` passes
    // first or the store closes.
    Frame waitNewer(std::uint64_t after, std::chrono::milliseconds timeout) const;
    // Wakes every waiting request: the server is stopping.
    void close();

private:
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    Frame m_latest;
    bool m_closed = false;
};

}  // namespace sim::serve
