#include "device/foundation/plist_serialization.h"

#include <plist/plist.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <string_view>
#include <type_traits>
#include <vector>

namespace device::foundation {

namespace {

constexpr std::size_t kMaxPlistBytes = 16 * 1024 * 1024;

// A binary plist may reference one object many times, and libplist copies it at every reference: a
// few hundred bytes of shared references would otherwise expand into billions of nodes. No real file
// comes near this many.
constexpr std::uint32_t kMaxBinaryNodes = 2 * 1024 * 1024;

struct PlistFree {
    void operator()(plist_t node) const { plist_free(node); }
};
using PlistPtr = std::unique_ptr<void, PlistFree>;

// libplist 2.2 parses XML without recursion but frees its trees recursively, and parses binary
// plists recursively: a file a few hundred thousand levels deep overflows the stack, in parsing
// or in the clean-up after an error. So the depth is bounded before libplist sees the bytes.
//
// The XML scan counts <array> and <dict> the way libplist reads the markup: comments, processing
// instructions and CDATA are skipped up to their terminators, and a tag ends at its '>'. Whatever
// could be read two ways (attributes or a '/' out of place on a container tag, a '>' that a quote
// might hide, a '<' inside a tag, an internal DTD subset) is rejected, so that the count can never
// fall short of libplist's.
bool tagIsUnambiguous(std::string_view tag)
{
    std::size_t doubles = 0;
    std::size_t singles = 0;
    for (char c : tag) {
        if (c == '<') {
            return false;
        }
        doubles += c == '"';
        singles += c == '\'';
    }
    return (doubles == 0 || singles == 0) && doubles % 2 == 0 && singles % 2 == 0;
}

std::string_view trimLeadingSpace(std::string_view text)
{
    auto start = text.find_first_not_of(" \t\r\n");
    return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

bool xmlNestingWithinLimit(std::string_view text)
{
    struct Skipped {
        std::string_view opener;
        std::string_view terminator;
    };
    constexpr Skipped kSkipped[] = {{"<!--", "-->"}, {"<![CDATA[", "]]>"}, {"<?", "?>"}};

    int depth = 0;
    std::size_t pos = 0;
    while ((pos = text.find('<', pos)) != std::string_view::npos) {
        std::string_view rest = text.substr(pos);
        bool skipped = false;
        bool special = rest.size() > 1 && (rest[1] == '!' || rest[1] == '?');
        for (const auto& [opener, terminator] : special ? std::span(kSkipped) : std::span<const Skipped>()) {
            if (rest.starts_with(opener)) {
                auto end = text.find(terminator, pos + opener.size());
                if (end == std::string_view::npos) {
                    return false;
                }
                pos = end + terminator.size();
                skipped = true;
                break;
            }
        }
        if (skipped) {
            continue;
        }
        auto end = text.find('>', pos);
        if (end == std::string_view::npos) {
            return false;
        }
        std::string_view tag = text.substr(pos + 1, end - pos - 1);
        pos = end + 1;
        if (!tagIsUnambiguous(tag)) {
            return false;
        }
        if (tag.starts_with('!')) {
            if (tag.find('[') != std::string_view::npos) {
                return false;
            }
            continue;
        }
        bool closing = tag.starts_with('/');
        if (closing) {
            tag.remove_prefix(1);
        }
        std::string_view name = tag.substr(0, tag.find_first_of(" \t\r\n/"));
        if (name != "array" && name != "dict") {
            continue;
        }
        std::string_view tail = trimLeadingSpace(tag.substr(name.size()));
        if (closing) {
            if (!tail.empty() || --depth < 0) {
                return false;
            }
        } else if (tail.empty()) {
            if (++depth > kMaxPlistDepth) {
                return false;
            }
        } else if (tail != "/") {
            return false;
        }
    }
    return true;
}

std::uint64_t readBigEndian(const std::uint8_t* bytes, std::size_t width)
{
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        value = (value << 8) | bytes[i];
    }
    return value;
}

// The binary scan walks the object graph from the top object with an explicit stack, the way
// libplist would descend into it, and computes for every object how deep and how large the tree
// that libplist builds from it would be. Each object is measured once, so shared references cost
// nothing here; a reference back into the current path is a cycle.
class BinaryPlistScan {
public:
    explicit BinaryPlistScan(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    bool withinLimits()
    {
        constexpr std::size_t kTrailerSize = 32;
        if (m_bytes.size() < kHeaderSize + kTrailerSize || std::memcmp(m_bytes.data(), "bplist00", kHeaderSize) != 0) {
            return false;
        }
        const std::uint8_t* trailer = m_bytes.data() + m_bytes.size() - kTrailerSize;
        m_offsetSize = trailer[6];
        m_refSize = trailer[7];
        m_objectCount = readBigEndian(trailer + 8, 8);
        std::uint64_t top = readBigEndian(trailer + 16, 8);
        m_tableOffset = readBigEndian(trailer + 24, 8);
        std::uint64_t tableEnd = m_bytes.size() - kTrailerSize;
        if (m_offsetSize < 1 || m_offsetSize > 8 || m_refSize < 1 || m_refSize > 8 || m_tableOffset < kHeaderSize
            || m_tableOffset > tableEnd || m_objectCount == 0 || top >= m_objectCount
            || m_objectCount > (tableEnd - m_tableOffset) / m_offsetSize) {
            return false;
        }
        m_measured.assign(m_objectCount, kUnreached);
        m_nodes.assign(m_objectCount, 0);
        return visit(top) && walk();
    }

private:
    static constexpr std::size_t kHeaderSize = 8;
    static constexpr std::uint16_t kUnreached = 0;
    static constexpr std::uint16_t kOnPath = std::numeric_limits<std::uint16_t>::max();

    struct Frame {
        std::uint64_t object;
        std::uint64_t firstRef;
        std::uint64_t refCount;
        std::uint64_t nextRef = 0;
        std::uint16_t height = 1;
        std::uint32_t nodes = 1;
    };

    struct Object {
        bool container = false;
        std::uint64_t firstRef = 0;
        std::uint64_t refCount = 0;
    };

    // Whether an object is a container, and where its references start and how many there are.
    std::optional<Object> readObject(std::uint64_t index) const
    {
        std::uint64_t offset = readBigEndian(m_bytes.data() + m_tableOffset + index * m_offsetSize, m_offsetSize);
        if (offset < kHeaderSize || offset >= m_tableOffset) {
            return std::nullopt;
        }
        std::uint8_t marker = m_bytes[offset];
        std::uint8_t type = marker >> 4;
        bool text = type == 0x5 || type == 0x6;
        if (type != 0xA && type != 0xC && type != 0xD && !text) {
            return Object{};
        }
        std::uint64_t pos = offset + 1;
        std::uint64_t count = marker & 0x0F;
        if (count == 0x0F) {
            if (pos >= m_tableOffset) {
                return std::nullopt;
            }
            std::uint8_t countMarker = m_bytes[pos++];
            if ((countMarker >> 4) != 0x1 || (countMarker & 0x0F) > 3) {
                return std::nullopt;
            }
            std::size_t width = std::size_t{1} << (countMarker & 0x0F);
            if (width > m_tableOffset - pos) {
                return std::nullopt;
            }
            count = readBigEndian(m_bytes.data() + pos, width);
            pos += width;
        }
        if (text) {
            return holdsNoNul(pos, count, type == 0x6 ? 2 : 1) ? std::optional(Object{}) : std::nullopt;
        }
        if (type == 0xD) {
            if (count > std::numeric_limits<std::uint64_t>::max() / 2) {
                return std::nullopt;
            }
            count *= 2;
        }
        if (count > (m_tableOffset - pos) / m_refSize) {
            return std::nullopt;
        }
        return Object{true, pos, count};
    }

    // libplist takes a key for a C string and aborts on one with a NUL inside, so a string that holds
    // one makes the file malformed.
    bool holdsNoNul(std::uint64_t pos, std::uint64_t units, std::size_t unitSize) const
    {
        if (units > (m_tableOffset - pos) / unitSize) {
            return false;
        }
        for (std::uint64_t i = 0; i < units; ++i) {
            const std::uint8_t* unit = m_bytes.data() + pos + i * unitSize;
            if (std::all_of(unit, unit + unitSize, [](std::uint8_t byte) { return byte == 0; })) {
                return false;
            }
        }
        return true;
    }

    // Heights count containers only, so that they match the XML scan's depth.
    bool visit(std::uint64_t object)
    {
        if (object >= m_objectCount || m_measured[object] == kOnPath) {
            return false;
        }
        if (m_measured[object] != kUnreached) {
            return record(m_measured[object] - 1, m_nodes[object]);
        }
        auto read = readObject(object);
        if (!read) {
            return false;
        }
        if (!read->container) {
            m_measured[object] = 1;
            m_nodes[object] = 1;
            return record(0, 1);
        }
        if (m_path.size() + 1 > static_cast<std::size_t>(kMaxPlistDepth)) {
            return false;
        }
        m_measured[object] = kOnPath;
        m_path.push_back(Frame{object, read->firstRef, read->refCount});
        return true;
    }

    // Adds a finished child to the container on top of the path.
    bool record(std::uint16_t height, std::uint32_t nodes)
    {
        if (m_path.empty()) {
            return true;
        }
        Frame& parent = m_path.back();
        parent.height = std::max<std::uint16_t>(parent.height, height + 1);
        parent.nodes += nodes;
        return m_path.size() - 1 + parent.height <= static_cast<std::size_t>(kMaxPlistDepth)
            && parent.nodes <= kMaxBinaryNodes;
    }

    bool walk()
    {
        while (!m_path.empty()) {
            Frame& frame = m_path.back();
            if (frame.nextRef == frame.refCount) {
                Frame done = frame;
                m_path.pop_back();
                m_measured[done.object] = done.height + 1;
                m_nodes[done.object] = done.nodes;
                if (!record(done.height, done.nodes)) {
                    return false;
                }
                continue;
            }
            std::uint64_t child = readBigEndian(m_bytes.data() + frame.firstRef + frame.nextRef * m_refSize, m_refSize);
            ++frame.nextRef;
            if (!visit(child)) {
                return false;
            }
        }
        return true;
    }

    std::span<const std::uint8_t> m_bytes;
    std::size_t m_offsetSize = 0;
    std::size_t m_refSize = 0;
    std::uint64_t m_objectCount = 0;
    std::uint64_t m_tableOffset = 0;
    // Per object: 0 before it is reached, its height + 1 once measured, kOnPath while inside it.
    std::vector<std::uint16_t> m_measured;
    std::vector<std::uint32_t> m_nodes;
    std::vector<Frame> m_path;
};

bool nestingWithinLimits(std::span<const std::uint8_t> bytes)
{
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (text.starts_with("bplist")) {
        return BinaryPlistScan(bytes).withinLimits();
    }
    return xmlNestingWithinLimit(text);
}

std::optional<PlistValue> fromNode(plist_t node)
{
    switch (plist_get_node_type(node)) {
    case PLIST_BOOLEAN: {
        std::uint8_t value = 0;
        plist_get_bool_val(node, &value);
        return PlistValue(value != 0);
    }
    case PLIST_UINT: {
        // libplist keeps every integer in 64 unsigned bits; the platform's are signed.
        std::uint64_t value = 0;
        plist_get_uint_val(node, &value);
        return PlistValue(static_cast<std::int64_t>(value));
    }
    case PLIST_REAL: {
        double value = 0;
        plist_get_real_val(node, &value);
        return PlistValue(value);
    }
    case PLIST_STRING: {
        std::uint64_t length = 0;
        const char* text = plist_get_string_ptr(node, &length);
        return PlistValue(std::string(text ? text : "", text ? length : 0));
    }
    case PLIST_DATA: {
        std::uint64_t length = 0;
        const char* bytes = plist_get_data_ptr(node, &length);
        const auto* begin = reinterpret_cast<const std::uint8_t*>(bytes);
        return PlistValue(bytes ? PlistData(begin, begin + length) : PlistData());
    }
    case PLIST_DATE: {
        std::int32_t seconds = 0;
        std::int32_t microseconds = 0;
        plist_get_date_val(node, &seconds, &microseconds);
        // A date beyond what the platform's seconds can count (or not a number at all) comes back
        // with nonsense microseconds; a second's worth is the most they can mean.
        double fraction = std::min(std::abs(static_cast<double>(microseconds)), 999999.0) / 1e6;
        return PlistValue(PlistDate{seconds < 0 ? seconds - fraction : seconds + fraction});
    }
    case PLIST_ARRAY: {
        PlistArray array;
        std::uint32_t size = plist_array_get_size(node);
        array.reserve(size);
        for (std::uint32_t i = 0; i < size; ++i) {
            auto item = fromNode(plist_array_get_item(node, i));
            if (!item) {
                return std::nullopt;
            }
            array.push_back(std::move(*item));
        }
        return PlistValue(std::move(array));
    }
    case PLIST_DICT: {
        PlistDictionary dictionary;
        plist_dict_iter iter = nullptr;
        plist_dict_new_iter(node, &iter);
        bool complete = true;
        while (complete) {
            char* key = nullptr;
            plist_t item = nullptr;
            plist_dict_next_item(node, iter, &key, &item);
            if (!item) {
                std::free(key);
                break;
            }
            auto value = fromNode(item);
            if (value && key) {
                // Stores are written with their keys in order, so each key usually belongs last.
                dictionary.insert_or_assign(dictionary.end(), key, std::move(*value));
            } else {
                complete = false;
            }
            std::free(key);
        }
        std::free(iter);
        return complete ? std::optional<PlistValue>(std::move(dictionary)) : std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

int nestingDepth(const PlistValue& value)
{
    int deepest = 0;
    if (const auto* array = value.array()) {
        for (const auto& item : *array) {
            deepest = std::max(deepest, nestingDepth(item));
        }
        return deepest + 1;
    }
    if (const auto* dictionary = value.dictionary()) {
        for (const auto& [key, item] : *dictionary) {
            deepest = std::max(deepest, nestingDepth(item));
        }
        return deepest + 1;
    }
    return 0;
}

// The file format counts whole seconds in 32 bits: a date outside them is written as the nearest one
// it can hold, and one that is not a number as the reference date itself.
plist_t newDate(double secondsSinceReferenceDate)
{
    double limit = std::numeric_limits<std::int32_t>::max();
    double value = std::isnan(secondsSinceReferenceDate) ? 0 : std::clamp(secondsSinceReferenceDate, -limit, limit);
    double seconds = std::trunc(value);
    double microseconds = std::clamp(std::round((value - seconds) * 1e6), -999999.0, 999999.0);
    return plist_new_date(static_cast<std::int32_t>(seconds), static_cast<std::int32_t>(microseconds));
}

plist_t toNode(const PlistValue& value)
{
    return std::visit(
        [](const auto& content) -> plist_t {
            using T = std::decay_t<decltype(content)>;
            if constexpr (std::is_same_v<T, bool>) {
                return plist_new_bool(content ? 1 : 0);
            } else if constexpr (std::is_same_v<T, std::int64_t>) {
                return plist_new_uint(static_cast<std::uint64_t>(content));
            } else if constexpr (std::is_same_v<T, double>) {
                return plist_new_real(content);
            } else if constexpr (std::is_same_v<T, std::string>) {
                return plist_new_string(content.c_str());
            } else if constexpr (std::is_same_v<T, PlistData>) {
                return plist_new_data(reinterpret_cast<const char*>(content.data()), content.size());
            } else if constexpr (std::is_same_v<T, PlistDate>) {
                return newDate(content.secondsSinceReferenceDate);
            } else if constexpr (std::is_same_v<T, PlistArray>) {
                plist_t array = plist_new_array();
                for (const auto& item : content) {
                    plist_array_append_item(array, toNode(item));
                }
                return array;
            } else {
                plist_t dictionary = plist_new_dict();
                for (const auto& [key, item] : content) {
                    plist_dict_set_item(dictionary, key.c_str(), toNode(item));
                }
                return dictionary;
            }
        },
        value.storage());
}

}  // namespace

std::optional<PlistValue> parsePlist(std::span<const std::uint8_t> bytes)
{
    if (bytes.empty() || bytes.size() > kMaxPlistBytes || !nestingWithinLimits(bytes)) {
        return std::nullopt;
    }
    plist_t parsed = nullptr;
    plist_from_memory(reinterpret_cast<const char*>(bytes.data()), static_cast<std::uint32_t>(bytes.size()), &parsed);
    PlistPtr root(parsed);
    if (!root) {
        return std::nullopt;
    }
    return fromNode(root.get());
}

std::string serializePlistXml(const PlistValue& value)
{
    if (nestingDepth(value) > kMaxPlistDepth) {
        return {};
    }
    PlistPtr root(toNode(value));
    char* xml = nullptr;
    std::uint32_t length = 0;
    plist_to_xml(root.get(), &xml, &length);
    std::string result(xml ? xml : "", xml ? length : 0);
    plist_to_xml_free(xml);
    return result;
}

}  // namespace device::foundation
