#include "device/uikit/modal_box.h"

#include "device/objc/message.h"

#include <algorithm>
#include <cmath>

namespace device::uikit {

double wrappedTextHeight(std::string_view text, UIFont font, double width)
{
    double charactersPerLine = std::max(1.0, std::floor(width / (font.pointSize * 0.5)));
    double lines = std::max(1.0, std::ceil(static_cast<double>(text.size()) / charactersPerLine));
    return std::ceil(lines * font.pointSize * 1.3);
}

std::shared_ptr<UILabel> makeWrappedLabel(std::string text, UIFont font, UIColor color, CGRect frame)
{
    auto label = objc::create<UILabel>(frame);
    label->setText(std::move(text));
    label->setFont(font);
    label->setTextColor(std::move(color));
    label->setTextAlignment(NSTextAlignment::Center);
    label->setNumberOfLines(0);
    return label;
}

std::shared_ptr<UIButton> makeNumberedButton(std::string title, long index, objc::id target, std::string_view action)
{
    auto button = UIButton::buttonWithType(UIButtonType::System);
    button->setTitle(std::move(title));
    button->setTag(index);
    button->layer().borderWidth = 0.5;
    button->layer().borderColor = UIColor::white(0.8);
    button->addTargetActionForControlEvents(target, objc::sel_registerName(action), UIControlEventTouchUpInside);
    return button;
}

}  // namespace device::uikit
