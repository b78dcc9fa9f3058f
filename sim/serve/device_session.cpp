#include "sim/serve/device_session.h"

#include "sim/commands/commands.h"
#include "sim/commands/screen_targets.h"
#include "sim/device_boot.h"
#include "sim/script_runner.h"

#include "device/foundation/language_code.h"
#include "device/foundation/run_loop.h"
#include "device/foundation/user_defaults.h"
#include "device/render/screen_json.h"
#include "device/render/screen_text.h"
#include "device/render/view_raster.h"
#include "device/uikit/application.h"
#include "device/uikit/keyboard.h"
#include "device/uikit/window.h"

#include <stdexcept>
#include <vector>

namespace sim::serve {

namespace {

const std::string kNoFocus = "no text field has the focus";

nlohmann::ordered_json frameJson(const device::uikit::CGRect& frame)
{
    return {{"x", frame.origin.x}, {"y", frame.origin.y}, {"width", frame.size.width}, {"height", frame.size.height}};
}

}  // namespace

DeviceSession::DeviceSession(Options options, std::optional<std::filesystem::path> dataFolder)
    : m_options(std::move(options)), m_dataFolder(std::move(dataFolder))
{
}

DeviceSession::~DeviceSession()
{
    lift();
}

std::optional<std::string> DeviceSession::start()
{
    return boot(m_options.device, m_options.reset);
}

// The profile serve starts with keeps the root the options give it, as every other velmora-sim run
// does; another profile gets a root of its own beside it, "<root>-tablet", since a root arranged for
// one profile's entries would be rearranged by the other's.
std::optional<std::filesystem::path> DeviceSession::rootFor(const std::string& device) const
{
    if (!m_options.root) {
        return std::nullopt;
    }
    if (device == m_options.device) {
        return m_options.root;
    }
    std::filesystem::path root = std::filesystem::absolute(*m_options.root).lexically_normal();
    if (!root.has_filename()) {
        root = root.parent_path();
    }
    return root.parent_path() / (root.filename().string() + "-" + device);
}

std::optional<std::string> DeviceSession::boot(const std::string& device, bool reset)
{
    lift();
    m_finger.reset();
    m_simulator.reset();
    m_device.reset();

    bool first = !m_booted.contains(device);
    Options options = m_options;
    options.device = device;
    options.root = rootFor(device);
    options.reset = reset || (first && m_options.reset);
    options.language = first ? m_options.language : std::nullopt;
    auto booted = bootDevice(options, m_dataFolder);
    if (auto* error = std::get_if<std::string>(&booted)) {
        return *error;
    }
    m_device = std::move(std::get<std::unique_ptr<device::settings::Device>>(booted));
    m_simulator = std::make_unique<Simulator>(*m_device, m_output, m_output);
    m_simulator->reportLoadFailures();
    m_finger = std::make_unique<device::uikit::Touchscreen>();
    m_deviceName = device;
    m_booted.insert(device);
    return std::nullopt;
}

void DeviceSession::lift()
{
    if (m_finger && m_finger->isTouching()) {
        m_finger->release();
    }
}

device::settings::Device& DeviceSession::running()
{
    if (!m_device) {
        throw std::runtime_error("no device is running: the last switch failed; switch or reset to boot one");
    }
    return *m_device;
}

std::string DeviceSession::takeOutput()
{
    std::string text = m_output.str();
    m_output.str({});
    m_output.clear();
    return text;
}

std::optional<std::string> DeviceSession::touch(TouchPhase phase, const std::vector<device::uikit::CGPoint>& points)
{
    auto size = running().profile().screenSize;
    for (const auto& point : points) {
        if (!(point.x >= 0 && point.x <= size.width && point.y >= 0 && point.y <= size.height)) {
            return "the point (" + std::to_string(point.x) + ", " + std::to_string(point.y) + ") is off the "
                   + std::to_string(static_cast<int>(size.width)) + "×" + std::to_string(static_cast<int>(size.height))
                   + " screen";
        }
    }
    if (phase == TouchPhase::Down) {
        m_finger->press(points.front());
        return std::nullopt;
    }
    if (!m_finger->isTouching()) {
        return std::string("no finger is on the screen");
    }
    for (const auto& point : points) {
        m_finger->move(point);
    }
    if (phase == TouchPhase::Up) {
        m_finger->release();
    }
    return std::nullopt;
}

std::optional<std::string> DeviceSession::key(Key key, const std::string& text)
{
    running();
    if (!device::uikit::Keyboard::isVisible()) {
        return kNoFocus;
    }
    switch (key) {
    case Key::Text:
        device::uikit::Keyboard::type(text);
        break;
    case Key::Backspace:
        device::uikit::Keyboard::erase(1);
        break;
    case Key::Return:
        device::uikit::Keyboard::type("\n");
        break;
    }
    return std::nullopt;
}

// Read whole before anything runs, as a script is, so that a bad command later on the line changes
// nothing.
ConsoleReply DeviceSession::run(const std::string& line)
{
    running();
    lift();
    takeOutput();
    int status = runScript(*m_simulator, Script{"console", line, Separators::LinesAndSemicolons},
                           "the web console reads and writes no files; the Screenshot button saves a picture "
                           "of the screen");
    return {static_cast<Status>(status), takeOutput()};
}

std::optional<std::string> DeviceSession::switchTo(const std::string& device)
{
    if (device == m_deviceName) {
        return std::nullopt;
    }
    std::string previous = m_deviceName;
    auto error = boot(device, false);
    if (error && boot(previous, false)) {
        m_device.reset();
    }
    return error;
}

void DeviceSession::relaunch()
{
    run("relaunch");
}

std::optional<std::string> DeviceSession::reset()
{
    return boot(m_deviceName.empty() ? m_options.device : m_deviceName, true);
}

std::optional<std::string> DeviceSession::setLanguage(const std::string& code)
{
    if (!device::foundation::isLanguageCode(code)) {
        return "\"" + code + "\" is not a language code such as en or fr";
    }
    auto reply = run("language " + code);
    if (reply.status != Status::Ok) {
        return reply.output;
    }
    return std::nullopt;
}

bool DeviceSession::isWaitingOnClock() const
{
    return m_device && device::foundation::RunLoop::main().pendingCount() > 0;
}

void DeviceSession::advanceFrame()
{
    running().advance(device::uikit::Touchscreen::kFrameSeconds);
}

device::graphics::Bitmap DeviceSession::render()
{
    if (!m_device) {
        return {};
    }
    if (auto* window = device::uikit::UIApplication::sharedApplication().keyWindow()) {
        return device::render::renderWindow(*window);
    }
    const auto& profile = m_device->profile();
    return device::graphics::Bitmap(static_cast<int>(profile.screenSize.width * profile.screenScale),
                                    static_cast<int>(profile.screenSize.height * profile.screenScale));
}

nlohmann::ordered_json DeviceSession::stores()
{
    running();
    takeOutput();
    commands::prefs(*m_simulator, {});
    // Warnings about unreadable stores come first; the stores are the last line.
    std::string output = takeOutput();
    auto end = output.find_last_not_of('\n');
    auto start = output.rfind('\n', end);
    return nlohmann::ordered_json::parse(output.substr(start == std::string::npos ? 0 : start + 1));
}

nlohmann::ordered_json DeviceSession::state()
{
    const auto& profile = running().profile();
    std::string language;
    auto languages = device::foundation::UserDefaults::standardUserDefaults().objectForKey("AppleLanguages");
    if (languages && languages->array() && !languages->array()->empty()) {
        if (const auto* code = languages->array()->front().string()) {
            language = *code;
        }
    }
    return {{"device", m_deviceName},
            {"width", profile.screenSize.width},
            {"height", profile.screenSize.height},
            {"scale", profile.screenScale},
            {"language", language},
            {"root", m_device->root().string()},
            {"library", !m_options.noLibrary}};
}

nlohmann::ordered_json DeviceSession::screen()
{
    running();
    auto description = m_simulator->screen();
    return {{"screen", device::render::screenToJson(description)},
            {"text", device::render::ScreenText(description).str()}};
}

nlohmann::ordered_json DeviceSession::targets()
{
    running();
    auto list = nlohmann::ordered_json::array();
    for (const auto& target : commands::screenTargets()) {
        if (!target.inView) {
            continue;
        }
        auto described = frameJson(target.view->frameInWindow());
        described["text"] = target.text;
        if (target.row) {
            described["row"] = frameJson(target.row->frameInWindow());
        }
        list.push_back(std::move(described));
    }
    return list;
}

}  // namespace sim::serve
