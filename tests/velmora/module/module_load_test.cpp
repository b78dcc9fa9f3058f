#include "tests/velmora/support/library_test.h"

#include "device/foundation/run_loop.h"
#include "device/objc/message.h"

#include <gmock/gmock.h>

#include <dlfcn.h>

namespace velmora::testing {
namespace {

using ::testing::ElementsAre;

// Opens the module as the host's loader does, which runs its load-time constructor.
class ModuleLoadTest : public LibraryTest {
protected:
    std::vector<std::string> rootListOfALaunch()
    {
        boot(DeviceKind::Phone, "iPhone6,1", Library::NotLoaded);
        void* module = ::dlopen(VELMORA_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
        EXPECT_NE(module, nullptr) << ::dlerror();
        if (!module) {
            return {};
        }
        std::vector<std::string> names;
        {
            auto root = rootList({group("S0"), row("General")});
            device::objc::msgSend<void>(root.get(), "viewWillAppear:", false);
            names = describe(root->specifiers());
            root->dismissViewControllerAnimated(false);
        }
        device::foundation::RunLoop::main().reset();
        ::dlclose(module);
        return names;
    }
};

TEST_F(ModuleLoadTest, EveryLaunchLoadsTheModuleAfresh)
{
    EXPECT_THAT(rootListOfALaunch(), ElementsAre("[S0]", "General", "[]", "Velmora"));
    writeStore(Store::Advanced, {{"Name", "Organiser"}, {"FirstTimez", true}});
    EXPECT_THAT(rootListOfALaunch(), ElementsAre("[S0]", "General", "[]", "Organiser"));
}

}  // namespace
}  // namespace velmora::testing
