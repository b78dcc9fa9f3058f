#pragma once

#include "device/objc/encoding.h"
#include "device/objc/object.h"
#include "device/objc/runtime.h"

#include <memory>
#include <string_view>
#include <type_traits>

namespace device::objc {

template <auto MemberFunction>
struct MethodTrampoline;

template <class C, class R, class... A, R (C::*F)(A...)>
struct MethodTrampoline<F> {
    static R call(id self, SEL, A... args) { return (static_cast<C*>(self)->*F)(args...); }
    static std::string types() { return methodEncoding<R, A...>(); }
};

template <class C, class R, class... A, R (C::*F)(A...) const>
struct MethodTrampoline<F> {
    static R call(id self, SEL, A... args) { return (static_cast<const C*>(self)->*F)(args...); }
    static std::string types() { return methodEncoding<R, A...>(); }
};

// Registers the C++ class T under T::className with the given superclass, and its selector-named
// methods. Instances made by name come from T's default constructor when it has one.
template <class T>
class ClassBuilder {
public:
    explicit ClassBuilder(Class superclass)
        : m_class(objc_registerClass(T::className, superclass, factory()))
    {
    }
    explicit ClassBuilder(std::string_view superclassName)
        : ClassBuilder(objc_getClass(superclassName))
    {
    }

    template <auto MemberFunction>
    ClassBuilder& method(std::string_view selector)
    {
        using Trampoline = MethodTrampoline<MemberFunction>;
        class_addMethod(m_class, sel_registerName(selector), reinterpret_cast<IMP>(&Trampoline::call),
                        Trampoline::types().c_str());
        return *this;
    }

    Class cls() const { return m_class; }

private:
    static InstanceFactory factory()
    {
        if constexpr (std::is_default_constructible_v<T>) {
            return [] { return std::static_pointer_cast<Object>(std::make_shared<T>()); };
        } else {
            return nullptr;
        }
    }

    Class m_class;
};

}  // namespace device::objc
