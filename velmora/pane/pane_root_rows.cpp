#include "velmora/pane/pane_root_rows.h"

#include "velmora/pane/rows.h"
#include "velmora/rootlist/rebuild_settings.h"
#include "velmora/store/advanced_options.h"
#include "velmora/store/store.h"
#include "velmora/store/tag_records.h"

#include <algorithm>

namespace velmora::pane {

namespace {

using core::Entry;
using core::EntryList;
using device::foundation::PlistDictionary;

void noteOnce(EntryList& list, const Entry& entry)
{
    if (std::find(list.begin(), list.end(), entry) == list.end()) {
        list.push_back(entry);
    }
}

class TweakRows {
public:
    TweakRows(const EntryList& tweakSection, const PaneSettings& settings, device::objc::id target)
        : m_tweaks(tweakSection), m_settings(settings), m_target(target)
    {
    }

    PaneRows build()
    {
        if (!m_settings.masterSwitch) {
            return {};
        }
        bool hasTags = !m_settings.tags.empty();
        if (m_settings.tagsAsGroups && (hasTags || !m_settings.tweaksInPane)) {
            walkTags(Listing::UnderTags);
        } else if (m_settings.tweaksInPane && hasTags) {
            walkTags(Listing::Flat);
        } else if (m_settings.tweaksInPane) {
            for (const Entry& entry : m_tweaks) {
                if (!isHidden(*entry)) {
                    m_result.rows.push_back(entry);
                }
            }
        }
        return std::move(m_result);
    }

private:
    enum class Listing { UnderTags, Flat };

    bool isHidden(const device::preferences::PSSpecifier& entry) const
    {
        return rootlist::entryFlag(m_settings.hideStore, entry);
    }

    // An entry in several tags is listed under each; the untagged ones follow the last tag.
    void walkTags(Listing listing)
    {
        EntryList tagged;
        EntryList untagged;
        for (const PlistDictionary& tag : m_settings.tags) {
            if (listing == Listing::UnderTags) {
                m_result.rows.push_back(emptyGroup());
                if (m_settings.tagTitles) {
                    m_result.rows.push_back(titleRow(tag));
                }
            }
            for (const Entry& entry : m_tweaks) {
                if (isHidden(*entry)) {
                    continue;
                }
                if (rootlist::entryFlag(tag, *entry)) {
                    if (listing == Listing::UnderTags) {
                        m_result.rows.push_back(entry);
                    }
                    noteOnce(tagged, entry);
                } else {
                    noteOnce(untagged, entry);
                }
            }
            ++m_result.tagCount;
        }
        if (!m_settings.tweaksInPane) {
            return;
        }
        for (const Entry& entry : untagged) {
            if (std::find(tagged.begin(), tagged.end(), entry) == tagged.end()) {
                m_result.rows.push_back(entry);
            }
        }
    }

    Entry titleRow(const PlistDictionary& tag) const
    {
        Entry title = makeRow(store::readString(tag, store::keys::kTagName), m_target, "PSStaticTextCell");
        setIcon(title, imageAtPath(store::readString(tag, store::keys::kTagIcon)));
        setAlignment(title, 2);
        return title;
    }

    const EntryList& m_tweaks;
    const PaneSettings& m_settings;
    device::objc::id m_target;
    PaneRows m_result;
};

}  // namespace

PaneSettings PaneSettings::read()
{
    PaneSettings settings;
    settings.masterSwitch = store::readBool(store::load(store::Store::Enabled), store::keys::kEnabled);
    auto advanced = store::load(store::Store::Advanced);
    settings.tagsAsGroups = store::advancedOption(advanced, store::options::kTagsInPane);
    settings.tweaksInPane = store::advancedOption(advanced, store::options::kTweaksInPane);
    settings.tagTitles = store::advancedOption(advanced, store::options::kTagTitles);
    settings.hideStore = store::load(store::Store::Hide);
    settings.tags = store::tagRecords(store::load(store::Store::Tag));
    return settings;
}

PaneRows tweakRows(const EntryList& tweakSection, const PaneSettings& settings, device::objc::id target)
{
    return TweakRows(tweakSection, settings, target).build();
}

}  // namespace velmora::pane
