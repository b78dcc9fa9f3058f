#include "device/uikit/keyboard.h"

#include "device/uikit/application.h"
#include "device/uikit/label.h"
#include "device/uikit/screen.h"

#include <algorithm>
#include <array>
#include <string>

namespace device::uikit {

namespace {

struct Shown {
    std::shared_ptr<UIView> view;
    UIKeyboardType type = UIKeyboardType::Default;
};

Shown g_shown;

constexpr std::array<std::string_view, 4> kLetterRows{"Q W E R T Y U I O P", "A S D F G H J K L", "Z X C V B N M",
                                                      "123   space"};
constexpr double kReturnKeyWidth = 0.25;
constexpr std::array<std::string_view, 4> kDigitRows{"1  2  3", "4  5  6", "7  8  9", "0"};

bool isTablet()
{
    return UIDevice::currentDevice().model().starts_with("iPad");
}

std::shared_ptr<UIView> makeKeyboardView(UIKeyboardType type)
{
    CGRect screen = UIScreen::mainScreen().bounds();
    double height = isTablet() ? Keyboard::kTabletHeight : Keyboard::kPhoneHeight;
    auto view = objc::create<UIView>(CGRectMake(0, screen.height() - height, screen.width(), height));
    view->setBackgroundColor(UIColor::rgba(0.82, 0.83, 0.85));
    const auto& rows = type == UIKeyboardType::NumberPad ? kDigitRows : kLetterRows;
    double rowHeight = height / static_cast<double>(rows.size());
    bool hasReturnKey = type != UIKeyboardType::NumberPad;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        bool last = i + 1 == rows.size();
        double width = screen.width() * (last && hasReturnKey ? 1 - kReturnKeyWidth : 1);
        auto keys = objc::create<UILabel>(CGRectMake(0, rowHeight * static_cast<double>(i), width, rowHeight));
        keys->setText(std::string(rows[i]));
        keys->setTextAlignment(NSTextAlignment::Center);
        keys->setFont(UIFont::systemFontOfSize(20));
        view->addSubview(keys);
    }
    if (hasReturnKey) {
        auto key = objc::create<UIKeyboardKey>();
        key->setFrame(CGRectMake(screen.width() * (1 - kReturnKeyWidth), height - rowHeight,
                                 screen.width() * kReturnKeyWidth, rowHeight));
        key->setTitle("return");
        key->setCharacter("\n");
        view->addSubview(key);
    }
    return view;
}

// Returns the length in bytes of the UTF-8 character that starts text.
std::size_t characterLength(std::string_view text)
{
    auto lead = static_cast<unsigned char>(text.front());
    std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return std::min(length, text.size());
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
    if (where == TouchRelease::Inside) {
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
        std::string_view character = text.substr(0, characterLength(text));
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
        g_shown = {makeKeyboardView(field->keyboardType()), field->keyboardType()};
        if (UIWindow* window = UIApplication::sharedApplication().keyWindow()) {
            window->addOverlay(g_shown.view);
        }
    }
}

}  // namespace device::uikit
