#include "device/foundation/file_manager.h"
#include "device/foundation/property_list_file.h"
#include "device/uikit/image.h"

#include <cmath>

// The lookup of an installed application's icon by bundle identifier. Applications live in /Applications as
// "<Name>.app" folders whose Info.plist names the bundle and its icon files.
namespace device::uikit {
namespace {

constexpr std::string_view kApplications = "/Applications/";

std::vector<std::string> iconFileNames(const foundation::PlistDictionary& info)
{
    std::vector<std::string> names;
    auto add = [&](const foundation::PlistValue& value) {
        if (const std::string* name = value.string()) {
            names.push_back(*name);
        }
    };
    if (auto files = info.find("CFBundleIconFiles"); files != info.end() && files->second.array()) {
        for (const foundation::PlistValue& file : *files->second.array()) {
            add(file);
        }
    }
    if (auto file = info.find("CFBundleIconFile"); file != info.end()) {
        add(file->second);
    }
    names.emplace_back("Icon");
    return names;
}

std::string withoutPngExtension(std::string name)
{
    if (name.size() > 4 && name.ends_with(".png")) {
        name.resize(name.size() - 4);
    }
    return name;
}

// "Icon@2x.png" for a scale of 2 first, then the plain file.
std::shared_ptr<UIImage> loadIcon(const std::string& bundle, const std::vector<std::string>& names, double scale)
{
    long factor = std::lround(scale);
    for (const std::string& name : names) {
        std::string base = bundle + "/" + withoutPngExtension(name);
        if (factor > 1) {
            if (auto image = UIImage::imageWithContentsOfFile(base + "@" + std::to_string(factor) + "x.png")) {
                return image;
            }
        }
        if (auto image = UIImage::imageWithContentsOfFile(base + ".png")) {
            return image;
        }
    }
    return nullptr;
}

}  // namespace

std::shared_ptr<UIImage> UIImage::_applicationIconImageForBundleIdentifier(std::string_view bundleIdentifier, int,
                                                                           double scale)
{
    if (bundleIdentifier.empty()) {
        return nullptr;
    }
    auto& files = foundation::FileManager::defaultManager();
    for (const std::string& entry : files.contentsOfDirectoryAtPath(kApplications)) {
        if (!entry.ends_with(".app")) {
            continue;
        }
        std::string bundle = std::string(kApplications) + entry;
        auto info = foundation::dictionaryWithContentsOfFile(bundle + "/Info.plist");
        if (!info) {
            continue;
        }
        auto identifier = info->find("CFBundleIdentifier");
        if (identifier != info->end() && identifier->second.string() && *identifier->second.string() == bundleIdentifier) {
            return loadIcon(bundle, iconFileNames(*info), scale);
        }
    }
    return nullptr;
}

}  // namespace device::uikit
