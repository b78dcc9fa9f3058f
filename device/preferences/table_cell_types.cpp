#include "device/preferences/table_cell.h"

#include <array>
#include <utility>

// The cell types by name, apart from the cells themselves so that a profile can be read without them.
namespace device::preferences {

namespace {

constexpr std::array<std::pair<std::string_view, PSCellType>, 15> kCellTypes{{
    {"PSGroupCell", PSGroupCell},
    {"PSLinkCell", PSLinkCell},
    {"PSLinkListCell", PSLinkListCell},
    {"PSListItemCell", PSListItemCell},
    {"PSTitleValueCell", PSTitleValueCell},
    {"PSSliderCell", PSSliderCell},
    {"PSSwitchCell", PSSwitchCell},
    {"PSStaticTextCell", PSStaticTextCell},
    {"PSEditTextCell", PSEditTextCell},
    {"PSSegmentCell", PSSegmentCell},
    {"PSGiantIconCell", PSGiantIconCell},
    {"PSGiantCell", PSGiantCell},
    {"PSSecureEditTextCell", PSSecureEditTextCell},
    {"PSButtonCell", PSButtonCell},
    {"PSEditTextViewCell", PSEditTextViewCell},
}};

}  // namespace

std::optional<PSCellType> PSTableCell::cellTypeFromString(std::string_view name)
{
    for (const auto& [typeName, type] : kCellTypes) {
        if (typeName == name) {
            return type;
        }
    }
    return std::nullopt;
}

std::string_view PSTableCell::stringFromCellType(PSCellType type)
{
    for (const auto& [typeName, cellType] : kCellTypes) {
        if (cellType == type) {
            return typeName;
        }
    }
    return "PSTableCell";
}

}  // namespace device::preferences
