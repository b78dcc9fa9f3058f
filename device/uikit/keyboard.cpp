#include "device/uikit/keyboard.h"

#include "device/uikit/application.h"
#include "device/uikit/character_count.h"
#include "device/uikit/keyboard_layout.h"
#include "device/uikit/screen.h"

#include <algorithm>
#include <string>

namespace device::uikit {

namespace {

struct Shown {
    std::shared_ptr<UIView> view;
    UIKeyboardType type = UIKeyboardType::Default;
};

Shown g_shown;

std::shared_ptr<UIView> keyboardForScreen(UIKeyboardType type)
{
    CGRect screen = UIScreen::mainScreen().bounds();
    double height = UIDevice::currentDevice().userInterfaceIdiom() == UIUserInterfaceIdiom::Pad ? Keyboard::kTabletHeight : Keyboard::kPhoneHeight;
    auto view = makeKeyboardView(type, {screen.width(), height});
    view->setFrame(CGRectMake(0, screen.height() - height, screen.width(), height));
    return view;
}

bool hasKey(UIKeyboardType type, std::string_view character)
{
    return type != UIKeyboardType::NumberPad || (character.size() == 1 && character[0] >= '0' && character[0] <= '9');
}

}  // namespace

void UIKeyboardKey::endTracking(TouchRelease where)
{
    auto keepAlive = retained<UIKeyboardKey>();
    UIButton::endTracking(where);
    if (where != TouchRelease::Inside) {
        return;
    }
    if (m_character.empty()) {
        Keyboard::erase();
    } else {
        Keyboard::type(m_character);
    }
}

UIView* Keyboard::view()
{
    return g_shown.view.get();
}

UIKeyboardType Keyboard::keyboardType()
{
    return g_shown.type;
}

void Keyboard::type(std::string_view text)
{
    while (!text.empty()) {
        std::string_view character = text.substr(0, firstCharacterLength(text));
        text.remove_prefix(character.size());
        UITextField* field = UITextField::firstResponder();
        if (!field) {
            return;
        }
        if (hasKey(field->keyboardType(), character)) {
            field->insertText(std::string(character));
        }
    }
}

void Keyboard::erase(std::size_t count)
{
    // The delete key cannot take away more characters than the field holds.
    if (UITextField* field = UITextField::firstResponder()) {
        count = std::min(count, characterCount(field->text()));
    }
    for (std::size_t i = 0; i < count; ++i) {
        UITextField* field = UITextField::firstResponder();
        if (!field) {
            return;
        }
        field->deleteBackward();
    }
}

void Keyboard::update()
{
    UITextField* field = UITextField::firstResponder();
    if (g_shown.view && (!field || field->keyboardType() != g_shown.type)) {
        g_shown.view->removeFromSuperview();
        g_shown = {};
    }
    if (field && !g_shown.view) {
        g_shown = {keyboardForScreen(field->keyboardType()), field->keyboardType()};
        if (UIWindow* window = UIApplication::sharedApplication().keyWindow()) {
            window->addOverlay(g_shown.view);
        }
    }
}

}  // namespace device::uikit
