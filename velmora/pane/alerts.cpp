#include "velmora/pane/alerts.h"

#include "velmora/core/translator.h"

#include "device/preferences/list_controller.h"
#include "device/uikit/alert_view.h"

namespace velmora::pane {

void showAlert(std::string title, std::string message, std::string button, device::objc::id delegate)
{
    device::uikit::UIAlertView::initWithTitleMessageDelegateCancelButtonTitleOtherButtonTitles(
        std::move(title), std::move(message), delegate, std::move(button))
        ->show();
}

void showError(std::string_view messageKey)
{
    showAlert(core::Translator("error"), core::Translator(messageKey), core::Translator("OK"));
}

void showNotSaved()
{
    showError("not_saved");
}

void showNotSaved(device::preferences::PSListController& page, const device::preferences::PSSpecifier* row)
{
    page.reloadSpecifierAtIndex(page.indexOfSpecifier(row));
    showNotSaved();
}

}  // namespace velmora::pane
