#include "velmora/store/store.h"

#include "device/foundation/file_manager.h"
#include "device/foundation/property_list_file.h"

namespace velmora::store {

namespace foundation = device::foundation;

std::string storePath(Store store)
{
    return std::string(kStorePrefix).append(shortName(store)).append(kStoreSuffix);
}

std::string tagPositionStorePath(std::string_view tagName)
{
    return std::string(kStorePrefix).append(kTagPositionShortNamePrefix).append(tagName).append(kStoreSuffix);
}

bool isSafeTagName(std::string_view tagName)
{
    return tagName != "." && tagName != ".." && tagName.find('/') == std::string_view::npos
        && tagName.find('\0') == std::string_view::npos;
}

PlistDictionary load(std::string_view path)
{
    return foundation::dictionaryWithContentsOfFile(path).value_or(PlistDictionary{});
}

PlistDictionary load(Store store)
{
    return load(storePath(store));
}

bool save(std::string_view path, const PlistDictionary& contents)
{
    return foundation::writeToFile(foundation::PlistValue(contents), path);
}

bool save(Store store, const PlistDictionary& contents)
{
    return save(storePath(store), contents);
}

void remove(std::string_view path)
{
    auto& files = foundation::FileManager::defaultManager();
    if (files.isDeletableFileAtPath(path)) {
        files.removeItemAtPath(path);
    }
}

void remove(Store store)
{
    remove(storePath(store));
}

void moveTagPositionStore(std::string_view oldTagName, std::string_view newTagName)
{
    if (!isSafeTagName(oldTagName) || !isSafeTagName(newTagName) || oldTagName == newTagName) {
        return;
    }
    std::string to = tagPositionStorePath(newTagName);
    remove(to);
    std::string from = tagPositionStorePath(oldTagName);
    auto& files = foundation::FileManager::defaultManager();
    if (files.fileExistsAtPath(from)) {
        files.moveItemAtPath(from, to);
    }
}

void removeTagPositionStore(std::string_view tagName)
{
    if (isSafeTagName(tagName)) {
        remove(tagPositionStorePath(tagName));
    }
}

bool readBool(const PlistDictionary& dictionary, std::string_view key)
{
    auto found = dictionary.find(std::string(key));
    return found != dictionary.end() && found->second.boolValue();
}

std::string readString(const PlistDictionary& dictionary, std::string_view key)
{
    auto found = dictionary.find(std::string(key));
    if (found == dictionary.end()) {
        return {};
    }
    const std::string* text = found->second.string();
    return text ? *text : std::string();
}

std::string decimalKey(long number)
{
    return std::to_string(number);
}

device::foundation::PlistValue storedValue(Store store, std::string_view key)
{
    auto contents = load(store);
    auto found = contents.find(std::string(key));
    return found == contents.end() ? device::foundation::PlistValue() : found->second;
}

bool storeValue(Store store, std::string_view key, device::foundation::PlistValue value)
{
    auto contents = load(store);
    contents[std::string(key)] = std::move(value);
    return save(store, contents);
}

}  // namespace velmora::store
