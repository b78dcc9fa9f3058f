#pragma once

#include "tests/sim/sim_run.h"
#include "tests/support/booted_device.h"

#include "velmora/store/store.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace velmora::testing {

using nlohmann::ordered_json;
using testing_support::rowLabelled;
using testing_support::labelsOf;

// The real Settings app with the library, driven by simulator scripts as a person drives it.
class PaneSimTest : public ::testing::Test {
protected:
    explicit PaneSimTest(std::string profile = "phone");

    // Runs the script (the set-up screen already seen); every command must succeed. Returns what
    // each `dump` in it printed.
    std::vector<ordered_json> run(const std::string& script);
    // The same on a device whose disk is full: every write of a file larger than room bytes fails.
    std::vector<ordered_json> runOnFullDisk(const std::string& script, std::size_t room = 0);
    // The dump shows the alert for a change that could not be saved.
    static void expectNotSaved(const ordered_json& dump);
    // The script that opens a page of the pane from the root list: "Tags", "Themes", ...
    static std::string openPane(const std::string& link = {});

    // Writes a store of the booted device, as a file written by hand.
    void save(store::Store which, const device::foundation::PlistDictionary& contents);
    void save(const std::string& path, const device::foundation::PlistDictionary& contents);
    device::foundation::PlistDictionary stored(store::Store which) const { return store::load(which); }
    device::foundation::PlistDictionary storedAt(const std::string& path) const { return store::load(path); }
    bool exists(const std::string& platformPath) const;
    // The root list's rows as the app holds them now, by name.
    std::vector<std::string> describeRootList();

    testing_support::BootedDevice m_device;
};

}  // namespace velmora::testing
