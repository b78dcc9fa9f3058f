#pragma once

#include "device/uikit/button.h"
#include "device/uikit/text_field.h"
#include "device/uikit/view.h"

#include <cstddef>
#include <string_view>

namespace device::uikit {

// A key of the on-screen keyboard: a tap types its character, or deletes one when it has none.
class UIKeyboardKey : public UIButton {
public:
    static constexpr std::string_view className = "UIKeyboardKey";

    void setCharacter(std::string character) { m_character = std::move(character); }

protected:
    void endTracking(TouchRelease where) override;

private:
    std::string m_character;
};

// The on-screen keyboard: a view at the bottom of the screen while a text field has the focus, with
// the keys of that field's keyboard type. Typing goes to the first responder, key by key, whether
// the keys are tapped or a text is typed.
class Keyboard {
public:
    static constexpr double kPhoneHeight = 216;
    static constexpr double kTabletHeight = 264;

    static bool isVisible() { return view() != nullptr; }
    static UIView* view();
    static UIKeyboardType keyboardType();

    // One key a character ("\n" is the return key). A character without a key on the keyboard shown
    // (a letter on the number pad) is not typed.
    static void type(std::string_view text);
    // The delete key, count times.
    static void erase(std::size_t count = 1);

    // Follows the first responder: shown with its keys while there is one, gone when there is none.
    static void update();
};

}  // namespace device::uikit
