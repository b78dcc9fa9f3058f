#pragma once

#include "device/objc/runtime.h"

#include <memory>
#include <string>
#include <unordered_map>

namespace device::objc {

struct objc_selector {
    std::string name;
};

struct objc_method {
    SEL name;
    IMP imp;
    std::string types;
};

struct objc_class {
    std::string name;
    Class superclass = nullptr;
    Class metaclass = nullptr;
    bool isMeta = false;
    InstanceFactory factory = nullptr;
    std::unordered_map<SEL, std::unique_ptr<objc_method>> methods;
};

}  // namespace device::objc
