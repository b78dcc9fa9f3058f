#include "monkey/sandbox.h"

#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

namespace monkey {

namespace {

constexpr const char* kOutside = "outside";

std::filesystem::path freshTemporaryFolder()
{
    auto temporary = std::filesystem::temp_directory_path();
    std::string pattern = (temporary / "velmora-monkey-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        throw std::runtime_error("cannot create a temporary folder in " + temporary.string());
    }
    return pattern;
}

}  // namespace

Sandbox::Sandbox(const std::optional<std::filesystem::path>& folder)
    : m_folder(folder ? std::filesystem::absolute(*folder) : freshTemporaryFolder()), m_keep(folder.has_value())
{
    std::filesystem::create_directories(outside());
}

Sandbox::~Sandbox()
{
    if (!m_keep) {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }
}

std::filesystem::path Sandbox::root(const std::string& device) const
{
    return m_folder / device;
}

std::filesystem::path Sandbox::outside() const
{
    return m_folder / kOutside;
}

void Sandbox::enter() const
{
    const std::string home = outside().string();
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("XDG_DATA_HOME", home.c_str(), 1);
    ::setenv("TMPDIR", home.c_str(), 1);
    std::filesystem::current_path(outside());
}

std::vector<std::string> Sandbox::writtenOutside() const
{
    std::vector<std::string> written;
    for (const auto& item : std::filesystem::directory_iterator(m_folder)) {
        auto name = item.path().filename().string();
        if (name != kOutside && name != "phone" && name != "tablet" && !name.ends_with(".sim")) {
            written.push_back(name);
        }
    }
    for (const auto& item : std::filesystem::recursive_directory_iterator(outside())) {
        written.push_back(std::filesystem::relative(item.path(), m_folder).string());
    }
    return written;
}

}  // namespace monkey
