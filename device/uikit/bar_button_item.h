#pragma once

#include "device/objc/message.h"
#include "device/objc/object.h"
#include "device/uikit/image.h"

#include <memory>
#include <string>

namespace device::uikit {

enum class UIBarButtonItemStyle { Plain = 0, Bordered = 1, Done = 2 };

class UIBarButtonItem : public objc::Object {
public:
    static constexpr std::string_view className = "UIBarButtonItem";

    static std::shared_ptr<UIBarButtonItem> initWithTitle(std::string title, UIBarButtonItemStyle style,
                                                          objc::id target, objc::SEL action);
    static std::shared_ptr<UIBarButtonItem> initWithImage(std::shared_ptr<UIImage> image, UIBarButtonItemStyle style,
                                                          objc::id target, objc::SEL action);

    const std::string& title() const { return m_title; }
    UIImage* image() const { return m_image.get(); }
    const std::shared_ptr<UIImage>& imageShared() const { return m_image; }
    // What a screen reader, and the simulator's screen, call the item: its title, or for a picture
    // its file's name ("Heart" for Heart@2x.png).
    std::string name() const;
    void setTitle(std::string title) { m_title = std::move(title); }
    UIBarButtonItemStyle style() const { return m_style; }
    objc::Object* target() const { return m_action.target.lock().get(); }
    objc::SEL action() const { return m_action.action; }
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }

    // A tap: the action reaches the target with this item as sender.
    void sendAction();

private:
    std::string m_title;
    std::shared_ptr<UIImage> m_image;
    UIBarButtonItemStyle m_style = UIBarButtonItemStyle::Plain;
    objc::TargetAction m_action;
    bool m_enabled = true;
};

class UINavigationItem : public objc::Object {
public:
    static constexpr std::string_view className = "UINavigationItem";

    const std::string& title() const { return m_title; }
    void setTitle(std::string title) { m_title = std::move(title); }
    UIBarButtonItem* leftBarButtonItem() const { return m_left.get(); }
    void setLeftBarButtonItem(std::shared_ptr<UIBarButtonItem> item) { m_left = std::move(item); }
    UIBarButtonItem* rightBarButtonItem() const { return m_right.get(); }
    void setRightBarButtonItem(std::shared_ptr<UIBarButtonItem> item) { m_right = std::move(item); }
    bool hidesBackButton() const { return m_hidesBackButton; }
    void setHidesBackButton(bool hides) { m_hidesBackButton = hides; }

private:
    std::string m_title;
    std::shared_ptr<UIBarButtonItem> m_left;
    std::shared_ptr<UIBarButtonItem> m_right;
    bool m_hidesBackButton = false;
};

}  // namespace device::uikit
