#pragma once

namespace velmora::pane {

// Every page class of the pane, by the names the host creates them by.
void registerPaneClasses();

}  // namespace velmora::pane
