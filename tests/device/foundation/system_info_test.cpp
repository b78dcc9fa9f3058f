#include "device/foundation/system_info.h"

#include <gtest/gtest.h>
#include <sys/utsname.h>

#include <cstring>

namespace device::foundation {
namespace {

class SystemInfoTest : public ::testing::Test {
protected:
    void TearDown() override { SystemInfo::set({}); }
};

TEST_F(SystemInfoTest, UnameReportsTheDevice)
{
    SystemInfo info;
    info.model = "iPhone";
    info.machine = "iPhone6,1";
    info.nodeName = "Test-iPhone";
    SystemInfo::set(info);
    EXPECT_EQ(SystemInfo::current().machine, "iPhone6,1");

    ::utsname name;
    std::memset(&name, 'z', sizeof(name));
    ASSERT_EQ(foundation::uname(&name), 0);
    EXPECT_STREQ(name.sysname, "Darwin");
    EXPECT_STREQ(name.nodename, "Test-iPhone");
    EXPECT_STREQ(name.release, "14.0.0");
    EXPECT_NE(std::strstr(name.version, "Darwin Kernel Version 14.0.0"), nullptr);
    EXPECT_STREQ(name.machine, "iPhone6,1");
}

TEST_F(SystemInfoTest, LongValuesAreCutToTheFieldAndTerminated)
{
    SystemInfo info;
    info.machine = std::string(1000, 'm');
    info.nodeName = std::string(1000, 'n');
    SystemInfo::set(info);

    ::utsname name;
    ASSERT_EQ(foundation::uname(&name), 0);
    EXPECT_EQ(std::strlen(name.machine), sizeof(name.machine) - 1);
    EXPECT_EQ(std::strlen(name.nodename), sizeof(name.nodename) - 1);
    EXPECT_EQ(std::string(name.machine), std::string(sizeof(name.machine) - 1, 'm'));
}

TEST_F(SystemInfoTest, UnameWithoutABufferFails)
{
    EXPECT_EQ(foundation::uname(nullptr), -1);
}

}  // namespace
}  // namespace device::foundation
