#include "sim/commands/commands.h"
#include "sim/simulator.h"

#include "device/graphics/png_codec.h"
#include "device/render/view_raster.h"
#include "device/uikit/application.h"
#include "device/uikit/window.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace sim::commands {

namespace {

// Written beside the target and renamed over it, so a failed write never leaves half a picture behind.
std::string writeFileWhole(const std::filesystem::path& file, const std::string& bytes)
{
    std::filesystem::path partial = file;
    partial += ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        if (!out) {
            return std::strerror(errno);
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(partial, ignored);
            return "the write did not complete";
        }
    }
    std::error_code error;
    std::filesystem::rename(partial, file, error);
    if (error) {
        std::filesystem::remove(partial, error);
        return error.message();
    }
    return {};
}

}  // namespace

CommandResult screenshot(Simulator& simulator, const Arguments& arguments)
{
    const std::string& file = *arguments.text;
    if (file.empty()) {
        return CommandResult::error("screenshot needs the name of the PNG file to write");
    }
    device::uikit::UIWindow* window = device::uikit::UIApplication::sharedApplication().keyWindow();
    if (!window) {
        return CommandResult::error("there is no window on screen to take a picture of");
    }
    device::graphics::Bitmap picture = device::render::renderWindow(*window);
    std::optional<std::string> png = device::graphics::encodePng(picture);
    if (!png) {
        return CommandResult::error("could not encode the screen as PNG");
    }
    if (std::string problem = writeFileWhole(file, *png); !problem.empty()) {
        return CommandResult::error("cannot write \"" + file + "\": " + problem);
    }
    simulator.out() << "wrote " << file << " (" << picture.width << "×" << picture.height << " pixels)\n";
    return CommandResult::ok();
}

}  // namespace sim::commands
