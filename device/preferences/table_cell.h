#pragma once

#include "device/foundation/range.h"
#include "device/preferences/specifier.h"
#include "device/uikit/control.h"
#include "device/uikit/table_view_cell.h"
#include "device/uikit/text_field.h"

#include <optional>
#include <string>
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

    // What a cell class of a page's own makes itself from: a plain cell showing the entry.
    void initWithStyleReuseIdentifierSpecifier(long style, std::string reuseIdentifier, PSSpecifier* specifier);
    double preferredHeightForWidth(double width);

    PSSpecifier* specifier() const { return m_specifier.get(); }
    // Switch cells: the switch's value goes to the entry's setter.
    void switchChanged(uikit::UISwitch* control);

    // Text cells show the entry's value in a field. As its delegate the cell ends editing at the
    // return key and, when the text was edited, hands it to the entry's setter once editing ends.
    uikit::UITextField* editField() const { return m_editField.get(); }
    bool textFieldShouldChangeCharactersInRangeReplacementString(uikit::UITextField* field, foundation::NSRange range,
                                                                 std::string replacement);
    bool textFieldShouldReturn(uikit::UITextField* field);
    void textFieldDidEndEditing(uikit::UITextField* field);

    void setFrame(uikit::CGRect frame) override;

private:
    void addEditField(std::string text, bool secure);

    std::shared_ptr<PSSpecifier> m_specifier;
    std::shared_ptr<uikit::UITextField> m_editField;
    bool m_edited = false;
};

}  // namespace device::preferences
