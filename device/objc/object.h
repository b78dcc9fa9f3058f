#pragma once

#include "device/objc/runtime.h"

#include <memory>
#include <string_view>

namespace device::objc {

// Root of every object that the runtime can message. Objects are shared by identity through
// std::shared_ptr; a message receiver is borrowed for the duration of the send.
class Object : public std::enable_shared_from_this<Object> {
public:
    static constexpr std::string_view className = "NSObject";

    virtual ~Object() = default;

    Class isa() const { return m_isa; }
    void setIsa(Class cls) { m_isa = cls; }

    bool isKindOfClass(Class cls) const;
    bool isKindOfClass(std::string_view className) const;
    bool respondsToSelector(SEL sel) const;

    template <class T>
    std::shared_ptr<T> retained()
    {
        return std::static_pointer_cast<T>(shared_from_this());
    }

private:
    Class m_isa = nullptr;
};

// Every C++ class that the runtime knows declares `static constexpr std::string_view className`.
template <class T, class... Args>
std::shared_ptr<T> create(Args&&... args)
{
    auto object = std::make_shared<T>(std::forward<Args>(args)...);
    Class cls = objc_getClass(T::className);
    if (!cls) {
        objc_fatal("class " + std::string(T::className) + " is not registered");
    }
    object->setIsa(cls);
    return object;
}

// How delegates and other back-references are held: weakly, as on the platform.
inline std::weak_ptr<Object> weakReference(id object)
{
    return object ? std::weak_ptr<Object>(object->retained<Object>()) : std::weak_ptr<Object>();
}

template <class T>
std::shared_ptr<T> as(const std::shared_ptr<Object>& object)
{
    return std::dynamic_pointer_cast<T>(object);
}

template <class T>
T* as(id object)
{
    return dynamic_cast<T*>(object);
}

}  // namespace device::objc
