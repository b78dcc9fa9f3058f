#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

namespace monkey {

// The run's only source of chance. The standard distributions may differ between libraries, so
// the draws are made here, from the engine's raw output alone: a seed takes the same steps anywhere.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_engine(seed) {}

    // A number in [0, count); count must be positive.
    std::size_t below(std::size_t count) { return static_cast<std::size_t>(m_engine() % count); }
    bool percent(unsigned chance) { return below(100) < chance; }
    long between(long low, long high)
    {
        return low + static_cast<long>(below(static_cast<std::size_t>(high - low + 1)));
    }

    template <typename T>
    const T& pick(const std::vector<T>& items)
    {
        return items[below(items.size())];
    }

private:
    std::mt19937_64 m_engine;
};

}  // namespace monkey
