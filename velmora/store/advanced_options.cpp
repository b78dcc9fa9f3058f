#include "velmora/store/advanced_options.h"

#include "velmora/store/store.h"

namespace velmora::store {

bool advancedOption(const PlistDictionary& advanced, std::string_view optionName)
{
    return advancedOption(advanced, core::Translations(advanced), optionName);
}

bool advancedOption(std::string_view optionName)
{
    return advancedOption(load(Store::Advanced), optionName);
}

std::string advancedOptionText(const PlistDictionary& advanced, std::string_view optionName)
{
    return advancedOptionText(advanced, core::Translations(advanced), optionName);
}

bool advancedOption(const PlistDictionary& advanced, const core::Translations& translations,
                    std::string_view optionName)
{
    return readBool(advanced, translations.text(optionName));
}

std::string advancedOptionText(const PlistDictionary& advanced, const core::Translations& translations,
                               std::string_view optionName)
{
    return readString(advanced, translations.text(optionName));
}

}  // namespace velmora::store
