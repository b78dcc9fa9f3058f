#include "velmora/pane/tag_scratch.h"

#include "velmora/store/store.h"

namespace velmora::pane {

device::foundation::PlistValue scratchValue(std::string_view key)
{
    return store::storedValue(store::Store::Temp, key);
}

std::string scratchText(std::string_view key)
{
    return store::readString(store::load(store::Store::Temp), key);
}

bool setScratchText(std::string_view key, std::string text)
{
    return store::storeValue(store::Store::Temp, key, std::move(text));
}

}  // namespace velmora::pane
