#include "monkey/action_chooser.h"

#include "monkey/screen_reading.h"

#include <array>

namespace monkey {

namespace {

using device::render::RowKind;
using device::render::ScreenDescription;

// Names a person might give a tag, with some that try the file layer and the text layout.
const std::vector<std::string> kWords{
    "Work", "Play", "Zeta", "a", "..", "../x", "a/b", "/", "Ω mega", "עבודה", "عمل", "😀", " ", "Tag 1", "\"q\"",
    "semi;colon", "x\\y", std::string(300, 'w'),
};
const std::vector<std::string> kCodes{"1234", "0000", "2580", "1234"};
const std::vector<std::string> kLanguages{"en", "fr", "de", "ar", "he", "zh-Hans", "ru", "sv", "pt-BR"};
const std::vector<std::string> kScrolls{"120", "-120", "400", "-400", "900", "-900", "30", "100000", "-1e9"};
const std::vector<std::string> kErasures{"1", "2", "5", "40", "9223372036854775807"};

Action line(ActionKind kind, std::string text)
{
    return Action{kind, std::move(text)};
}

Action tapSomething(const ScreenDescription& screen, Random& random)
{
    auto targets = tapTargets(screen);
    if (targets.empty()) {
        return line(ActionKind::Touch, "back");
    }
    const TapTarget& target = random.pick(targets);
    std::string command = "tap " + quoted(target.text);
    if (target.occurrence > 1) {
        command += " #" + std::to_string(target.occurrence);
    }
    return line(ActionKind::Touch, command);
}

Action tapPoint(const ScreenDescription& screen, Random& random)
{
    bool tablet = screen.device == device::render::DeviceKind::Tablet;
    long x = random.between(0, tablet ? 768 : 320);
    long y = random.between(0, tablet ? 1024 : 568);
    return line(ActionKind::Touch, "tap " + std::to_string(x) + " " + std::to_string(y));
}

Action onLockScreen(const ScreenDescription& screen, const ChoiceHints& hints, Random& random)
{
    auto keypad = [](char digit) {
        return Action{ActionKind::Keypad, "tap " + std::string(1, digit), std::string(1, digit)};
    };
    std::size_t roll = random.below(100);
    if (roll < 70 && hints.passcodeKey) {
        return keypad(*hints.passcodeKey);
    }
    if (roll < 88) {
        return keypad(static_cast<char>('0' + random.below(10)));
    }
    if (roll < 97) {
        return Action{ActionKind::Keypad, "tap " + quoted(lockScreenCancelLabel(screen))};
    }
    return roll < 99 ? line(ActionKind::Passive, "wait 1") : line(ActionKind::Restart, "relaunch");
}

Action withKeyboard(const ScreenDescription& screen, Random& random)
{
    std::size_t roll = random.below(100);
    bool numbers = screen.keyboardKind == device::render::KeyboardKind::NumberPad;
    if (roll < 50) {
        return line(ActionKind::Passive, "type " + quoted(numbers ? random.pick(kCodes) : random.pick(kWords)));
    }
    if (roll < 62) {
        return line(ActionKind::Passive, "erase " + random.pick(kErasures));
    }
    if (roll < 75 && !numbers) {
        return line(ActionKind::Touch, "tap return");
    }
    return tapSomething(screen, random);
}

Action inEditingMode(const device::render::PageDescription& page, Random& random)
{
    std::vector<std::string> movable;
    std::vector<std::string> deletable;
    std::vector<std::string> all;
    for (const auto& section : page.sections) {
        for (const auto& row : section.rows) {
            all.push_back(row.label);
            if (row.reorderControl) {
                movable.push_back(row.label);
            }
            if (row.deleteControl) {
                deletable.push_back(row.label);
            }
        }
    }
    if (!deletable.empty() && random.percent(15)) {
        return line(ActionKind::Touch, "delete " + quoted(random.pick(deletable)));
    }
    if (movable.empty()) {
        return line(ActionKind::Touch, "drag " + quoted(random.pick(all)) + " to " + quoted(random.pick(all)));
    }
    return line(ActionKind::Touch, "drag " + quoted(random.pick(movable)) + " to " + quoted(random.pick(all)));
}

Action anywhere(const ScreenDescription& screen, const ChoiceHints& hints, Random& random)
{
    auto rows = reachableRows(screen);
    if (hints.hostPage && random.percent(40)) {
        return line(ActionKind::Touch, "back");
    }
    if (hints.rootList && random.percent(20)) {
        return line(ActionKind::Touch, random.percent(75) ? "tap Velmora" : "tap Edit");
    }
    std::size_t roll = random.below(1000);
    if (roll < 450) {
        return tapSomething(screen, random);
    }
    if (roll < 520) {
        return line(ActionKind::Touch, "back");
    }
    if (roll < 600) {
        std::vector<std::string> switches;
        for (const auto* row : rows) {
            if (row->kind == RowKind::Switch) {
                switches.push_back(row->label);
            }
        }
        if (!switches.empty()) {
            return line(ActionKind::Touch, "toggle " + quoted(random.pick(switches)));
        }
        return tapSomething(screen, random);
    }
    if (roll < 680 && !rows.empty()) {
        const char* side = random.percent(80) ? " left" : " right";
        std::string points = random.percent(70) ? "" : " " + std::to_string(random.between(20, 400));
        return line(ActionKind::Touch, "swipe " + quoted(random.pick(rows)->label) + side + points);
    }
    if (roll < 760) {
        if (const auto* page = editingPage(screen); page && !page->sections.empty() && !rows.empty()) {
            return inEditingMode(*page, random);
        }
        return tapSomething(screen, random);
    }
    if (roll < 800) {
        return tapPoint(screen, random);
    }
    if (roll < 850) {
        return line(ActionKind::Passive, "scroll " + random.pick(kScrolls));
    }
    if (roll < 870) {
        return line(ActionKind::Touch, "pull");
    }
    if (roll < 920) {
        // The set-up screen, the pane and its switch are where most of the library begins.
        auto target = random.pick(std::vector<std::string>{"Velmora", "Done", "Enabled", "Edit"});
        return line(ActionKind::Touch, target == "Enabled" ? "toggle Enabled" : "tap " + target);
    }
    if (roll < 940) {
        return line(ActionKind::Passive, "wait " + std::to_string(random.between(1, 5)));
    }
    if (roll < 960) {
        return line(ActionKind::Restart, "relaunch");
    }
    if (roll < 975) {
        return line(ActionKind::Restart, "language " + random.pick(kLanguages));
    }
    if (roll < 980 && !hints.otherProfile.empty()) {
        return Action{ActionKind::Restart, "", "", hints.otherProfile};
    }
    return tapSomething(screen, random);
}

const std::vector<std::string> kEntries{"Wi-Fi", "General", "Notes", "Sounds", "Privacy", "Bluetooth"};
constexpr std::string_view kSwitchOn = "switch on ";

std::deque<std::string> plan(Random& random)
{
    std::string on = std::string(kSwitchOn) + "Enabled";
    switch (random.below(5)) {
    case 0: {
        std::string tag = random.pick(std::vector<std::string>{"Work", "Play", "Zeta"});
        return {"tap Velmora", on, "tap Tags", "tap Add Tag", "tap Name", "type " + tag, "tap return", "tap Icon",
                "tap star", "back", "tap Save", "tap OK", "back", "tap " + tag, "toggle " + random.pick(kEntries),
                "toggle " + random.pick(kEntries), "back", "back", "back", "tap " + tag};
    }
    case 1: {
        std::string code = random.pick(kCodes);
        return {"tap Velmora", on, "tap Protection", "tap Passcode", "tap Change Passcode", "type " + code,
                "type " + code, std::string(kSwitchOn) + "Enabled", "type " + code, "back",
                "toggle " + random.pick(kEntries), "back", "back", "back", "tap " + random.pick(kEntries)};
    }
    case 2: {
        std::string tag = random.pick(std::vector<std::string>{"Work", "Play", "Zeta"});
        return {"tap " + tag, "tap Edit", "tap Add Entries", "toggle " + random.pick(kEntries),
                "toggle " + random.pick(kEntries), "tap Done", "tap Edit", "tap Reorder & Remove",
                "drag " + random.pick(kEntries) + " to " + random.pick(kEntries), "delete " + random.pick(kEntries),
                "tap Done", "back"};
    }
    case 3:
        return {"tap Velmora", on, "tap General", "tap Advanced", std::string(kSwitchOn) + "Swipe Actions", "back",
                "back", "back", "swipe " + random.pick(kEntries) + " left", "tap More"};
    default:
        return {"tap Velmora", on, "back", "tap Edit", "drag " + random.pick(kEntries) + " to " + random.pick(kEntries),
                "tap Reset", "tap A->Z", "tap Done"};
    }
}

// A planned switch is turned on only when it is off; a plan goes on whatever a step did.
Action planned(const std::string& step, const ScreenDescription& screen)
{
    if (!step.starts_with(kSwitchOn)) {
        return line(step.starts_with("type") ? ActionKind::Passive : ActionKind::Touch, step);
    }
    std::string label = step.substr(kSwitchOn.size());
    for (const auto* row : reachableRows(screen)) {
        if (row->label == label && row->on == false) {
            return line(ActionKind::Touch, "toggle " + quoted(label));
        }
    }
    return line(ActionKind::Passive, "wait 1");
}

}  // namespace

Action ActionChooser::next(const ScreenDescription& screen, const ChoiceHints& hints, Random& random)
{
    if (m_plan.empty() && hints.rootList && random.percent(2)) {
        m_plan = plan(random);
    }
    if (!m_plan.empty() && !isLockScreen(screen)) {
        std::string step = m_plan.front();
        m_plan.pop_front();
        return planned(step, screen);
    }
    if (isLockScreen(screen)) {
        return onLockScreen(screen, hints, random);
    }
    if ((screen.alert || screen.sheet) && random.percent(90)) {
        return tapSomething(screen, random);
    }
    if (screen.keyboard && random.percent(60)) {
        return withKeyboard(screen, random);
    }
    return anywhere(screen, hints, random);
}

}  // namespace monkey
