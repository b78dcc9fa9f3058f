#pragma once

#include "velmora/core/translator.h"

#include "device/foundation/plist_value.h"

#include <string>
#include <string_view>

// Each advanced option lives in AdvancedStore under the translation of its name in the interface
// language, so a language change makes earlier values unreachable until they are set again.
namespace velmora::store {

bool advancedOption(const device::foundation::PlistDictionary& advanced, std::string_view optionName);
// Read afresh from the store.
bool advancedOption(std::string_view optionName);
std::string advancedOptionText(const device::foundation::PlistDictionary& advanced, std::string_view optionName);

// The same readings for a caller that reads several options at once, with the translations read once.
bool advancedOption(const device::foundation::PlistDictionary& advanced, const core::Translations& translations,
                    std::string_view optionName);
std::string advancedOptionText(const device::foundation::PlistDictionary& advanced,
                               const core::Translations& translations, std::string_view optionName);

}  // namespace velmora::store
