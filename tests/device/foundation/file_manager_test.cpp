#include "device/foundation/file_manager.h"

#include "tests/support/temp_root.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace device::foundation {
namespace {

namespace fs = std::filesystem;

class FileManagerTest : public ::testing::Test {
protected:
    void SetUp() override { DeviceRoot::set(m_root.path()); }
    void TearDown() override { DeviceRoot::set({}); }

    static void writeHostFile(const fs::path& path, std::string_view contents)
    {
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << contents;
    }

    static std::string readHostFile(const fs::path& path)
    {
        std::ostringstream contents;
        contents << std::ifstream(path, std::ios::binary).rdbuf();
        return contents.str();
    }

    static std::vector<std::string> hostListing(const fs::path& folder)
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    FileManager& m_files = FileManager::defaultManager();
    testing_support::TempRoot m_root;
};

TEST_F(FileManagerTest, PlatformPathsMapUnderTheRoot)
{
    EXPECT_EQ(DeviceRoot::get(), m_root.path());
    EXPECT_EQ(DeviceRoot::map("/var/mobile/Library/Preferences/a.plist"),
              m_root.path() / "var/mobile/Library/Preferences/a.plist");
    EXPECT_EQ(DeviceRoot::map("/a/./b//c/"), m_root.path() / "a/b/c");
    EXPECT_EQ(DeviceRoot::map("/a/x/../b"), m_root.path() / "a/b");
    EXPECT_EQ(DeviceRoot::map("/Library/Application Support/Velmora/Themes/Dark"),
              m_root.path() / "Library/Application Support/Velmora/Themes/Dark");
    EXPECT_EQ(DeviceRoot::map("/"), m_root.path());
}

TEST_F(FileManagerTest, PathsThatLeaveTheRootOrAreNotAbsoluteMapToNothing)
{
    using namespace std::string_view_literals;
    for (auto path : {"/.."sv, "/../etc/passwd"sv, "/a/../../b"sv, "/var/../../.."sv, "relative/path"sv, ""sv, "."sv,
                      "../x"sv, "/a\0b"sv}) {
        EXPECT_FALSE(DeviceRoot::map(path)) << path;
    }
    DeviceRoot::set({});
    EXPECT_FALSE(DeviceRoot::map("/var/mobile"));
    EXPECT_FALSE(m_files.fileExistsAtPath("/"));
}

TEST_F(FileManagerTest, EscapingPathsNeitherReadNorWriteOutsideTheRoot)
{
    const std::string outsideName = m_root.path().filename().string() + "-outside";
    const fs::path outside = m_root.path().parent_path() / outsideName;
    const std::string escaping = "/../" + outsideName;

    EXPECT_FALSE(m_files.writeAtomically(escaping, "x"));
    EXPECT_FALSE(m_files.createDirectoryAtPath(escaping));
    EXPECT_FALSE(fs::exists(outside));

    writeHostFile(outside, "secret");
    EXPECT_FALSE(m_files.contentsAtPath(escaping));
    EXPECT_FALSE(m_files.fileExistsAtPath(escaping));
    EXPECT_FALSE(m_files.isReadableFileAtPath(escaping));
    EXPECT_FALSE(m_files.isWritableFileAtPath(escaping));
    EXPECT_FALSE(m_files.isDeletableFileAtPath(escaping));
    EXPECT_FALSE(m_files.removeItemAtPath(escaping));
    EXPECT_FALSE(m_files.moveItemAtPath(escaping, "/moved"));
    EXPECT_TRUE(m_files.contentsOfDirectoryAtPath("/..").empty());
    EXPECT_EQ(readHostFile(outside), "secret");
    fs::remove(outside);
}

TEST_F(FileManagerTest, AtomicWriteCreatesAndReplacesWithoutLeavingTemporaries)
{
    m_files.createDirectoryAtPath("/var/mobile/Library/Preferences");
    const std::string path = "/var/mobile/Library/Preferences/store.plist";

    ASSERT_TRUE(m_files.writeAtomically(path, "first"));
    EXPECT_EQ(readHostFile(m_root / path), "first");
    ASSERT_TRUE(m_files.writeAtomically(path, "second, longer"));
    EXPECT_EQ(readHostFile(m_root / path), "second, longer");
    ASSERT_TRUE(m_files.writeAtomically(path, ""));
    EXPECT_EQ(readHostFile(m_root / path), "");

    EXPECT_EQ(hostListing(m_root / "/var/mobile/Library/Preferences"), std::vector<std::string>{"store.plist"});
}

TEST_F(FileManagerTest, AtomicWriteFailsWithoutItsFolderOrOntoAFolder)
{
    EXPECT_FALSE(m_files.writeAtomically("/var/mobile/Library/Preferences/store.plist", "x"));
    EXPECT_TRUE(hostListing(m_root.path()).empty());

    m_files.createDirectoryAtPath("/folder/inner");
    EXPECT_FALSE(m_files.writeAtomically("/folder/inner", "x"));
    EXPECT_TRUE(m_files.isDirectoryAtPath("/folder/inner"));
    EXPECT_EQ(hostListing(m_root / "/folder"), std::vector<std::string>{"inner"});
}

TEST_F(FileManagerTest, AtomicWriteOfALongFileName)
{
    m_files.createDirectoryAtPath("/prefs");
    const std::string path = "/prefs/com.corvane.velmora.position_" + std::string(200, 'n') + ".plist";
    ASSERT_TRUE(m_files.writeAtomically(path, "long"));
    EXPECT_EQ(m_files.contentsAtPath(path), "long");
    EXPECT_EQ(m_files.contentsOfDirectoryAtPath("/prefs").size(), 1u);
}

TEST_F(FileManagerTest, ContentsAtPath)
{
    writeHostFile(m_root / "/data/bytes.bin", std::string("a\0b\xff", 4));
    EXPECT_EQ(m_files.contentsAtPath("/data/bytes.bin"), std::string("a\0b\xff", 4));
    EXPECT_FALSE(m_files.contentsAtPath("/data/missing"));
    EXPECT_FALSE(m_files.contentsAtPath("/data"));

    // Sparse m_files: the size is what counts, and nothing is written to the disk.
    const std::size_t cap = 16 * 1024 * 1024;
    std::ofstream(m_root / "/data/at-cap").close();
    fs::resize_file(m_root / "/data/at-cap", cap);
    std::ofstream(m_root / "/data/over-cap").close();
    fs::resize_file(m_root / "/data/over-cap", cap + 1);
    auto atCap = m_files.contentsAtPath("/data/at-cap");
    ASSERT_TRUE(atCap);
    EXPECT_EQ(atCap->size(), cap);
    EXPECT_FALSE(m_files.contentsAtPath("/data/over-cap"));
}

TEST_F(FileManagerTest, ReadsAreCountedPerFileWhateverTheSpellingUntilTheRootIsSetAgain)
{
    writeHostFile(m_root / "/data/a.plist", "a");
    m_files.contentsAtPath("/data/a.plist");
    m_files.contentsAtPath("/data/./x/../a.plist");
    m_files.contentsAtPath("/data/missing");
    m_files.fileExistsAtPath("/data/a.plist");
    EXPECT_EQ(m_files.readCount("/data/a.plist"), 2u);
    EXPECT_EQ(m_files.readCount("/data/missing"), 1u);
    EXPECT_EQ(m_files.readCount("/data/other"), 0u);
    EXPECT_EQ(m_files.readCount("/../escape"), 0u);

    DeviceRoot::set(m_root.path());
    EXPECT_EQ(m_files.readCount("/data/a.plist"), 0u);
}

TEST_F(FileManagerTest, ExistenceAndAccessQueries)
{
    writeHostFile(m_root / "/folder/file.txt", "x");

    EXPECT_TRUE(m_files.fileExistsAtPath("/folder/file.txt"));
    EXPECT_TRUE(m_files.fileExistsAtPath("/folder"));
    EXPECT_FALSE(m_files.fileExistsAtPath("/folder/missing"));

    EXPECT_TRUE(m_files.isDirectoryAtPath("/folder"));
    EXPECT_FALSE(m_files.isDirectoryAtPath("/folder/file.txt"));
    EXPECT_FALSE(m_files.isDirectoryAtPath("/missing"));

    EXPECT_TRUE(m_files.isReadableFileAtPath("/folder/file.txt"));
    EXPECT_TRUE(m_files.isWritableFileAtPath("/folder/file.txt"));
    EXPECT_TRUE(m_files.isDeletableFileAtPath("/folder/file.txt"));
    EXPECT_FALSE(m_files.isReadableFileAtPath("/folder/missing"));
    EXPECT_FALSE(m_files.isWritableFileAtPath("/folder/missing"));
    EXPECT_FALSE(m_files.isDeletableFileAtPath("/folder/missing"));
}

TEST_F(FileManagerTest, DirectoriesAreCreatedWithTheirParentsAndListedByName)
{
    EXPECT_TRUE(m_files.createDirectoryAtPath("/a/b/c"));
    EXPECT_TRUE(m_files.createDirectoryAtPath("/a/b/c"));
    EXPECT_TRUE(fs::is_directory(m_root / "/a/b/c"));

    writeHostFile(m_root / "/a/b/zeta", "");
    writeHostFile(m_root / "/a/b/alpha", "");
    EXPECT_EQ(m_files.contentsOfDirectoryAtPath("/a/b"), (std::vector<std::string>{"alpha", "c", "zeta"}));
    EXPECT_TRUE(m_files.contentsOfDirectoryAtPath("/missing").empty());

    writeHostFile(m_root / "/plain", "");
    EXPECT_FALSE(m_files.createDirectoryAtPath("/plain"));
}

TEST_F(FileManagerTest, RemovingFilesAndFolders)
{
    writeHostFile(m_root / "/folder/inner/file.txt", "x");
    writeHostFile(m_root / "/single.txt", "x");

    EXPECT_TRUE(m_files.removeItemAtPath("/single.txt"));
    EXPECT_FALSE(fs::exists(m_root / "/single.txt"));
    EXPECT_FALSE(m_files.removeItemAtPath("/single.txt"));

    EXPECT_TRUE(m_files.removeItemAtPath("/folder"));
    EXPECT_FALSE(fs::exists(m_root / "/folder"));
    EXPECT_TRUE(fs::exists(m_root.path()));
}

TEST_F(FileManagerTest, MovingKeepsTheTargetWhenItExists)
{
    writeHostFile(m_root / "/prefs/old.plist", "old");
    writeHostFile(m_root / "/prefs/taken.plist", "taken");

    EXPECT_TRUE(m_files.moveItemAtPath("/prefs/old.plist", "/prefs/new.plist"));
    EXPECT_FALSE(fs::exists(m_root / "/prefs/old.plist"));
    EXPECT_EQ(readHostFile(m_root / "/prefs/new.plist"), "old");

    EXPECT_FALSE(m_files.moveItemAtPath("/prefs/new.plist", "/prefs/taken.plist"));
    EXPECT_EQ(readHostFile(m_root / "/prefs/new.plist"), "old");
    EXPECT_EQ(readHostFile(m_root / "/prefs/taken.plist"), "taken");

    EXPECT_FALSE(m_files.moveItemAtPath("/prefs/missing.plist", "/prefs/other.plist"));
    EXPECT_FALSE(fs::exists(m_root / "/prefs/other.plist"));
    EXPECT_FALSE(m_files.moveItemAtPath("/prefs/new.plist", "/no-such-folder/new.plist"));
    EXPECT_TRUE(fs::exists(m_root / "/prefs/new.plist"));
}

}  // namespace
}  // namespace device::foundation
