#include "velmora/rootlist/rebuild_settings.h"

#include "velmora/core/translator.h"
#include "velmora/store/advanced_options.h"
#include "velmora/store/store.h"
#include "velmora/store/tag_records.h"

namespace velmora::rootlist {

RebuildSettings RebuildSettings::read()
{
    using namespace store;
    PlistDictionary advanced = load(Store::Advanced);
    core::Translations translations(advanced);
    RebuildSettings settings;
    settings.masterSwitch = readBool(load(Store::Enabled), keys::kEnabled);
    settings.hideStore = load(Store::Hide);
    settings.dividersHidden = readBool(settings.hideStore, translations.text(options::kDividers));
    settings.tweaksInPane = advancedOption(advanced, translations, options::kTweaksInPane);
    settings.tagsInPane = advancedOption(advanced, translations, options::kTagsInPane);
    settings.animate = advancedOption(advanced, translations, options::kAnimate);
    settings.pullToRefresh = advancedOption(advanced, translations, options::kPullToRefresh);
    settings.swipeCells = advancedOption(advanced, translations, options::kSwipeCells);
    settings.entryTitle = advancedOptionText(advanced, translations, options::kEntryTitle);
    settings.tags = tagRecords(load(Store::Tag));
    return settings;
}

bool RebuildSettings::isHidden(const device::preferences::PSSpecifier& entry) const
{
    return entryFlag(hideStore, entry);
}

bool entryFlag(const device::foundation::PlistDictionary& store, const device::preferences::PSSpecifier& entry)
{
    return entry.name() && store::readBool(store, *entry.name());
}

}  // namespace velmora::rootlist
