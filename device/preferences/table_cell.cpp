#include "device/preferences/table_cell.h"

#include "device/uikit/control.h"
#include "device/uikit/image.h"
#include "device/uikit/table_view.h"

#include <algorithm>
#include <array>
#include <utility>

namespace device::preferences {

namespace {

std::string shownText(const foundation::PlistValue& value)
{
    if (const std::string* text = value.string()) {
        return *text;
    }
    if (value.isInteger() || value.isReal()) {
        return std::to_string(value.intValue());
    }
    return {};
}

// Where a text row's field begins: after its label, within the row's first half.
double editFieldX(const std::string& label, double width)
{
    return std::clamp(25 + 9 * static_cast<double>(label.size()), 110.0, width / 2);
}

}  // namespace

std::shared_ptr<PSTableCell> PSTableCell::cellForSpecifier(const std::shared_ptr<PSSpecifier>& specifier)
{
    auto cell = objc::create<PSTableCell>();
    cell->setUp();
    cell->m_specifier = specifier;
    cell->textLabel()->setText(specifier->nameOrEmpty());
    if (auto icon = specifier->objectProperty<uikit::UIImage>("iconImage")) {
        cell->imageView()->setImage(icon);
    }
    auto value = specifier->readValue();
    switch (specifier->cellType()) {
    case PSSwitchCell: {
        auto control = objc::create<uikit::UISwitch>();
        control->setOn(value && value->boolValue());
        control->addTargetActionForControlEvents(cell.get(), objc::sel_registerName("switchChanged:"),
                                                 uikit::UIControlEventValueChanged);
        cell->setAccessoryView(control);
        break;
    }
    case PSLinkCell:
    case PSLinkListCell:
        cell->setAccessoryType(uikit::UITableViewCellAccessoryType::DisclosureIndicator);
        [[fallthrough]];
    case PSTitleValueCell:
        if (value) {
            cell->detailTextLabel()->setText(shownText(*value));
        }
        break;
    case PSEditTextCell:
    case PSSecureEditTextCell:
        cell->addEditField(value ? shownText(*value) : std::string(), specifier->cellType() == PSSecureEditTextCell);
        break;
    case PSButtonCell:
        cell->textLabel()->setTextColor(uikit::UIColor::rgba(0, 0.48, 1));
        break;
    default:
        break;
    }
    if (const auto* checked = std::get_if<bool>(specifier->propertyForKey("checked")); checked && *checked) {
        cell->setAccessoryType(uikit::UITableViewCellAccessoryType::Checkmark);
    }
    if (auto alignment = specifier->propertyForKey("alignment")) {
        if (auto* number = std::get_if<long long>(alignment); number && *number == 2) {
            cell->textLabel()->setTextAlignment(uikit::NSTextAlignment::Center);
        }
    }
    cell->layoutSubviews();
    return cell;
}

void PSTableCell::initWithStyleReuseIdentifierSpecifier(long, std::string, PSSpecifier* specifier)
{
    setUp();
    m_specifier = specifier ? specifier->retained<PSSpecifier>() : nullptr;
    textLabel()->setText(m_specifier ? m_specifier->nameOrEmpty() : std::string());
}

double PSTableCell::preferredHeightForWidth(double)
{
    return uikit::UITableView::kRowHeight;
}

void PSTableCell::switchChanged(uikit::UISwitch* control)
{
    if (m_specifier && control) {
        m_specifier->writeValue(foundation::PlistValue(control->isOn()));
    }
}

void PSTableCell::addEditField(std::string text, bool secure)
{
    m_editField = objc::create<uikit::UITextField>();
    m_editField->setSecureTextEntry(secure);
    m_editField->setText(std::move(text));
    m_editField->setTextColor(uikit::UIColor::rgba(0.22, 0.33, 0.53));
    m_editField->setDelegate(this);
    contentView()->addSubview(m_editField);
    setFrame(frame());
}

bool PSTableCell::textFieldShouldChangeCharactersInRangeReplacementString(uikit::UITextField*, foundation::NSRange,
                                                                          std::string)
{
    m_edited = true;
    return true;
}

bool PSTableCell::textFieldShouldReturn(uikit::UITextField* field)
{
    field->resignFirstResponder();
    return true;
}

void PSTableCell::textFieldDidEndEditing(uikit::UITextField* field)
{
    if (!m_edited || !m_specifier) {
        return;
    }
    auto keepAlive = retained<PSTableCell>();
    m_edited = false;
    m_specifier->writeValue(foundation::PlistValue(field->text()));
}

void PSTableCell::setFrame(uikit::CGRect frame)
{
    uikit::UITableViewCell::setFrame(frame);
    if (m_editField) {
        double x = editFieldX(textLabel()->text(), frame.width());
        m_editField->setFrame(uikit::CGRectMake(x, 0, frame.width() - x - 15, frame.height()));
    }
}

}  // namespace device::preferences
