#include "device/foundation/recent_property_lists.h"

#include "device/foundation/plist_serialization.h"

#include <algorithm>
#include <span>

namespace device::foundation {

namespace {

constexpr std::size_t kRememberedFiles = 16;
constexpr std::size_t kMaxRememberedBytes = 256 * 1024;

}  // namespace

RecentPropertyLists& RecentPropertyLists::shared()
{
    static RecentPropertyLists lists;
    return lists;
}

std::optional<PlistValue> RecentPropertyLists::parse(std::string_view path, std::string contents)
{
    std::lock_guard lock(m_mutex);
    auto found = std::find_if(m_remembered.begin(), m_remembered.end(),
                              [path](const Remembered& remembered) { return remembered.path == path; });
    if (found != m_remembered.end() && found->contents == contents) {
        std::rotate(m_remembered.begin(), found, found + 1);
        return m_remembered.front().value;
    }
    if (found != m_remembered.end()) {
        m_remembered.erase(found);
    }
    auto value = parsePlist(std::span(reinterpret_cast<const std::uint8_t*>(contents.data()), contents.size()));
    if (value && contents.size() <= kMaxRememberedBytes) {
        if (m_remembered.size() == kRememberedFiles) {
            m_remembered.pop_back();
        }
        m_remembered.insert(m_remembered.begin(), Remembered{std::string(path), std::move(contents), *value});
    }
    return value;
}

}  // namespace device::foundation
