#pragma once

#include <filesystem>

namespace testing_support {

// A fresh, empty device root for one test, removed with everything in it afterwards.
class TempRoot {
public:
    TempRoot();
    ~TempRoot();
    TempRoot(const TempRoot&) = delete;
    TempRoot& operator=(const TempRoot&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    // The host path of a platform path under this root.
    std::filesystem::path operator/(std::string_view platformPath) const;

private:
    std::filesystem::path m_path;
};

}  // namespace testing_support
