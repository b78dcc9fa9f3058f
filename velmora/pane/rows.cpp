#include "velmora/pane/rows.h"

#include "device/preferences/specifier.h"
#include "device/preferences/table_cell.h"
#include "device/uikit/screen.h"

namespace velmora::pane {

namespace objc = device::objc;
using device::preferences::PSSpecifier;
using device::preferences::PSTableCell;

namespace {

objc::SEL selectorOrNone(std::string_view name)
{
    return name.empty() ? nullptr : objc::sel_registerName(name);
}

}  // namespace

core::Entry makeRow(std::string label, objc::id target, std::string_view cellType, RowAccessors accessors,
                    std::string_view detailClass)
{
    return PSSpecifier::preferenceSpecifierNamed(
        std::move(label), target, selectorOrNone(accessors.set), selectorOrNone(accessors.get),
        detailClass.empty() ? nullptr : objc::objc_getClass(detailClass),
        PSTableCell::cellTypeFromString(cellType).value_or(device::preferences::PSGroupCell), nullptr);
}

core::Entry emptyGroup()
{
    return PSSpecifier::emptyGroupSpecifier();
}

core::Entry groupWithFooter(std::string footer)
{
    core::Entry group = PSSpecifier::emptyGroupSpecifier();
    group->setPropertyForKey(std::move(footer), "footerText");
    return group;
}

void setIcon(core::Entry& row, std::shared_ptr<device::uikit::UIImage> image)
{
    if (image) {
        row->setPropertyForKey(std::static_pointer_cast<objc::Object>(image), "iconImage");
    }
}

void setAlignment(core::Entry& row, long long alignment)
{
    row->setPropertyForKey(alignment, "alignment");
}

std::shared_ptr<device::uikit::UIImage> entryIcon(const PSSpecifier& entry)
{
    if (auto icon = entry.objectProperty<device::uikit::UIImage>("iconImage")) {
        return icon;
    }
    return device::uikit::UIImage::_applicationIconImageForBundleIdentifier(
        entry.identifier().value_or(""), 0, device::uikit::UIScreen::mainScreen().scale());
}

core::Entry entrySwitch(const PSSpecifier& entry, objc::id target, RowAccessors accessors)
{
    core::Entry row = makeRow(entry.nameOrEmpty(), target, "PSSwitchCell", accessors);
    setIcon(row, entryIcon(entry));
    return row;
}

std::shared_ptr<device::uikit::UIImage> imageAtPath(std::string_view path)
{
    return path.empty() ? nullptr : device::uikit::UIImage::imageWithContentsOfFile(path);
}

}  // namespace velmora::pane
