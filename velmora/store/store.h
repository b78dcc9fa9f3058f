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

// A missing, unreadable or malformed file, or one whose root is not a dictionary, reads as empty.
PlistDictionary load(std::string_view path);
PlistDictionary load(Store store);

// Reports whether the whole file was written; on failure the old content stays.
bool save(std::string_view path, const PlistDictionary& contents);
bool save(Store store, const PlistDictionary& contents);

void remove(std::string_view path);
void remove(Store store);

void moveTagPositionStore(std::string_view oldTagName, std::string_view newTagName);

bool readBool(const PlistDictionary& dictionary, std::string_view key);
// Anything but a string reads as the empty string.
std::string readString(const PlistDictionary& dictionary, std::string_view key);

std::string decimalKey(long number);

}  // namespace velmora::store
