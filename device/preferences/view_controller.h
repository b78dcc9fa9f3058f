#pragma once

#include "device/preferences/specifier.h"
#include "device/uikit/view_controller.h"

#include <memory>

namespace device::preferences {

// A page of the host framework: it knows the entry that opened it and the page it was opened from.
class PSViewController : public uikit::UIViewController {
public:
    static constexpr std::string_view className = "PSViewController";

    PSSpecifier* specifier() const { return m_specifier.get(); }
    void setSpecifier(std::shared_ptr<PSSpecifier> specifier) { m_specifier = std::move(specifier); }
    uikit::UIViewController* parentController() const { return m_parentController.lock().get(); }
    void setParentController(const std::shared_ptr<uikit::UIViewController>& parent) { m_parentController = parent; }
    uikit::UIViewController* rootController() const { return m_rootController.lock().get(); }
    void setRootController(const std::shared_ptr<uikit::UIViewController>& root) { m_rootController = root; }

private:
    std::shared_ptr<PSSpecifier> m_specifier;
    std::weak_ptr<uikit::UIViewController> m_parentController;
    std::weak_ptr<uikit::UIViewController> m_rootController;
};

}  // namespace device::preferences
