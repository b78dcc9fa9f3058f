#include "device/foundation/atomic_file_write.h"

#include "device/foundation/file_descriptor.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

namespace device::foundation {

namespace {

constexpr std::string_view kUniqueSuffix = "XXXXXX";

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Hidden, so that no listing of the folder takes it for a file of its own. The name is shortened
// so that the temporary name stays within the file system's limit.
std::string temporaryPrefix(const std::filesystem::path& file)
{
    return "." + file.filename().string().substr(0, 64) + ".";
}

bool isSameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A writer holds a lock on its temporary file until it has renamed it, and the lock dies with the
// writer: a temporary file that can be locked belongs to nobody any more.
void removeLeftovers(const std::filesystem::path& file)
{
    std::string prefix = temporaryPrefix(file);
    std::error_code error;
    for (std::filesystem::directory_iterator it(file.parent_path(), error), end; !error && it != end;
         it.increment(error)) {
        std::string name = it->path().filename().string();
        if (name.size() != prefix.size() + kUniqueSuffix.size() || !name.starts_with(prefix)) {
            continue;
        }
        FileDescriptor leftover(::open(it->path().c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
        struct stat opened {};
        struct stat named {};
        if (leftover.get() < 0 || ::flock(leftover.get(), LOCK_EX | LOCK_NB) != 0
            || ::fstat(leftover.get(), &opened) != 0 || !S_ISREG(opened.st_mode)) {
            continue;
        }
        // Renamed into place while this looked at it: the name is gone or someone else's now.
        if (::lstat(it->path().c_str(), &named) == 0 && isSameFile(opened, named)) {
            ::unlink(it->path().c_str());
        }
    }
}

}  // namespace

bool writeFileAtomically(const std::filesystem::path& file, std::string_view bytes)
{
    removeLeftovers(file);
    std::string temporary = (file.parent_path() / (temporaryPrefix(file) + std::string(kUniqueSuffix))).string();
    FileDescriptor written(::mkstemp(temporary.data()));
    if (written.get() < 0) {
        return false;
    }
    // The lock is let go with the descriptor, after the rename: until then the file is in use.
    bool replaced = ::flock(written.get(), LOCK_EX) == 0 && ::fchmod(written.get(), 0644) == 0
        && writeAll(written.get(), bytes) && ::fsync(written.get()) == 0
        && ::rename(temporary.c_str(), file.c_str()) == 0;
    if (!replaced) {
        ::unlink(temporary.c_str());
    }
    return written.close() && replaced;
}

}  // namespace device::foundation
