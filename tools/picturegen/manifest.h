#pragma once

#include "raster.h"

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace tools {

struct Layer {
    Shape shape;
    Paint paint;
};

struct Picture {
    std::filesystem::path file;  // relative to the output root
    int width = 0;
    int height = 0;
    std::vector<Layer> layers;
};

// The message names the place in the manifest, e.g. `outputs[2] › wifi.png › shapes[3]: ...`.
class ManifestError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::vector<Picture> parseManifest(const std::string& json);
std::vector<Picture> readManifest(const std::filesystem::path& path);

Canvas render(const Picture& picture);

}  // namespace tools
