#include "sim/commands/commands.h"
#include "sim/simulator.h"

#include "device/preferences/list_controller.h"
#include "device/preferences/table_cell.h"
#include "device/render/screen_controllers.h"

#include <nlohmann/json.hpp>

namespace sim::commands {

namespace {

using device::preferences::PSListController;

// A list presented over the pages comes first; on a tablet with no page pushed, the list beside the
// empty detail side.
PSListController* listPageOnTop(const device::uikit::UIWindow& window)
{
    auto controllers = device::render::findScreenControllers(window);
    if (auto* presented = dynamic_cast<PSListController*>(controllers.modalContent)) {
        return presented;
    }
    bool nothingPushed
        = controllers.master && controllers.pageNavigation && controllers.pageNavigation->viewControllers().size() <= 1;
    return dynamic_cast<PSListController*>(nothingPushed ? controllers.master : controllers.page);
}

nlohmann::ordered_json textOrNull(const std::optional<std::string>& text)
{
    return text ? nlohmann::ordered_json(*text) : nlohmann::ordered_json(nullptr);
}

}  // namespace

CommandResult specifiers(Simulator& simulator, const Arguments&)
{
    const auto* window = device::uikit::UIApplication::sharedApplication().keyWindow();
    PSListController* list = window ? listPageOnTop(*window) : nullptr;
    if (!list) {
        return CommandResult::error("the page on top is not a list page");
    }
    for (const auto& specifier : list->specifiers()) {
        nlohmann::ordered_json entry{
            {"name", textOrNull(specifier->name())},
            {"identifier", textOrNull(specifier->identifier())},
            {"cell", device::preferences::PSTableCell::stringFromCellType(specifier->cellType())}};
        simulator.out() << entry.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
    }
    return CommandResult::ok();
}

}  // namespace sim::commands
