#include "device/uikit/keyboard_layout.h"

#include "device/uikit/keyboard.h"

#include <array>
#include <string>

namespace device::uikit {
namespace {

const UIColor kBackground = UIColor::rgba(0.82, 0.83, 0.85);
const UIColor kCharacterCap = UIColor::whiteColor();
const UIColor kFunctionCap = UIColor::rgba(0.67, 0.7, 0.73);
constexpr double kCapCornerRadius = 5;

struct Grid {
    double column;
    double row;
};

void addKey(UIView& keyboard, CGRect slot, std::string title, std::string character, bool function, double fontSize)
{
    auto key = objc::create<UIKeyboardKey>();
    // The cap is drawn inside its slot; the whole slot takes the touch, as on the phone.
    key->setFrame(slot);
    auto cap = objc::create<UIView>(CGRectMake(slot.width() * 0.09, slot.height() * 0.14, slot.width() * 0.82,
                                               slot.height() * 0.72));
    cap->setBackgroundColor(function ? kFunctionCap : kCharacterCap);
    cap->layer().cornerRadius = kCapCornerRadius;
    cap->setUserInteractionEnabled(false);
    key->insertSubviewAtIndex(cap, 0);
    key->setTitle(std::move(title));
    key->setTitleColor(UIColor::blackColor());
    key->titleLabel()->setFont(UIFont::systemFontOfSize(fontSize));
    key->titleLabel()->setTextAlignment(NSTextAlignment::Center);
    key->setCharacter(std::move(character));
    keyboard.addSubview(key);
}

void addLetterKeys(UIView& keyboard, Grid unit)
{
    constexpr std::array<std::string_view, 3> rows{"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
    constexpr std::array<double, 3> indents{0, 0.5, 1.5};
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (std::size_t i = 0; i < rows[row].size(); ++i) {
            std::string letter(1, rows[row][i]);
            std::string typed(1, static_cast<char>(rows[row][i] - 'A' + 'a'));
            CGRect slot = CGRectMake((indents[row] + static_cast<double>(i)) * unit.column,
                                     static_cast<double>(row) * unit.row, unit.column, unit.row);
            addKey(keyboard, slot, letter, typed, false, 22);
        }
    }
    addKey(keyboard, CGRectMake(8.5 * unit.column, 2 * unit.row, 1.5 * unit.column, unit.row), "⌫", "", true, 20);
    addKey(keyboard, CGRectMake(2.5 * unit.column, 3 * unit.row, 5 * unit.column, unit.row), "space", " ", false, 16);
    addKey(keyboard, CGRectMake(7.5 * unit.column, 3 * unit.row, 2.5 * unit.column, unit.row), "return", "\n", true,
           16);
}

void addDigitKeys(UIView& keyboard, Grid unit)
{
    constexpr std::string_view digits = "123456789";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        std::string digit(1, digits[i]);
        CGRect slot = CGRectMake(static_cast<double>(i % 3) * unit.column, static_cast<double>(i / 3) * unit.row,
                                 unit.column, unit.row);
        addKey(keyboard, slot, digit, digit, false, 25);
    }
    addKey(keyboard, CGRectMake(unit.column, 3 * unit.row, unit.column, unit.row), "0", "0", false, 25);
    addKey(keyboard, CGRectMake(2 * unit.column, 3 * unit.row, unit.column, unit.row), "⌫", "", true, 20);
}

}  // namespace

std::shared_ptr<UIView> makeKeyboardView(UIKeyboardType type, CGSize size)
{
    auto view = objc::create<UIView>(CGRectMake(0, 0, size.width, size.height));
    view->setBackgroundColor(kBackground);
    if (type == UIKeyboardType::NumberPad) {
        addDigitKeys(*view, {size.width / 3, size.height / 4});
    } else {
        addLetterKeys(*view, {size.width / 10, size.height / 4});
    }
    return view;
}

}  // namespace device::uikit
