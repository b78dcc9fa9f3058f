#include "velmora/core/library_load.h"
#include "velmora/core/shared_state.h"
#include "velmora/store/store.h"

#include "device/foundation/file_manager.h"
#include "device/foundation/property_list_file.h"
#include "device/foundation/run_loop.h"
#include "device/foundation/system_info.h"
#include "device/objc/message.h"
#include "device/preferences/list_controller.h"
#include "device/settings/prefs_list_controller.h"
#include "device/uikit/application.h"
#include "device/uikit/screen.h"
#include "device/uikit/uikit_classes.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace foundation = device::foundation;
using foundation::PlistDictionary;
using velmora::store::Store;

constexpr int kSections = 100;
constexpr int kRowsPerSection = 9;
constexpr int kTags = 100;
constexpr int kMembersPerTag = 4;

std::string rowName(int section, int row)
{
    return "Entry " + std::to_string(section) + "." + std::to_string(row);
}

device::settings::ProfileEntry entry(std::string cell, std::string label)
{
    device::settings::ProfileEntry entry;
    entry.cell = std::move(cell);
    entry.label = std::move(label);
    return entry;
}

// A booted phone on a scratch root whose host list has 1000 entries (100 sections of a group and
// nine rows) and whose stores hold 100 tags of four members each.
class LargeRootList {
public:
    explicit LargeRootList(bool storedOrder) : m_storedOrder(storedOrder)
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "velmora-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) {
            std::abort();
        }
        m_root = pattern;
        std::filesystem::create_directories(m_root / "var/mobile/Library/Preferences");
        std::filesystem::create_directories(m_root / "Library/Application Support/Velmora/Languages");
        foundation::DeviceRoot::set(m_root);
        startPlatform();
        writeStores();
        velmora::core::loadLibrary();
        m_controller = device::objc::create<device::settings::PrefsListController>();
    }

    ~LargeRootList()
    {
        m_controller.reset();
        foundation::RunLoop::main().reset();
        velmora::core::createSharedState();
        device::settings::setRunningProfile(nullptr);
        std::error_code ignored;
        std::filesystem::remove_all(m_root, ignored);
    }

    void rebuild() { device::objc::msgSend<void>(m_controller.get(), "reloadSpecifiers"); }
    // Rewrites the stores with a key of no consequence added or taken away, so none reads as it did.
    void changeStores()
    {
        m_spareFlag = !m_spareFlag;
        writeStores();
    }
    std::size_t size() { return m_controller->specifiers().size(); }

private:
    void startPlatform()
    {
        device::objc::objc_resetRuntime();
        foundation::RunLoop::main().reset();
        foundation::registerFoundationClasses();
        device::uikit::registerUIKitClasses();
        device::preferences::registerPreferencesClasses();
        device::settings::registerSettingsClasses();
        foundation::SystemInfo info;
        info.model = "iPhone";
        info.machine = "iPhone6,1";
        foundation::SystemInfo::set(info);
        device::uikit::UIScreen::configure({320, 568}, 2);

        for (int section = 0; section < kSections; ++section) {
            m_profile.entries.push_back(entry("PSGroupCell", "Section " + std::to_string(section)));
            for (int row = 0; row < kRowsPerSection; ++row) {
                m_profile.entries.push_back(entry("PSLinkCell", rowName(section, row)));
            }
        }
        device::settings::setRunningProfile(&m_profile);
    }

    void writeStores()
    {
        foundation::writeToFile(PlistDictionary{{"anim", "Animation"}, {"dividers", "Hide dividers"}},
                                "/Library/Application Support/Velmora/Languages/en.plist");
        velmora::store::save(Store::Enabled, {{"Enabled", true}});
        PlistDictionary tags;
        for (int tag = 1; tag <= kTags; ++tag) {
            PlistDictionary record{{"Name", "Tag " + std::to_string(tag)}, {"Icon", "/nowhere.png"}};
            if (m_spareFlag) {
                record["Spare"] = true;
            }
            for (int member = 0; member < kMembersPerTag; ++member) {
                record[rowName(tag - 1, member)] = true;
            }
            tags[std::to_string(tag)] = record;
        }
        velmora::store::save(Store::Tag, tags);
        if (m_storedOrder) {
            PlistDictionary order;
            if (m_spareFlag) {
                order["Spare"] = true;
            }
            int place = 0;
            for (int section = kSections - 1; section >= 0; --section) {
                for (int row = kRowsPerSection - 1; row >= 0; --row) {
                    order[std::to_string(place++)] = rowName(section, row);
                }
            }
            velmora::store::save(Store::Position, order);
        }
    }

    bool m_storedOrder;
    bool m_spareFlag = false;
    std::filesystem::path m_root;
    device::settings::DeviceProfile m_profile;
    std::shared_ptr<device::settings::PrefsListController> m_controller;
};

void rebuildLargeRootList(benchmark::State& state, bool storedOrder, bool storesChange = false)
{
    LargeRootList list(storedOrder);
    for (auto _ : state) {
        if (storesChange) {
            state.PauseTiming();
            list.changeStores();
            state.ResumeTiming();
        }
        list.rebuild();
    }
    state.counters["entries"] = static_cast<double>(list.size());
}

void BM_RebuildWithTags(benchmark::State& state)
{
    rebuildLargeRootList(state, false);
}

void BM_RebuildWithTagsAndStoredOrder(benchmark::State& state)
{
    rebuildLargeRootList(state, true);
}

// The stores change before every rebuild, so each is parsed afresh rather than recognised.
void BM_RebuildWithTagsAndStoredOrderAfterAChange(benchmark::State& state)
{
    rebuildLargeRootList(state, true, true);
}

BENCHMARK(BM_RebuildWithTags)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RebuildWithTagsAndStoredOrder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RebuildWithTagsAndStoredOrderAfterAChange)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
