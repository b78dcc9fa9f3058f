#include "tests/velmora/rootlist/arrange_sim.h"

#include <algorithm>

namespace velmora::testing {

namespace {

device::settings::ProfileEntry entry(std::string cell, std::string label, std::string identifier)
{
    device::settings::ProfileEntry made;
    made.cell = std::move(cell);
    made.label = std::move(label);
    made.identifier = std::move(identifier);
    return made;
}

}  // namespace

ArrangeSimTest::ArrangeSimTest(std::string profile)
    : PaneSimTest(std::move(profile))
{
    prepare(store::Store::Enabled, {{"Enabled", true}});
}

void ArrangeSimTest::prepare(store::Store which, const device::foundation::PlistDictionary& contents)
{
    m_device.writePlist(store::storePath(which), contents);
}

void ArrangeSimTest::useSmallList()
{
    auto& entries = m_device.options().profile.entries;
    entries = {entry("PSGroupCell", "One", "ONE"),      entry("PSLinkCell", "Alpha", "ALPHA"),
               entry("PSLinkCell", "Bravo", "BRAVO"),   entry("PSLinkCell", "Charlie", "CHARLIE"),
               entry("PSGroupCell", "Two", "TWO"),      entry("PSLinkCell", "Delta", "DELTA"),
               entry("PSLinkCell", "Echo", "ECHO"),     entry("PSGroupCell", "Three", "THREE"),
               entry("PSLinkCell", "Foxtrot", "FOXTROT")};
}

std::vector<std::string> ArrangeSimTest::storedOrder() const
{
    auto order = stored(store::Store::Position);
    std::vector<std::string> places;
    for (std::size_t i = 0; i < order.size(); ++i) {
        auto place = order.find(std::to_string(i));
        if (place == order.end() || !place->second.isString()) {
            ADD_FAILURE() << "the stored order has no place " << i << " of " << order.size();
            continue;
        }
        places.push_back(*place->second.string());
    }
    return places;
}

bool ArrangeSimTest::orderStored() const
{
    return exists(store::storePath(store::Store::Position));
}

const ordered_json& ArrangeSimTest::rootPage(const ordered_json& dump) const
{
    return dump["device"] == "tablet" ? dump["master"] : dump["page"];
}

Sections ArrangeSimTest::sectionsOf(const ordered_json& page)
{
    Sections sections;
    for (const auto& section : page["sections"]) {
        auto& labels = sections.emplace_back();
        for (const auto& row : section["rows"]) {
            labels.push_back(row["label"].get<std::string>());
        }
    }
    return sections;
}

Sections ArrangeSimTest::withoutTrailingGroups(Sections sections)
{
    for (std::size_t s = 0; s + 1 < sections.size(); ++s) {
        if (!sections[s].empty()) {
            sections[s].pop_back();
        }
    }
    return sections;
}

void ArrangeSimTest::move(Sections& sections, const std::string& row, std::size_t section, std::size_t place)
{
    for (auto& labels : sections) {
        std::erase(labels, row);
    }
    auto& into = sections.at(section);
    into.insert(into.begin() + static_cast<long>(std::min(place, into.size())), row);
}

}  // namespace velmora::testing
