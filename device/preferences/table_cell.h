#pragma once

#include "device/preferences/specifier.h"
#include "device/uikit/control.h"
#include "device/uikit/table_view_cell.h"

#include <optional>
#include <string_view>

namespace device::preferences {

// The cell of one entry; how it looks follows the entry's cell type.
class PSTableCell : public uikit::UITableViewCell {
public:
    static constexpr std::string_view className = "PSTableCell";

    static std::optional<PSCellType> cellTypeFromString(std::string_view name);
    static std::string_view stringFromCellType(PSCellType type);

    // Builds the cell for an entry: label, icon, shown value, switch or disclosure indicator.
    static std::shared_ptr<PSTableCell> cellForSpecifier(const std::shared_ptr<PSSpecifier>& specifier);

    PSSpecifier* specifier() const { return m_specifier.get(); }
    // Switch cells: the switch's value goes to the entry's setter.
    void switchChanged(uikit::UISwitch* control);

private:
    std::shared_ptr<PSSpecifier> m_specifier;
};

}  // namespace device::preferences
