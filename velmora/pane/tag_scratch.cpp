#include "velmora/pane/tag_scratch.h"

#include "velmora/store/store.h"

namespace velmora::pane {

device::foundation::PlistValue scratchValue(std::string_view key)
{
    auto scratch = store::load(store::Store::Temp);
    auto found = scratch.find(std::string(key));
    return found == scratch.end() ? device::foundation::PlistValue() : found->second;
}

std::string scratchText(std::string_view key)
{
    return store::readString(store::load(store::Store::Temp), key);
}

void setScratchText(std::string_view key, std::string text)
{
    auto scratch = store::load(store::Store::Temp);
    scratch[std::string(key)] = std::move(text);
    store::save(store::Store::Temp, scratch);
}

}  // namespace velmora::pane
