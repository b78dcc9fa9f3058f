#pragma once

#include "velmora/store/store_definitions.h"

#include "device/foundation/plist_value.h"

#include <string>
#include <string_view>

// Stores are read afresh at every use and written whole; nothing is cached.
namespace velmora::store {

using device::foundation::PlistDictionary;

std::string storePath(Store store);
std::string tagPositionStorePath(std::string_view tagName);
// A tag name becomes part of a file name: one with a slash or a NUL, or that is "." or "..", would
// name a file elsewhere, so no per-tag order file is ever touched through it.
bool isSafeTagName(std::string_view tagName);

// A missing, unreadable or malformed file, or one whose root is not a dictionary, reads as empty.
PlistDictionary load(std::string_view path);
PlistDictionary load(Store store);

// Reports whether the whole file was written; on failure the old content stays.
bool save(std::string_view path, const PlistDictionary& contents);
bool save(Store store, const PlistDictionary& contents);

void remove(std::string_view path);
void remove(Store store);

// The renamed tag's order is exactly the old name's: an order file left under the new name goes,
// and the moved one (if any) takes its place.
void moveTagPositionStore(std::string_view oldTagName, std::string_view newTagName);
void removeTagPositionStore(std::string_view tagName);

bool readBool(const PlistDictionary& dictionary, std::string_view key);
// The value under key as stored, an empty one when absent (a switch shows that as off).
device::foundation::PlistValue storedValue(Store store, std::string_view key);
// Reads the whole store, sets one key and writes the whole store back.
bool storeValue(Store store, std::string_view key, device::foundation::PlistValue value);
// Anything but a string reads as the empty string.
std::string readString(const PlistDictionary& dictionary, std::string_view key);

std::string decimalKey(long number);

}  // namespace velmora::store
