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
    RebuildSettings settings;
    settings.masterSwitch = readBool(load(Store::Enabled), keys::kEnabled);
    settings.hideStore = load(Store::Hide);
    settings.dividersHidden = readBool(settings.hideStore, core::Translator(options::kDividers));
    settings.tweaksInPane = advancedOption(advanced, options::kTweaksInPane);
    settings.tagsInPane = advancedOption(advanced, options::kTagsInPane);
    settings.animate = advancedOption(advanced, options::kAnimate);
    settings.pullToRefresh = advancedOption(advanced, options::kPullToRefresh);
    settings.swipeCells = advancedOption(advanced, options::kSwipeCells);
    settings.entryTitle = advancedOptionText(advanced, options::kEntryTitle);
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
