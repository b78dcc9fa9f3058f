#pragma once

#include <signal.h>
#include <sys/resource.h>

namespace testing_support {

// While one lives, no file of this process can grow past room bytes: every whole-file write of more
// fails as on a disk that is full, and the files already there keep their content. Works as root
// too, where permissions stop nothing.
class FullDisk {
public:
    explicit FullDisk(rlim_t room = 0);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit m_limit{};
    struct sigaction m_sizeSignal {};
};

}  // namespace testing_support
