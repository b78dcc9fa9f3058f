#include "tests/velmora/support/library_test.h"

#include "velmora/core/installer.h"
#include "velmora/core/library_load.h"
#include "velmora/core/shared_state.h"

#include "device/foundation/run_loop.h"
#include "device/objc/class_builder.h"
#include "device/objc/message.h"
#include "device/preferences/list_controller.h"
#include "device/uikit/uikit_classes.h"

#include <gmock/gmock.h>

#include <map>

namespace velmora::testing {
namespace {

namespace objc = device::objc;
using core::InstalledMethod;
using ::testing::ElementsAre;

// A later host: no _showCarrier, its own sortAZ, and a sortZA it inherits.
class HostBase : public device::preferences::PSListController {
public:
    static constexpr std::string_view className = "HostBase";
    void sortZA() {}
};

class LaterHost : public HostBase {
public:
    static constexpr std::string_view className = "PrefsListController";
    void reload() {}
    bool shouldReload() { return true; }
    void sortAZ() {}
};

class InstallerTest : public LibraryTest {
protected:
    template <class RegisterHost>
    void loadOnHost(RegisterHost registerHost)
    {
        boot(DeviceKind::Phone, "iPhone6,1", Library::NotLoaded);
        if constexpr (!std::is_same_v<RegisterHost, std::nullptr_t>) {
            objc::objc_resetRuntime();
            device::foundation::registerFoundationClasses();
            device::uikit::registerUIKitClasses();
            device::preferences::registerPreferencesClasses();
            registerHost();
        }
        for (const auto& row : core::installedMethods()) {
            m_host[row.method] = objc::method_getImplementation(method(row.selector));
        }
        core::loadLibrary();
    }

    objc::Method method(std::string_view selector) const
    {
        return objc::class_getInstanceMethod(objc::objc_getClass("PrefsListController"),
                                             objc::sel_registerName(selector));
    }

    std::map<InstalledMethod, objc::IMP> m_host;
};

TEST_F(InstallerTest, SixHostMethodsAreReplacedAndThirteenAdded)
{
    loadOnHost(nullptr);
    std::map<core::InstallKind, int> counts;
    for (const auto& row : core::installedMethods()) {
        SCOPED_TRACE(std::string(row.selector));
        ++counts[row.kind];
        ASSERT_TRUE(method(row.selector));
        EXPECT_EQ(objc::method_getImplementation(method(row.selector)), row.implementation);
        EXPECT_EQ(core::sharedState().previous(row.method), m_host[row.method]);
        EXPECT_EQ(m_host[row.method] != nullptr, row.kind == core::InstallKind::Replaced);
        if (row.kind == core::InstallKind::Added) {
            EXPECT_EQ(objc::method_getTypeEncoding(method(row.selector)), row.typesWhenAdded);
        }
    }
    EXPECT_EQ(counts[core::InstallKind::Replaced], 6);
    EXPECT_EQ(counts[core::InstallKind::Added], 13);
}

TEST_F(InstallerTest, AMissingHostMethodIsSkippedAndAnExistingSelectorTakenOver)
{
    loadOnHost([] {
        objc::ClassBuilder<HostBase>("PSListController").method<&HostBase::sortZA>("sortZA");
        objc::ClassBuilder<LaterHost>("HostBase")
            .method<&LaterHost::reload>("reloadSpecifiers")
            .method<&LaterHost::shouldReload>("shouldReloadSpecifiersOnResume")
            .method<&LaterHost::sortAZ>("sortAZ");
    });
    const auto& state = core::sharedState();
    EXPECT_EQ(method("_showCarrier"), nullptr);
    for (const auto& row : core::installedMethods()) {
        if (row.method != InstalledMethod::ShowCarrier && row.method != InstalledMethod::Dealloc) {
            EXPECT_EQ(objc::method_getImplementation(method(row.selector)), row.implementation) << row.selector;
        }
    }
    // Defined by the class itself: swapped in place, keeping the host's encoding.
    EXPECT_EQ(state.previous(InstalledMethod::SortAZ), m_host[InstalledMethod::SortAZ]);
    EXPECT_STREQ(objc::method_getTypeEncoding(method("sortAZ")), "v@:");
    // Inherited: added as an override, so the superclass keeps its own.
    EXPECT_EQ(state.previous(InstalledMethod::SortZA), m_host[InstalledMethod::SortZA]);
    EXPECT_EQ(objc::method_getImplementation(
                  objc::class_getInstanceMethod(objc::objc_getClass("HostBase"), objc::sel_registerName("sortZA"))),
              m_host[InstalledMethod::SortZA]);
}

TEST_F(LibraryTest, TheHostNeverRebuildsTheRootListOnResume)
{
    auto root = rootList({group(), row("General")});
    root->specifiers().back()->setName("Renamed");
    root->applicationWillEnterForeground();
    EXPECT_FALSE(objc::msgSend<bool>(root.get(), "shouldReloadSpecifiersOnResume"));
    EXPECT_EQ(root->specifiers().back()->nameOrEmpty(), "Renamed");
}

TEST_F(LibraryTest, SharedStateBeforeTheFirstRebuild)
{
    const auto& state = core::sharedState();
    EXPECT_FALSE(state.listIsCurrent);
    EXPECT_EQ(state.texto, "");
    EXPECT_FLOAT_EQ(state.lastOffset, -1.0f);
    EXPECT_TRUE(state.sectionMap.empty() && state.tweakSection.empty() && state.duplicateNames.empty());
    EXPECT_THAT(state.supported,
                ElementsAre("it", "en", "tr", "zh-Hans", "de", "ar", "fr", "pl", "sv", "ru", "zh-Hant"));
    ASSERT_TRUE(state.editable && state.test && state.sort);
    EXPECT_STREQ(objc::class_getName(state.editable->isa()), "Editable");
    EXPECT_STREQ(objc::class_getName(state.test->isa()), "test");
    EXPECT_STREQ(objc::class_getName(state.sort->isa()), "Sort");
}

TEST_F(LibraryTest, ARootListCreatedAfterAnotherEndedStillRebuilds)
{
    auto first = rootList({group(), row("General"), row("Wallpaper")});
    objc::msgSend<void>(first.get(), "reloadSpecifiers");
    first.reset();

    auto second = rootList({group(), row("Sounds")});
    objc::msgSend<void>(second.get(), "reloadSpecifiers");
    EXPECT_THAT(describe(second->specifiers()), ElementsAre("[]", "Sounds", "[]", "Velmora"));
    EXPECT_THAT(describe(core::sharedState().allEntries), ElementsAre("[]", "Sounds"));
}

}  // namespace
}  // namespace velmora::testing
