#include "device/objc/object.h"

#include "device/objc/message.h"

#include <string>

namespace device::objc {

bool Object::isKindOfClass(Class cls) const
{
    return class_isSubclassOf(m_isa, cls);
}

bool Object::isKindOfClass(std::string_view className) const
{
    Class cls = objc_getClass(className);
    return cls && isKindOfClass(cls);
}

bool Object::respondsToSelector(SEL sel) const
{
    return class_respondsToSelector(m_isa, sel);
}

void checkSendSignature(Method method, const std::string& callEncoding)
{
    const char* declared = method_getTypeEncoding(method);
    if (declared && *declared && callEncoding != declared) {
        objc_fatal(std::string("message ") + sel_getName(method_getName(method)) + " declared as " + declared
                   + " sent as " + callEncoding);
    }
}

void unrecognizedSelector(id self, SEL sel)
{
    objc_fatal(std::string("-[") + class_getName(object_getClass(self)) + " " + sel_getName(sel)
               + "]: unrecognized selector sent to instance");
}

bool respondsTo(id self, std::string_view selector)
{
    return self && self->respondsToSelector(sel_registerName(selector));
}

}  // namespace device::objc

namespace device::objc {

void sendAction(id target, SEL action, id sender)
{
    if (!target || !action) {
        return;
    }
    Method method = class_getInstanceMethod(target->isa(), action);
    if (!method) {
        unrecognizedSelector(target, action);
    }
    std::string_view types = method_getTypeEncoding(method);
    // A BOOL argument (viewWillAppear: as a button's action) gets the sender read as a truth value, as
    // the platform's register-sized argument would be; passing the pointer itself would be undefined.
    if (types.size() == 4 && types.back() == 'B') {
        callImp<void, bool>(method_getImplementation(method), target, action, sender != nullptr);
        return;
    }
    bool takesSender = types.size() > 3 || (types.empty() && std::string_view(sel_getName(action)).ends_with(':'));
    if (takesSender) {
        callImp<void, id>(method_getImplementation(method), target, action, sender);
    } else {
        callImp<void>(method_getImplementation(method), target, action);
    }
}

void sendAction(const TargetAction& pair, id sender)
{
    if (auto target = pair.target.lock()) {
        sendAction(target.get(), pair.action, sender);
    }
}

}  // namespace device::objc
