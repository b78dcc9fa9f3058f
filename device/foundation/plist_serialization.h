#pragma once

#include "device/foundation/plist_value.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace device::foundation {

// Nesting beyond this reads as malformed: a store is never that deep, and a hostile file must not
// exhaust the stack.
inline constexpr int kMaxPlistDepth = 512;

// Reads XML or binary property lists; nullopt for anything malformed, truncated or too deep.
std::optional<PlistValue> parsePlist(std::span<const std::uint8_t> bytes);
// Empty for a value nested deeper than kMaxPlistDepth, which could not be read back.
std::string serializePlistXml(const PlistValue& value);

}  // namespace device::foundation
