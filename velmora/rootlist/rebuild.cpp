#include "velmora/rootlist/rebuild.h"

#include "velmora/core/shared_state.h"
#include "velmora/core/themed_icon.h"
#include "velmora/rootlist/rebuild_finishing.h"
#include "velmora/store/store.h"

#include "device/objc/message.h"
#include "device/uikit/image.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace velmora::rootlist {

namespace {

namespace objc = device::objc;
using device::preferences::PSSpecifier;
using core::Entry;
using core::EntryList;

constexpr std::string_view kDeveloperSettings = "DEVELOPER_SETTINGS";
constexpr std::string_view kKeptOutOfTags = "CASTLE";
constexpr int kTweakSectionCount = 6;

bool contains(const EntryList& list, const Entry& entry)
{
    return std::find(list.begin(), list.end(), entry) != list.end();
}

void eraseAll(EntryList& list, const EntryList& entries)
{
    std::erase_if(list, [&entries](const Entry& entry) { return contains(entries, entry); });
}

bool hasIdentifier(const PSSpecifier& entry, std::string_view identifier)
{
    std::optional<std::string> own = entry.identifier();
    return own && *own == identifier;
}

class Reorganisation {
public:
    Reorganisation(device::preferences::PSListController& root, const RebuildSettings& settings)
        : m_root(root)
        , m_settings(settings)
        , m_state(core::sharedState())
    {
    }

    void run()
    {
        m_state.allEntries = m_root.specifiers();
        m_state.tweakSection.clear();
        m_state.duplicateNames.clear();
        makeNamesUnique();
        classify();
        if (m_settings.masterSwitch) {
            moveTweaksToEnd();
            for (const Entry& entry : m_removeList) {
                m_root.removeSpecifierAnimated(entry.get(), m_settings.animate);
            }
            addDividerBeforeTags();
            addTagFolders();
        }
        close();
        appendLibraryEntry();
    }

private:
    // Store keys are entry names, so every name must be unique. One pass only: of three equal
    // names, the third still equals the first afterwards, as stored files expect.
    void makeNamesUnique()
    {
        EntryList& all = m_state.allEntries;
        // How often each name occurs after the position looked at, so that the scan for a later
        // duplicate runs only when there is one.
        std::unordered_map<std::string, int> later;
        for (const Entry& entry : all) {
            if (entry->name()) {
                ++later[*entry->name()];
            }
        }
        for (std::size_t i = 0; i + 1 < all.size(); ++i) {
            const std::optional<std::string>& name = all[i]->name();
            if (!name || --later[*name] == 0) {
                continue;
            }
            auto duplicate = std::find_if(all.begin() + static_cast<long>(i) + 1, all.end(),
                                          [&name](const Entry& other) { return other->name() == name; });
            std::string duplicateName = *name;
            m_state.duplicateNames.push_back(duplicateName);
            auto blanks = std::count(m_state.duplicateNames.begin(), m_state.duplicateNames.end(), duplicateName);
            std::string uniqueName = duplicateName + std::string(static_cast<std::size_t>(blanks), ' ');
            --later[duplicateName];
            ++later[uniqueName];
            (*duplicate)->setName(uniqueName);
        }
    }

    // The tweak section is the seventh counted section; a later counted group takes the counter to
    // 7 and ends it, and groups of developer settings are not counted at all.
    void classify()
    {
        int counter = -1;
        for (const Entry& entry : m_state.allEntries) {
            if (!entry->isGroup()) {
                bool hidden = m_settings.masterSwitch && m_settings.isHidden(*entry);
                (hidden ? m_removeList : m_keepList).push_back(entry);
            } else if (m_settings.dividersHidden) {
                m_removeList.push_back(entry);
            }
            if (entry->isGroup() && !hasIdentifier(*entry, kDeveloperSettings)) {
                if (++counter == kTweakSectionCount) {
                    m_removeList.push_back(entry);
                    m_state.tweakSection.push_back(entry);
                }
            } else if (counter == kTweakSectionCount) {
                m_state.tweakSection.push_back(entry);
            }
        }
    }

    void moveTweaksToEnd()
    {
        if (m_settings.tweaksInPane) {
            return;
        }
        EntryList tweakList;
        if (m_settings.tags.empty()) {
            tweakList = m_state.tweakSection;
        } else {
            // A visible tweak entry stays put when some tag holds it; the others move, in their order.
            std::unordered_set<std::string_view> tagged;
            for (const auto& record : m_settings.tags) {
                for (const auto& [key, flag] : record) {
                    if (flag.boolValue()) {
                        tagged.insert(key);
                    }
                }
            }
            EntryList inTags;
            for (const Entry& entry : m_state.tweakSection) {
                if (!m_settings.isHidden(*entry)) {
                    (entry->name() && tagged.contains(*entry->name()) ? inTags : tweakList).push_back(entry);
                }
            }
            eraseAll(m_keepList, inTags);
        }
        for (const Entry& entry : tweakList) {
            m_root.addSpecifierAnimated(entry, m_settings.animate);
        }
    }

    void addDividerBeforeTags()
    {
        if (!m_settings.dividersHidden && !m_settings.tagsInPane && !m_settings.tags.empty()) {
            m_root.addSpecifierAnimated(PSSpecifier::emptyGroupSpecifier(), m_settings.animate);
        }
    }

    void addTagFolders()
    {
        if (m_settings.tagsInPane) {
            return;
        }
        // Rows that may go into a folder, by name: not hidden, and not the one entry kept out of tags.
        // A record names few members, so its keys are looked up here rather than every row in it. Rows
        // of one name are chained from the first, in list order.
        constexpr std::size_t kNone = -1;
        std::vector<Entry> candidates;
        for (const Entry& entry : m_state.allEntries) {
            if (!entry->isGroup() && entry->name() && !hasIdentifier(*entry, kKeptOutOfTags)
                && !m_settings.isHidden(*entry)) {
                candidates.push_back(entry);
            }
        }
        std::vector<std::size_t> nextOfSameName(candidates.size(), kNone);
        std::unordered_map<std::string_view, std::size_t> firstByName;
        firstByName.reserve(candidates.size());
        for (std::size_t index = candidates.size(); index-- > 0;) {
            auto [first, added] = firstByName.try_emplace(*candidates[index]->name(), index);
            if (!added) {
                nextOfSameName[index] = std::exchange(first->second, index);
            }
        }
        std::unordered_set<const PSSpecifier*> folded;
        std::vector<std::size_t> members;
        for (const auto& record : m_settings.tags) {
            Entry folder = tagFolderEntry(record);
            if (m_settings.dividersHidden) {
                m_keepList.push_back(folder);
            } else {
                m_root.addSpecifierAnimated(folder, m_settings.animate);
            }
            members.clear();
            for (const auto& [key, flag] : record) {
                auto named = firstByName.find(key);
                if (named != firstByName.end() && flag.boolValue()) {
                    for (std::size_t member = named->second; member != kNone; member = nextOfSameName[member]) {
                        members.push_back(member);
                    }
                }
            }
            std::sort(members.begin(), members.end());
            for (std::size_t member : members) {
                m_root.removeSpecifierAnimated(candidates[member].get(), m_settings.animate);
                folded.insert(candidates[member].get());
            }
        }
        std::erase_if(m_keepList, [&folded](const Entry& entry) { return folded.contains(entry.get()); });
    }

    Entry tagFolderEntry(const device::foundation::PlistDictionary& record)
    {
        auto found = record.find(std::string(store::keys::kTagName));
        std::optional<std::string> name;
        if (found != record.end() && found->second.isString()) {
            name = *found->second.string();
        }
        Entry folder = PSSpecifier::preferenceSpecifierNamed(name.value_or(""), &m_root, nullptr, nullptr,
                                                             m_tagFolderClass, device::preferences::PSLinkCell,
                                                             nullptr);
        folder->setName(name);
        if (auto icon = tagIcon(store::readString(record, store::keys::kTagIcon))) {
            folder->setPropertyForKey(icon, "iconImage");
        }
        return folder;
    }

    // Tags made with the default icon all name the same file, which is read once per rebuild.
    std::shared_ptr<device::uikit::UIImage> tagIcon(const std::string& path)
    {
        auto [found, added] = m_tagIcons.try_emplace(path);
        if (added) {
            found->second = device::uikit::UIImage::imageWithContentsOfFile(path);
        }
        return found->second;
    }

    void close()
    {
        if (!m_settings.masterSwitch || !m_settings.dividersHidden) {
            m_root.addSpecifierAnimated(PSSpecifier::preferenceSpecifierNamed("", &m_root, nullptr, nullptr, nullptr,
                                                                              device::preferences::PSGroupCell,
                                                                              nullptr),
                                        m_settings.animate);
            return;
        }
        if (m_settings.tweaksInPane) {
            eraseAll(m_keepList, m_state.tweakSection);
        }
        // Appending moves an entry already in the list, so the kept entries end up last, in order.
        for (const Entry& entry : m_keepList) {
            m_root.addSpecifierAnimated(entry, m_settings.animate);
        }
    }

    void appendLibraryEntry()
    {
        std::string title = m_settings.entryTitle.empty() ? std::string(store::kDefaultEntryTitle)
                                                          : m_settings.entryTitle;
        Entry entry = PSSpecifier::preferenceSpecifierNamed(title, &m_root, nullptr, nullptr,
                                                            objc::objc_getClass("VelmoraController"),
                                                            device::preferences::PSLinkCell, nullptr);
        if (auto icon = core::themedIcon("icon")) {
            entry->setPropertyForKey(icon, "iconImage");
        }
        m_root.addSpecifier(entry);
    }

    device::preferences::PSListController& m_root;
    const RebuildSettings& m_settings;
    core::SharedState& m_state;
    EntryList m_removeList;
    EntryList m_keepList;
    objc::Class m_tagFolderClass = objc::objc_getClass("TagFolder");
    std::unordered_map<std::string, std::shared_ptr<device::uikit::UIImage>> m_tagIcons;
};

}  // namespace

void reloadSpecifiers(objc::id self, objc::SEL cmd)
{
    objc::callImp<void>(core::sharedState().previous(core::InstalledMethod::ReloadSpecifiers), self, cmd);
    auto* root = objc::as<device::preferences::PSListController>(self);
    if (!root) {
        return;
    }
    RebuildSettings settings = RebuildSettings::read();
    reorganiseRootList(*root, settings);
    finishRootList(*root, settings);
}

void reorganiseRootList(device::preferences::PSListController& root, const RebuildSettings& settings)
{
    Reorganisation(root, settings).run();
}

}  // namespace velmora::rootlist
