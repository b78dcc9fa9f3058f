#include "tests/support/temp_root.h"

#include "velmora/store/store.h"

#include "device/foundation/file_manager.h"
#include "device/foundation/property_list_file.h"
#include "device/foundation/user_defaults.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <numeric>
#include <optional>
#include <random>
#include <thread>

namespace {

namespace fs = std::filesystem;
using device::foundation::PlistArray;
using device::foundation::PlistDictionary;
using device::foundation::PlistValue;
using velmora::store::Store;

constexpr std::string_view kPreferences = "/var/mobile/Library/Preferences";

// Contents big enough that writing them takes a while, told apart by their generation.
PlistDictionary generation(long number)
{
    PlistDictionary contents{{"generation", number}};
    for (int i = 0; i < 100; ++i) {
        contents.emplace("entry" + std::to_string(i), PlistArray{PlistValue(number), PlistValue("some text")});
    }
    return contents;
}

// One file the device writes whole, and how it is written.
struct Writer {
    std::string path;
    std::function<bool(long)> write;
};

std::vector<Writer> writers()
{
    std::vector<Writer> result;
    for (Store store : {Store::Enabled, Store::Hide, Store::Tag, Store::Position, Store::Protected}) {
        result.push_back({velmora::store::storePath(store),
                          [store](long number) { return velmora::store::save(store, generation(number)); }});
    }
    std::string social = velmora::store::tagPositionStorePath("Social");
    result.push_back({social, [social](long number) { return velmora::store::save(social, generation(number)); }});
    result.push_back({std::string(device::foundation::kGlobalPreferencesPath), [](long number) {
                          return device::foundation::UserDefaults::standardUserDefaults().setObjectForKey(
                              PlistValue(generation(number)), "generation");
                      }});
    return result;
}

// The generation a file holds, or -1 when it is not a whole property list of one.
long generationIn(const std::string& path)
{
    auto contents = device::foundation::dictionaryWithContentsOfFile(path);
    if (!contents) {
        return -1;
    }
    const PlistValue* holder = &contents->at("generation");
    if (holder->isDictionary()) {
        holder = &holder->dictionary()->at("generation");
    }
    return std::get<std::int64_t>(holder->storage());
}

// The files in the preferences folder that are not any store: what a write left behind.
std::vector<std::string> leftovers(const testing_support::TempRoot& root)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(root / kPreferences)) {
        std::string name = entry.path().filename().string();
        if (!name.ends_with(".plist")) {
            names.push_back(name);
        }
    }
    return names;
}

class StoreCrashSafety : public ::testing::Test {
protected:
    void SetUp() override
    {
        device::foundation::DeviceRoot::set(m_root.path());
        fs::create_directories(m_root / kPreferences);
    }
    void TearDown() override { device::foundation::DeviceRoot::set({}); }

    // Runs each write in a child process of its own, all at once; a child with a deadline is killed
    // when it passes, whatever it is doing. Reports which children finished with their write done.
    std::vector<bool> inChildren(const std::vector<std::function<bool()>>& writes,
                                 const std::vector<std::optional<std::chrono::microseconds>>& killAfter,
                                 const std::function<void()>& prepare = {})
    {
        std::vector<pid_t> children;
        std::vector<int> ready;
        for (const auto& write : writes) {
            int pipe[2];
            if (::pipe(pipe) != 0) {
                ADD_FAILURE() << "no pipe";
                break;
            }
            pid_t child = ::fork();
            if (child == 0) {
                ::close(pipe[0]);
                if (prepare) {
                    prepare();
                }
                char go = 1;
                bool written = ::write(pipe[1], &go, 1) == 1 && write();
                ::_exit(written ? 0 : 1);
            }
            ::close(pipe[1]);
            children.push_back(child);
            ready.push_back(pipe[0]);
        }
        for (int fd : ready) {
            char go = 0;
            EXPECT_EQ(::read(fd, &go, 1), 1);
            ::close(fd);
        }
        auto start = std::chrono::steady_clock::now();
        std::vector<std::size_t> order(children.size());
        std::iota(order.begin(), order.end(), 0);
        std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return killAfter[a] < killAfter[b]; });
        for (std::size_t i : order) {
            if (killAfter[i]) {
                std::this_thread::sleep_until(start + *killAfter[i]);
                ::kill(children[i], SIGKILL);
            }
        }
        std::vector<bool> done;
        for (pid_t child : children) {
            int status = 0;
            ::waitpid(child, &status, 0);
            done.push_back(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        return done;
    }

    testing_support::TempRoot m_root;
};

TEST_F(StoreCrashSafety, AWriterKilledAtAnyMomentLeavesTheOldOrTheNewContentAndTheNextWriteClearsUp)
{
    auto files = writers();
    std::vector<long> current(files.size(), 0);
    for (std::size_t i = 0; i < files.size(); ++i) {
        ASSERT_TRUE(files[i].write(0));
    }
    // Kills land from before the write starts until after it ends: the write's length sets the range.
    auto started = std::chrono::steady_clock::now();
    for (const auto& file : files) {
        file.write(0);
    }
    auto longest = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started)
        * 3 / static_cast<long>(files.size());
    std::mt19937 random(20261206);
    int keptOld = 0;
    int tookNew = 0;
    // Every writer at once, each killed at its own moment, round after round.
    for (int round = 0; round < 150; ++round) {
        std::vector<std::function<bool()>> writes;
        std::vector<std::optional<std::chrono::microseconds>> moments;
        for (std::size_t i = 0; i < files.size(); ++i) {
            writes.push_back([&, i] { return files[i].write(current[i] + 1); });
            moments.emplace_back(std::uniform_int_distribution<long>(0, longest.count())(random));
        }
        inChildren(writes, moments);
        for (std::size_t i = 0; i < files.size(); ++i) {
            long found = generationIn(files[i].path);
            ASSERT_TRUE(found == current[i] || found == current[i] + 1)
                << files[i].path << " holds " << found << " in round " << round << ", not " << current[i]
                << " or " << current[i] + 1;
            (found == current[i] ? keptOld : tookNew)++;
            current[i] = found;
        }
        if (round % 10 == 9) {
            // Whoever writes a store next takes away what killed writers left of it.
            std::size_t which = static_cast<std::size_t>(round / 10) % files.size();
            ASSERT_TRUE(files[which].write(++current[which]));
            for (const auto& name : leftovers(m_root)) {
                EXPECT_FALSE(name.starts_with("." + fs::path(files[which].path).filename().string()))
                    << name << " survived a write of " << files[which].path;
            }
        }
    }
    EXPECT_GT(keptOld, 0);
    EXPECT_GT(tookNew, 0);

    for (std::size_t i = 0; i < files.size(); ++i) {
        ASSERT_TRUE(files[i].write(current[i] + 1));
        EXPECT_EQ(generationIn(files[i].path), current[i] + 1) << files[i].path;
    }
    EXPECT_EQ(leftovers(m_root), std::vector<std::string>{}) << "no temporary file survives the next write";
}

TEST_F(StoreCrashSafety, AFullDiskLeavesTheStoreAsItWasAndTheWriteReportsIt)
{
    auto files = writers();
    for (const auto& file : files) {
        ASSERT_TRUE(file.write(1));
    }
    // A file size limit fails the write part-way, as a disk that fills up does.
    auto smallDisk = [] {
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    };
    for (const auto& file : files) {
        auto done = inChildren({[&] { return file.write(2); }}, {std::nullopt}, smallDisk);
        EXPECT_FALSE(done.front()) << file.path;
        EXPECT_EQ(generationIn(file.path), 1) << file.path;
    }
    EXPECT_EQ(leftovers(m_root), std::vector<std::string>{});
}

TEST_F(StoreCrashSafety, LeftoversAreNeverTakenForTheStore)
{
    auto path = velmora::store::storePath(Store::Hide);
    ASSERT_TRUE(velmora::store::save(Store::Hide, generation(1)));
    std::string leftover = "." + fs::path(path).filename().string() + ".a1B2c3";
    fs::copy_file(m_root / path, m_root / (std::string(kPreferences) + "/" + leftover));
    fs::remove(m_root / path);

    EXPECT_EQ(generationIn(path), -1) << "a missing store reads as missing, whatever lies beside it";
    // Another store's write leaves it alone; this store's next write takes it away.
    ASSERT_TRUE(velmora::store::save(Store::Tag, generation(2)));
    EXPECT_EQ(leftovers(m_root), std::vector<std::string>{leftover});
    ASSERT_TRUE(velmora::store::save(Store::Hide, generation(3)));
    EXPECT_EQ(leftovers(m_root), std::vector<std::string>{});
    EXPECT_EQ(generationIn(path), 3);
}

}  // namespace
