#include "sim/command_table.h"

#include "sim/commands/commands.h"

#include <array>

namespace sim {

namespace {

using enum DeviceTime;
using enum ScreenAfter;
using enum FileArgument;

const std::array kCommands{
    Command{"show", "", "print the screen as text", grammar::nothing, commands::show},
    Command{"dump", "", "print the screen as one line of JSON", grammar::nothing, commands::dump},
    Command{"specifiers", "", "print the entries of the list page on top, one JSON object a line", grammar::nothing,
            commands::specifiers},
    Command{"prefs", "[NAME]", "print Velmora's stores, or the one named (\"hide\", \"position_<tag>\", ...)",
            grammar::optionalWord, commands::prefs},
    Command{"tap", "TEXT [#N] | X Y", "tap the N-th element showing TEXT, or a point", grammar::tapTarget,
            commands::tap, OneSecond, Print},
    Command{"toggle", "TEXT", "tap the switch of the row labelled TEXT", grammar::text, commands::toggle, OneSecond,
            Print},
    Command{"swipe", "TEXT left|right [POINTS]", "pan across the row labelled TEXT by POINTS (default 200)",
            grammar::swipeTarget, commands::swipe, OneSecond, Print},
    Command{"drag", "TEXT to TEXT2", "in editing mode, drag row TEXT to the place of row TEXT2", grammar::dragTarget,
            commands::dragRow, OneSecond, Print},
    Command{"delete", "TEXT", "in editing mode, delete row TEXT and confirm", grammar::text, commands::deleteRow,
            OneSecond, Print},
    Command{"pull", "", "pull the list on top down to refresh it", grammar::nothing, commands::pull, OneSecond, Print},
    Command{"scroll", "POINTS", "scroll the list on top (negative: up)", grammar::points, commands::scroll, OneSecond,
            Print},
    Command{"type", "TEXT", "type into the focused text field", grammar::text, commands::type, OneSecond, Print},
    Command{"erase", "[N]", "delete N characters (default 1) from the focused text field", grammar::optionalCount,
            commands::erase, OneSecond, Print},
    Command{"back", "", "tap the navigation bar's back button", grammar::nothing, commands::back, OneSecond, Print},
    Command{"wait", "SECONDS", "let SECONDS of device time pass", grammar::seconds, commands::wait, OwnWait, Print},
    Command{"relaunch", "", "quit the Settings app and launch it again", grammar::nothing, commands::relaunch,
            OneSecond, Print},
    Command{"language", "CODE", "change the system's preferred language", grammar::languageCode, commands::language,
            OneSecond, Print},
    Command{"screenshot", "FILE", "write the screen as a PNG at device scale", grammar::text, commands::screenshot,
            OneSecond, Skip, Named},
    Command{"expect", "TEXT", "fail unless the screen shows TEXT", grammar::text, commands::expect},
    Command{"expect-not", "TEXT", "fail if the screen shows TEXT", grammar::text, commands::expectNot},
    Command{"echo", "[TEXT]", "print TEXT", grammar::optionalText, commands::echo},
    Command{"help", "[COMMAND]", "list the commands, or explain one", grammar::optionalWord, commands::help},
};

}  // namespace

std::span<const Command> commandTable()
{
    return kCommands;
}

const Command* findCommand(std::string_view name)
{
    for (const Command& command : kCommands) {
        if (command.name == name) {
            return &command;
        }
    }
    return nullptr;
}

}  // namespace sim
