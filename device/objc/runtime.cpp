#include "device/objc/runtime.h"

#include "device/objc/object.h"
#include "device/objc/runtime_internal.h"

#include <cstdio>
#include <cstdlib>
#include <unordered_map>
#include <vector>

namespace device::objc {

namespace {

struct Registry {
    std::unordered_map<std::string, std::unique_ptr<objc_selector>> selectors;
    std::unordered_map<std::string, std::unique_ptr<objc_class>> classes;
    std::vector<std::unique_ptr<objc_class>> retired;
    std::vector<std::vector<std::shared_ptr<Object>>> pools;
};

Registry& registry()
{
    static Registry instance;
    return instance;
}

}  // namespace

void objc_fatal(const std::string& message)
{
    std::fprintf(stderr, "objc: %s\n", message.c_str());
    std::abort();
}

SEL sel_registerName(std::string_view name)
{
    auto& selectors = registry().selectors;
    auto found = selectors.find(std::string(name));
    if (found != selectors.end()) {
        return found->second.get();
    }
    auto selector = std::make_unique<objc_selector>(objc_selector{std::string(name)});
    SEL result = selector.get();
    selectors.emplace(std::string(name), std::move(selector));
    return result;
}

const char* sel_getName(SEL sel)
{
    return sel ? sel->name.c_str() : "<null selector>";
}

Class objc_registerClass(std::string_view name, Class superclass, InstanceFactory factory)
{
    auto& classes = registry().classes;
    if (auto found = classes.find(std::string(name)); found != classes.end()) {
        return found->second.get();
    }
    auto meta = std::make_unique<objc_class>();
    meta->name = std::string(name);
    meta->isMeta = true;
    meta->superclass = superclass ? superclass->metaclass : nullptr;

    auto cls = std::make_unique<objc_class>();
    cls->name = std::string(name);
    cls->superclass = superclass;
    cls->metaclass = meta.get();
    cls->factory = factory;

    Class result = cls.get();
    registry().retired.push_back(std::move(meta));
    classes.emplace(std::string(name), std::move(cls));
    return result;
}

void objc_resetRuntime()
{
    auto& reg = registry();
    for (auto& [name, cls] : reg.classes) {
        reg.retired.push_back(std::move(cls));
    }
    reg.classes.clear();
    reg.pools.clear();
}

Class objc_getClass(std::string_view name)
{
    auto& classes = registry().classes;
    auto found = classes.find(std::string(name));
    return found == classes.end() ? nullptr : found->second.get();
}

Class object_getClass(id object)
{
    return object ? object->isa() : nullptr;
}

Class object_getClass(Class cls)
{
    return cls ? cls->metaclass : nullptr;
}

Class class_getSuperclass(Class cls)
{
    return cls ? cls->superclass : nullptr;
}

const char* class_getName(Class cls)
{
    return cls ? cls->name.c_str() : "nil";
}

bool class_isMetaClass(Class cls)
{
    return cls && cls->isMeta;
}

Method class_getInstanceMethod(Class cls, SEL sel)
{
    for (Class current = cls; current; current = current->superclass) {
        auto found = current->methods.find(sel);
        if (found != current->methods.end()) {
            return found->second.get();
        }
    }
    return nullptr;
}

bool class_addMethod(Class cls, SEL sel, IMP imp, const char* types)
{
    if (!cls || !sel || cls->methods.contains(sel)) {
        return false;
    }
    cls->methods.emplace(sel, std::make_unique<objc_method>(objc_method{sel, imp, types ? types : ""}));
    return true;
}

bool class_respondsToSelector(Class cls, SEL sel)
{
    return class_getInstanceMethod(cls, sel) != nullptr;
}

bool class_isSubclassOf(Class cls, Class ancestor)
{
    for (Class current = cls; current; current = current->superclass) {
        if (current == ancestor) {
            return true;
        }
    }
    return false;
}

SEL method_getName(Method method)
{
    return method ? method->name : nullptr;
}

IMP method_getImplementation(Method method)
{
    return method ? method->imp : nullptr;
}

IMP method_setImplementation(Method method, IMP imp)
{
    if (!method) {
        return nullptr;
    }
    IMP previous = method->imp;
    method->imp = imp;
    return previous;
}

const char* method_getTypeEncoding(Method method)
{
    return method ? method->types.c_str() : nullptr;
}

void* objc_autoreleasePoolPush()
{
    auto& pools = registry().pools;
    pools.emplace_back();
    return reinterpret_cast<void*>(pools.size());
}

void objc_autoreleasePoolPop(void* pool)
{
    auto& pools = registry().pools;
    auto depth = reinterpret_cast<std::size_t>(pool);
    if (depth == 0 || depth > pools.size()) {
        return;
    }
    // Popping a pool also drains every pool pushed after it, as on the platform.
    while (pools.size() >= depth) {
        auto drained = std::move(pools.back());
        pools.pop_back();
        drained.clear();
    }
}

void autorelease(std::shared_ptr<Object> object)
{
    auto& pools = registry().pools;
    if (!pools.empty()) {
        pools.back().push_back(std::move(object));
    }
}

std::shared_ptr<Object> class_createInstance(Class cls)
{
    if (!cls || !cls->factory) {
        return nullptr;
    }
    auto object = cls->factory();
    object->setIsa(cls);
    return object;
}

}  // namespace device::objc
