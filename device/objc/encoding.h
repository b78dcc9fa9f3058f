#pragma once

#include "device/objc/runtime.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>

// Type encodings in the platform's notation ("v@:", "B@:", "v@:@"), computed from C++ signatures so
// that a send whose arguments do not match the method's declared types is caught in debug builds.
namespace device::objc {

template <class T>
struct IsSharedPtr : std::false_type {};
template <class T>
struct IsSharedPtr<std::shared_ptr<T>> : std::true_type {};

// Value types that stand for platform objects (an index path is an object on the platform) opt in
// by declaring `static constexpr bool encodesAsObject = true`.
template <class T>
concept EncodesAsObject = T::encodesAsObject;

template <class T>
std::string typeEncoding()
{
    using U = std::remove_cvref_t<T>;
    if constexpr (std::is_enum_v<U>) {
        return typeEncoding<std::underlying_type_t<U>>();
    } else if constexpr (std::is_void_v<U>) {
        return "v";
    } else if constexpr (std::is_same_v<U, bool>) {
        return "B";
    } else if constexpr (std::is_same_v<U, SEL>) {
        return ":";
    } else if constexpr (std::is_same_v<U, Class>) {
        return "#";
    } else if constexpr (std::is_pointer_v<U> || IsSharedPtr<U>::value) {
        return "@";
    } else if constexpr (EncodesAsObject<U> || std::is_same_v<U, std::string>
                         || std::is_same_v<U, std::optional<std::string>>) {
        return "@";
    } else if constexpr (std::is_same_v<U, char> || std::is_same_v<U, signed char>) {
        return "c";
    } else if constexpr (std::is_same_v<U, int>) {
        return "i";
    } else if constexpr (std::is_same_v<U, unsigned>) {
        return "I";
    } else if constexpr (std::is_same_v<U, long> || std::is_same_v<U, long long>) {
        return "q";
    } else if constexpr (std::is_same_v<U, unsigned long> || std::is_same_v<U, unsigned long long>) {
        return "Q";
    } else if constexpr (std::is_same_v<U, float>) {
        return "f";
    } else if constexpr (std::is_same_v<U, double>) {
        return "d";
    } else {
        return "{" + std::string(U::structName) + "}";
    }
}

template <class R, class... Args>
std::string methodEncoding()
{
    return typeEncoding<R>() + "@:" + (std::string() + ... + typeEncoding<Args>());
}

}  // namespace device::objc
