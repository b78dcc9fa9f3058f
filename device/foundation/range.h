#pragma once

#include <cstddef>

namespace device::foundation {

// A span of a string in UTF-16 units, as the platform counts characters.
struct NSRange {
    static constexpr const char* structName = "_NSRange";

    std::size_t location = 0;
    std::size_t length = 0;

    bool operator==(const NSRange&) const = default;
};

}  // namespace device::foundation
