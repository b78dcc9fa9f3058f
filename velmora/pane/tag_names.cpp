#include "velmora/pane/tag_names.h"

#include "velmora/store/store.h"
#include "velmora/store/tag_records.h"

namespace velmora::pane {

std::optional<std::string_view> refusedTagName(std::string_view name)
{
    if (name.starts_with(' ')) {
        return "start";
    }
    if (name.ends_with(' ')) {
        return "end";
    }
    if (!store::isSafeTagName(name)) {
        return "bad_name";
    }
    return std::nullopt;
}

bool tagNameTaken(const device::foundation::PlistDictionary& tagStore, std::string_view name)
{
    return store::findTag(tagStore, name).has_value();
}

}  // namespace velmora::pane
