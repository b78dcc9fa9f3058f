#include "manifest.h"

#include <exception>
#include <filesystem>
#include <iostream>

namespace {

constexpr const char* kUsage = "usage: velmora-picturegen MANIFEST OUTPUT_DIR\n";

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << kUsage;
        return 2;
    }
    const std::filesystem::path manifest = argv[1];
    const std::filesystem::path outputRoot = argv[2];
    try {
        for (const tools::Picture& picture : tools::readManifest(manifest)) {
            const std::filesystem::path target = outputRoot / picture.file;
            std::filesystem::create_directories(target.parent_path());
            tools::render(picture).writePng(target);
        }
    } catch (const std::exception& e) {
        std::cerr << "velmora-picturegen: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
