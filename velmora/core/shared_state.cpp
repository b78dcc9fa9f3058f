#include "velmora/core/shared_state.h"

#include "device/foundation/run_loop.h"
#include "device/objc/object.h"

namespace velmora::core {

namespace {

std::unique_ptr<SharedState>& instance()
{
    static std::unique_ptr<SharedState> state;
    return state;
}

std::shared_ptr<device::objc::Object> createByName(std::string_view className)
{
    return device::objc::class_createInstance(device::objc::objc_getClass(className));
}

}  // namespace

SharedState::SharedState()
    : supported{"it", "en", "tr", "zh-Hans", "de", "ar", "fr", "pl", "sv", "ru", "zh-Hant"}
    , editable(createByName("Editable"))
    , test(createByName("test"))
    , sort(createByName("Sort"))
{
    for (auto& list : pageLists) {
        list = std::make_shared<EntryList>();
    }
}

// The timer keeps the root list controller alive, so letting it go may end that controller, whose
// dealloc still reaches the previous implementations: release it while every member is intact.
SharedState::~SharedState()
{
    if (auto timer = std::move(loopTimer)) {
        timer->invalidate();
    }
}

SharedState& sharedState()
{
    if (!instance()) {
        createSharedState();
    }
    return *instance();
}

void createSharedState()
{
    instance() = std::make_unique<SharedState>();
}

}  // namespace velmora::core
