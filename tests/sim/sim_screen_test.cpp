#include "tests/sim/sim_run.h"
#include "tests/support/booted_device.h"

#include "device/foundation/run_loop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

using nlohmann::ordered_json;
using testing_support::BootedDevice;
using testing_support::jsonLines;
using testing_support::rowLabelled;
using testing_support::Library;
using testing_support::runSim;

namespace {

std::vector<std::string> keysOf(const ordered_json& object)
{
    std::vector<std::string> keys;
    for (const auto& item : object.items()) {
        keys.push_back(item.key());
    }
    return keys;
}

std::size_t rowCount(const ordered_json& page)
{
    std::size_t rows = 0;
    for (const auto& section : page["sections"]) {
        rows += section["rows"].size();
    }
    return rows;
}

}  // namespace

TEST(SimScreen, DumpDescribesThePhoneScreenInTheDocumentedShape)
{
    BootedDevice phone("phone", Library::None);
    auto run = runSim(phone.boot(), "dump");
    ASSERT_EQ(run.exit, 0) << run.err;
    auto lines = jsonLines(run.out);
    ASSERT_EQ(lines.size(), 1u);
    const auto& screen = lines[0];

    EXPECT_EQ(keysOf(screen),
              (std::vector<std::string>{"device", "page", "master", "modal", "alert", "sheet", "keyboard", "sounds",
                                        "opened"}));
    EXPECT_EQ(screen["device"], "phone");
    for (const char* absent : {"master", "modal", "alert", "sheet"}) {
        EXPECT_TRUE(screen[absent].is_null()) << absent;
    }
    EXPECT_EQ(screen["keyboard"], false);
    EXPECT_EQ(screen["sounds"], ordered_json::array());
    EXPECT_EQ(screen["opened"], ordered_json::array());

    const auto& page = screen["page"];
    EXPECT_EQ(keysOf(page), (std::vector<std::string>{"title", "back", "left", "right", "editing", "sections"}));
    EXPECT_EQ(page["title"], "Settings");
    EXPECT_TRUE(page["back"].is_null());
    EXPECT_EQ(page["editing"], false);
    ASSERT_FALSE(page["sections"].empty());
    EXPECT_EQ(keysOf(page["sections"][0]), (std::vector<std::string>{"header", "footer", "rows"}));
    EXPECT_EQ(rowLabelled(page, "Airplane Mode"),
              ordered_json::parse(R"({"label":"Airplane Mode","value":null,"on":false,"kind":"switch"})"));
    EXPECT_EQ(rowLabelled(page, "Wi-Fi"),
              ordered_json::parse(R"({"label":"Wi-Fi","value":"HomeNet","on":null,"kind":"link"})"));
}

TEST(SimScreen, TabletShowsTheRootListBesideAnEmptyPageAndSpecifiersListsIt)
{
    BootedDevice tablet("tablet", Library::None);
    auto run = runSim(tablet.boot(), "dump\nspecifiers");
    ASSERT_EQ(run.exit, 0) << run.err;
    auto lines = jsonLines(run.out);
    ASSERT_GT(lines.size(), 2u);

    const auto& screen = lines[0];
    EXPECT_EQ(screen["device"], "tablet");
    EXPECT_EQ(screen["master"]["title"], "Settings");
    EXPECT_TRUE(screen["page"]["title"].is_null());
    EXPECT_EQ(screen["page"]["sections"], ordered_json::array());

    std::vector<ordered_json> entries(lines.begin() + 1, lines.end());
    std::size_t rows = 0;
    for (const auto& entry : entries) {
        EXPECT_EQ(keysOf(entry), (std::vector<std::string>{"name", "identifier", "cell"}));
        rows += entry["cell"] != "PSGroupCell";
    }
    EXPECT_EQ(rows, rowCount(screen["master"]));
    EXPECT_NE(std::find(entries.begin(), entries.end(),
                        ordered_json::parse(R"({"name":"iCloud","identifier":"CASTLE","cell":"PSLinkCell"})")),
              entries.end());
    EXPECT_NE(std::find_if(entries.begin(), entries.end(),
                           [](const auto& entry) { return entry["name"].is_null() && entry["cell"] == "PSGroupCell"; }),
              entries.end());
}

TEST(SimScreen, ShowAndExpectReadTheSameTextScreen)
{
    BootedDevice phone("phone", Library::None);
    auto run = runSim(phone.boot(), "show\nexpect Airplane Mode\nexpect [off]\nexpect-not Nowhere");
    ASSERT_EQ(run.exit, 0) << run.err;
    EXPECT_NE(run.out.find("Settings"), std::string::npos);
    EXPECT_NE(run.out.find("HomeNet"), std::string::npos);
}

TEST(SimScreen, EveryCommandButWaitLetsOneSecondPass)
{
    BootedDevice phone("phone", Library::None);
    auto& device = phone.boot();
    double start = device::foundation::RunLoop::main().now();
    ASSERT_EQ(runSim(device, "show\necho tick\nwait 2.5").exit, 0);
    EXPECT_DOUBLE_EQ(device::foundation::RunLoop::main().now() - start, 4.5);
}

TEST(SimScreen, RelaunchKeepsOnlyFilesAndLanguageRestartsTheAppInThatLanguage)
{
    BootedDevice phone;
    auto& device = phone.boot();
    auto run = runSim(device, "dump\nrelaunch\ndump\nprefs advanced\nlanguage fr\nprefs advanced");
    ASSERT_EQ(run.exit, 0) << run.err;
    auto lines = jsonLines(run.out);
    ASSERT_EQ(lines.size(), 4u);
    // The set-up screen shows at the first launch only: the library keeps that in a file.
    EXPECT_FALSE(lines[0]["modal"].is_null());
    EXPECT_TRUE(lines[1]["modal"].is_null());
    EXPECT_EQ(lines[2]["FirstTimez"], true);
    EXPECT_EQ(lines[3]["language"], "fr");

    std::ifstream file(phone.root_dir() / "/var/mobile/Library/Preferences/.GlobalPreferences.plist");
    std::string contents((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_LT(contents.find("<string>fr</string>"), contents.find("<string>en</string>"));
}
