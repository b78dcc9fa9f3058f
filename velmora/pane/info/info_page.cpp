#include "velmora/pane/info/info_pages.h"

#include "velmora/core/translator.h"
#include "velmora/pane/info/package.h"
#include "velmora/pane/rows.h"
#include "velmora/store/store.h"

#include <algorithm>

namespace velmora::pane {

namespace {

using core::Translator;

constexpr std::string_view kUnsupportedLanguage =
    "Your language is not supported for now, the default is (en). If you want to translate just email me at: ";

}  // namespace

PlistValue infoController::Name(PSSpecifier*)
{
    return PlistValue(kProductName);
}

PlistValue infoController::Autor(PSSpecifier*)
{
    return PlistValue(kMakerName);
}

PlistValue infoController::Version(PSSpecifier*)
{
    return PlistValue(installedVersion());
}

PlistValue infoController::getLanguage(PSSpecifier*)
{
    return store::storedValue(store::Store::Advanced, store::keys::kLanguage);
}

void infoController::buildRows(core::EntryList& list)
{
    auto value = [this](std::string_view labelKey, std::string_view getter) {
        return makeRow(Translator(labelKey), this, "PSTitleValueCell", {{}, getter});
    };
    const auto& supported = core::sharedState().supported;
    PlistValue language = getLanguage(nullptr);
    bool isSupported = language.string()
                    && std::find(supported.begin(), supported.end(), *language.string()) != supported.end();
    list = {
        value("name", "Name"),
        groupWithFooter(isSupported ? std::string() : std::string(kUnsupportedLanguage).append(kContactAddress)),
        value("autor", "Autor"),
        value("version", "Version"),
        value("language", "getLanguage"),
        emptyGroup(),
        makeRow(Translator("changelog"), this, "PSLinkCell", {}, "ChangeLogController"),
        makeRow(Translator("guide"), this, "PSLinkCell", {}, "userGuideController"),
    };
}

}  // namespace velmora::pane
