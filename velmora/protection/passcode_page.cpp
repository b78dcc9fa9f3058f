#include "velmora/protection/passcode_page.h"

#include "velmora/core/translator.h"
#include "velmora/pane/alerts.h"
#include "velmora/pane/rows.h"
#include "velmora/protection/entry_prompt.h"
#include "velmora/protection/protection_settings.h"
#include "velmora/store/store.h"

#include "device/objc/class_builder.h"
#include "device/uikit/navigation_controller.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velmora::protection {

namespace {

namespace objc = device::objc;
using core::Translator;
using device::foundation::PlistDictionary;
using device::foundation::PlistValue;
using device::uikit::UITextField;

constexpr long kDescriptionGroup = 0;
constexpr long kEnableSwitch = 1;

// The change flow's steps; the prompt page in view is the step's number.
enum ChangeStep : std::int32_t { OldCode = 0, NewCode = 1, RepeatCode = 2, Done = 3 };

// One passcode page is open at a time, so its flows keep their state for the whole process.
struct PasscodeFlows {
    std::int32_t changeStep = OldCode;
    std::vector<std::string> typedNewCodes;
    std::optional<PlistDictionary> pendingProtectedStore;
};

PasscodeFlows& flows()
{
    static PasscodeFlows state;
    return state;
}

std::string storedPasscode()
{
    return store::readString(store::load(store::Store::Protected), store::keys::kPassword);
}

PromptSpec askForPasscode(std::string_view cancelAction, std::string_view changeHandler)
{
    return {Translator("write"), {{"write", 0}}, cancelAction, changeHandler};
}

}  // namespace

void passwordController::buildRows(core::EntryList& list)
{
    list.clear();
    list.push_back(pane::groupWithFooter(Translator("desc_sec")));
    list.push_back(pane::makeRow(Translator("enable"), this, "PSSwitchCell", {"setEnable:", "enable"}));
    list.push_back(pane::groupWithFooter(Translator("change_pass")));
    core::Entry change = pane::makeRow(Translator("change_pass"), this, "PSButtonCell");
    pane::setAlignment(change, 2);
    change->setAction(objc::sel_registerName("changePass"));
    list.push_back(change);
}

void passwordController::viewWillAppear(bool animated)
{
    PSListController::viewWillAppear(animated);
    if (protectionIsActive(store::load(store::Store::Protected))) {
        presentEntryPrompt(*this, askForPasscode("dismiss", "textFieldDidChange:"));
    }
}

PlistValue passwordController::enable(device::preferences::PSSpecifier*)
{
    return store::storedValue(store::Store::Protected, store::keys::kProtectionEnabled);
}

void passwordController::setEnable(PlistValue value, device::preferences::PSSpecifier* row)
{
    auto stored = store::load(store::Store::Protected);
    stored[std::string(store::keys::kProtectionEnabled)] = PlistValue(value.boolValue());
    if (store::readString(stored, store::keys::kPassword).empty()) {
        if (!store::save(store::Store::Protected, stored)) {
            pane::showNotSaved(*this, row);
        }
        return;
    }
    flows().pendingProtectedStore = std::move(stored);
    presentEntryPrompt(*this, askForPasscode("dismiss1", "textFieldDidChange1:"));
}

void passwordController::changePass()
{
    bool hasPasscode = !storedPasscode().empty();
    flows().changeStep = hasPasscode ? OldCode : NewCode;
    flows().typedNewCodes.clear();
    presentEntryPrompt(*this, {Translator("change_pass"),
                               {{"old", hasPasscode ? 0 : -1}, {"new_pass", hasPasscode ? 1 : 0}, {"rewrite", 1}},
                               "dismiss1",
                               "textFieldDidChange2:"});
}

void passwordController::dismiss()
{
    auto self = retained<passwordController>();
    dismissEntryPrompt(*this, [self] {
        if (auto* navigation = self->navigationController()) {
            navigation->popViewControllerAnimated(true);
        }
    });
}

void passwordController::dismiss1()
{
    auto keepAlive = retained<passwordController>();
    flows().pendingProtectedStore.reset();
    flows().typedNewCodes.clear();
    dismissEntryPrompt(*this);
    refreshSwitch();
}

void passwordController::textFieldDidChange(UITextField* field)
{
    if (followTyping(*field, 0) != Typing::FourDigits) {
        return;
    }
    if (field->text() == storedPasscode()) {
        dismissEntryPrompt(*this);
    } else {
        rejectCode(*field, 0);
    }
}

void passwordController::textFieldDidChange1(UITextField* field)
{
    if (followTyping(*field, 0) != Typing::FourDigits) {
        return;
    }
    if (field->text() != storedPasscode()) {
        rejectCode(*field, 0);
        return;
    }
    auto keepAlive = retained<passwordController>();
    bool saved = !flows().pendingProtectedStore || store::save(store::Store::Protected, *flows().pendingProtectedStore);
    dismissEntryPrompt(*this);
    refreshSwitch();
    flows().pendingProtectedStore.reset();
    if (!saved) {
        pane::showNotSaved();
    }
}

void passwordController::textFieldDidChange2(UITextField* field)
{
    PasscodeFlows& flow = flows();
    std::int32_t step = flow.changeStep;
    if (step >= Done) {
        return;
    }
    Typing typing = followTyping(*field, step);
    if (typing == Typing::Ignored) {
        return;
    }
    if (step == NewCode) {
        flow.typedNewCodes.push_back(field->text());
    }
    if (typing != Typing::FourDigits) {
        return;
    }
    std::string expected = step == OldCode ? storedPasscode() : flow.typedNewCodes.back();
    if (field->text() != expected) {
        rejectCode(*field, step);
        return;
    }
    flow.changeStep = step + 1;
    if (step != RepeatCode) {
        slideToNextPage(*field, step);
        return;
    }
    auto keepAlive = retained<passwordController>();
    bool saved = store::storeValue(store::Store::Protected, store::keys::kPassword, expected);
    flow.typedNewCodes.clear();
    dismissEntryPrompt(*this);
    if (!saved) {
        pane::showNotSaved();
    }
}

// After a prompt for the switch, confirmed or not, the switch shows what is stored rather than where
// the finger left it.
void passwordController::refreshSwitch()
{
    reloadSpecifierAtIndex(kDescriptionGroup);
    reloadSpecifierAtIndex(kEnableSwitch);
}

void registerPasswordController()
{
    objc::ClassBuilder<passwordController>(device::preferences::PSListController::className)
        .method<&passwordController::viewWillAppear>("viewWillAppear:")
        .method<&passwordController::enable>("enable")
        .method<&passwordController::setEnable>("setEnable:")
        .method<&passwordController::changePass>("changePass")
        .method<&passwordController::dismiss>("dismiss")
        .method<&passwordController::dismiss1>("dismiss1")
        .method<&passwordController::textFieldDidChange>("textFieldDidChange:")
        .method<&passwordController::textFieldDidChange1>("textFieldDidChange1:")
        .method<&passwordController::textFieldDidChange2>("textFieldDidChange2:");
}

}  // namespace velmora::protection
