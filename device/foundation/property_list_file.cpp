#include "device/foundation/property_list_file.h"

#include "device/foundation/file_manager.h"
#include "device/foundation/plist_serialization.h"
#include "device/foundation/recent_property_lists.h"

namespace device::foundation {

std::optional<PlistValue> propertyListWithContentsOfFile(std::string_view path)
{
    auto contents = FileManager::defaultManager().contentsAtPath(path);
    if (!contents) {
        return std::nullopt;
    }
    return RecentPropertyLists::shared().parse(path, std::move(*contents));
}

std::optional<PlistDictionary> dictionaryWithContentsOfFile(std::string_view path)
{
    auto value = propertyListWithContentsOfFile(path);
    if (!value || !value->isDictionary()) {
        return std::nullopt;
    }
    return std::move(*value->dictionary());
}

std::optional<PlistArray> arrayWithContentsOfFile(std::string_view path)
{
    auto value = propertyListWithContentsOfFile(path);
    if (!value || !value->isArray()) {
        return std::nullopt;
    }
    return std::move(*value->array());
}

bool writeToFile(const PlistValue& value, std::string_view path)
{
    std::string xml = serializePlistXml(value);
    return !xml.empty() && FileManager::defaultManager().writeAtomically(path, xml);
}

}  // namespace device::foundation
