#pragma once

#include "device/foundation/plist_value.h"

#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace device::foundation {

// The values last read from a few small property-list files, each kept with the bytes it came from.
// A settings list is rebuilt from its stores every time it shows, and they seldom change in between:
// a file whose bytes are the same as last time gives back the same value without libplist parsing it
// again. The file itself is still read every time.
class RecentPropertyLists {
public:
    static RecentPropertyLists& shared();

    std::optional<PlistValue> parse(std::string_view path, std::string contents);

private:
    struct Remembered {
        std::string path;
        std::string contents;
        PlistValue value;
    };

    std::mutex m_mutex;
    // Most recently read first.
    std::vector<Remembered> m_remembered;
};

}  // namespace device::foundation
