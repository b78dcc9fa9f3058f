#include "tests/support/full_disk.h"

#include <gtest/gtest.h>

namespace testing_support {

FullDisk::FullDisk(rlim_t room)
{
    // Ignored, the signal becomes a write that fails instead of a process that dies.
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    EXPECT_EQ(::sigaction(SIGXFSZ, &ignore, &m_sizeSignal), 0);
    EXPECT_EQ(::getrlimit(RLIMIT_FSIZE, &m_limit), 0);
    rlimit full = m_limit;
    full.rlim_cur = room;
    EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &full), 0);
}

FullDisk::~FullDisk()
{
    ::setrlimit(RLIMIT_FSIZE, &m_limit);
    ::sigaction(SIGXFSZ, &m_sizeSignal, nullptr);
}

}  // namespace testing_support
