#include "tests/support/temp_root.h"

#include <cstdlib>
#include <string>

namespace testing_support {

TempRoot::TempRoot()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "velmora-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        std::abort();
    }
    m_path = pattern;
}

TempRoot::~TempRoot()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::filesystem::path TempRoot::operator/(std::string_view platformPath) const
{
    while (!platformPath.empty() && platformPath.front() == '/') {
        platformPath.remove_prefix(1);
    }
    return m_path / platformPath;
}

}  // namespace testing_support
