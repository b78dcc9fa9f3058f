#pragma once

namespace device::uikit {

// An object on the platform; a value here.
struct NSIndexPath {
    static constexpr bool encodesAsObject = true;

    long section = 0;
    long row = 0;

    bool operator==(const NSIndexPath&) const = default;
};

}  // namespace device::uikit
