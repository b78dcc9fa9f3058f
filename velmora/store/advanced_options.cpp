#include "velmora/store/advanced_options.h"

#include "velmora/core/translator.h"
#include "velmora/store/store.h"

namespace velmora::store {

bool advancedOption(const PlistDictionary& advanced, std::string_view optionName)
{
    return readBool(advanced, core::Translator(optionName));
}

bool advancedOption(std::string_view optionName)
{
    return advancedOption(load(Store::Advanced), optionName);
}

std::string advancedOptionText(const PlistDictionary& advanced, std::string_view optionName)
{
    return readString(advanced, core::Translator(optionName));
}

}  // namespace velmora::store
