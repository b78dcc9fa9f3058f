#include "velmora/pane/alerts.h"

#include "velmora/core/translator.h"

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

}  // namespace velmora::pane
