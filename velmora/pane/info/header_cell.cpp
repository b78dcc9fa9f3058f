#include "velmora/pane/info/header_cell.h"

#include "velmora/core/resources.h"

namespace velmora::pane {

namespace {

constexpr double kBannerHeight = 134.0;

}  // namespace

void HeaderCell::initWithSpecifier(device::preferences::PSSpecifier* specifier)
{
    initWithStyleReuseIdentifierSpecifier(0, "headerCell", specifier);
    textLabel()->setText({});
    _background = device::objc::create<device::uikit::UIImageView>();
    _background->setImage(
        device::uikit::UIImage::imageWithContentsOfFile(std::string(core::kResourceDirectory) + "Corvane.png"));
    _background->setContentMode(device::uikit::UIViewContentMode::ScaleAspectFit);
    addSubview(_background);
}

double HeaderCell::preferredHeightForWidth(double)
{
    return kBannerHeight;
}

void HeaderCell::setFrame(device::uikit::CGRect frame)
{
    PSTableCell::setFrame(frame);
    if (_background) {
        _background->setFrame(bounds());
    }
}

}  // namespace velmora::pane
