#pragma once

#include "device/foundation/plist_value.h"

#include <optional>
#include <string_view>

namespace device::foundation {

// Reads the plain XML that stores are written in — dictionaries, arrays, strings and booleans, with
// the five named entities — directly, a good deal faster than libplist builds and hands over its
// tree. None for anything beyond that form (a comment, another entity, a number, a date, data, any
// doubt): such a document is left to libplist, which reads every form and judges what is malformed.
std::optional<PlistValue> readPlainXmlPlist(std::string_view text);

}  // namespace device::foundation
