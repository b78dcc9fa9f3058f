#pragma once

#include "device/objc/runtime.h"

#include <string>
#include <string_view>

namespace device::preferences {
class PSListController;
class PSSpecifier;
}  // namespace device::preferences

namespace velmora::pane {

// A plain alert with one cancel button.
void showAlert(std::string title, std::string message, std::string button, device::objc::id delegate = nullptr);

// An error alert whose message is the translation of messageKey, with a translated "OK".
void showError(std::string_view messageKey);

// The alert for a store that could not be written: the change did not happen.
void showNotSaved();
// The same for a row whose control already shows the change: the row is shown afresh from its
// getter, so that it shows what is stored.
void showNotSaved(device::preferences::PSListController& page, const device::preferences::PSSpecifier* row);

}  // namespace velmora::pane
