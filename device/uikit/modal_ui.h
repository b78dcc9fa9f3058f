#pragma once

namespace device::uikit {

// Alerts, sheets, text input and the compose sheet: their classes and the methods sent by selector.
void registerModalUIClasses();

// A new launch of the app starts with no alert, no sheet and no first responder.
void resetModalUI();

}  // namespace device::uikit
