#pragma once

#include "device/objc/encoding.h"
#include "device/objc/object.h"
#include "device/objc/runtime.h"

#include <memory>
#include <string>
#include <string_view>

namespace device::objc {

template <class R, class... Args>
R callImp(IMP imp, id self, SEL sel, Args... args)
{
    return reinterpret_cast<R (*)(id, SEL, Args...)>(imp)(self, sel, args...);
}

void checkSendSignature(Method method, const std::string& callEncoding);
[[noreturn]] void unrecognizedSelector(id self, SEL sel);

// Sends a message: the implementation is looked up in the receiver's class at every send, as on the
// platform. A message to nil does nothing and answers a zero value.
template <class R = void, class... Args>
R msgSend(id self, SEL sel, Args... args)
{
    if (!self) {
        if constexpr (std::is_void_v<R>) {
            return;
        } else {
            return R{};
        }
    }
    Method method = class_getInstanceMethod(self->isa(), sel);
    if (!method) {
        unrecognizedSelector(self, sel);
    }
#ifndef NDEBUG
    checkSendSignature(method, methodEncoding<R, Args...>());
#endif
    return callImp<R, Args...>(method_getImplementation(method), self, sel, args...);
}

template <class R = void, class... Args>
R msgSend(id self, std::string_view selector, Args... args)
{
    return msgSend<R, Args...>(self, sel_registerName(selector), args...);
}

template <class R = void, class T, class... Args>
R msgSend(const std::shared_ptr<T>& self, std::string_view selector, Args... args)
{
    return msgSend<R, Args...>(static_cast<id>(self.get()), sel_registerName(selector), args...);
}

bool respondsTo(id self, std::string_view selector);

// A {target, action} pair: how buttons, bar items, timers, recognisers and specifier accessors
// reach their receivers. The target is weak, as on the platform.
struct TargetAction {
    std::weak_ptr<Object> target;
    SEL action = nullptr;

    explicit operator bool() const { return action != nullptr && !target.expired(); }
};

}  // namespace device::objc

namespace device::objc {

// Sends an action the way controls, timers and recognisers do: with the sender as argument when the
// action's method takes one, without it when it takes none.
void sendAction(id target, SEL action, id sender);
void sendAction(const TargetAction& pair, id sender);

}  // namespace device::objc
