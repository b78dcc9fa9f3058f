#include "velmora/store/store_definitions.h"

namespace velmora::store {

std::string_view shortName(Store store)
{
    switch (store) {
    case Store::Enabled:
        return "enabled";
    case Store::Advanced:
        return "advanced";
    case Store::Hide:
        return "hide";
    case Store::Tag:
        return "tag";
    case Store::Position:
        return "position";
    case Store::Protected:
        return "protected";
    case Store::Theme:
        return "theme";
    case Store::Icons:
        return "icons";
    case Store::Temp:
        return "temp";
    }
    return {};
}

}  // namespace velmora::store
