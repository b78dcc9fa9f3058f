#include "tests/velmora/pane/pane_sim.h"

#include "tests/support/full_disk.h"

#include <filesystem>

namespace velmora::testing {

PaneSimTest::PaneSimTest(std::string profile)
    : m_device(std::move(profile), testing_support::Library::Linked)
{
    m_device.writePlist(store::storePath(store::Store::Advanced), device::foundation::PlistDictionary{
                                                                      {"FirstTimez", true}});
}

std::vector<ordered_json> PaneSimTest::run(const std::string& script)
{
    auto result = testing_support::runSim(m_device.boot(), script);
    EXPECT_EQ(result.exit, 0) << result.err;
    std::vector<ordered_json> dumps;
    for (auto& line : testing_support::jsonLines(result.out)) {
        dumps.push_back(std::move(line));
    }
    return dumps;
}

std::vector<ordered_json> PaneSimTest::runOnFullDisk(const std::string& script, std::size_t room)
{
    testing_support::FullDisk full(room);
    return run(script);
}

void PaneSimTest::expectNotSaved(const ordered_json& dump)
{
    EXPECT_EQ(dump["alert"]["title"], "Error") << dump.dump();
    EXPECT_EQ(dump["alert"]["message"], "The change could not be saved. Nothing was changed.");
}

std::string PaneSimTest::openPane(const std::string& link)
{
    std::string script = "tap Velmora\n";
    return link.empty() ? script : script + "tap " + link + "\n";
}

void PaneSimTest::save(store::Store which, const device::foundation::PlistDictionary& contents)
{
    save(store::storePath(which), contents);
}

void PaneSimTest::save(const std::string& path, const device::foundation::PlistDictionary& contents)
{
    m_device.boot();
    ASSERT_TRUE(store::save(path, contents)) << path;
}

bool PaneSimTest::exists(const std::string& platformPath) const
{
    return std::filesystem::exists(m_device.root_dir() / platformPath);
}

std::vector<std::string> PaneSimTest::describeRootList()
{
    std::vector<std::string> names;
    for (const auto& entry : m_device.root()->specifiers()) {
        names.push_back(entry->nameOrEmpty());
    }
    return names;
}


}  // namespace velmora::testing
