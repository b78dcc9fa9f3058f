#pragma once

#include <memory>
#include <string>
#include <string_view>

// The platform's object runtime: classes registered by name with a superclass and a method table,
// interned selectors, and message sends that look the implementation up at every call, so that a
// method installed at run time is what the next send reaches.
namespace device::objc {

class Object;
struct objc_selector;
struct objc_class;
struct objc_method;

using id = Object*;
using SEL = const objc_selector*;
using Class = objc_class*;
using Method = objc_method*;
using IMP = void (*)();

SEL sel_registerName(std::string_view name);
const char* sel_getName(SEL sel);

Class objc_getClass(std::string_view name);
Class object_getClass(id object);
Class object_getClass(Class cls);
Class class_getSuperclass(Class cls);
const char* class_getName(Class cls);
bool class_isMetaClass(Class cls);
Method class_getInstanceMethod(Class cls, SEL sel);
bool class_addMethod(Class cls, SEL sel, IMP imp, const char* types);
bool class_respondsToSelector(Class cls, SEL sel);
bool class_isSubclassOf(Class cls, Class ancestor);

SEL method_getName(Method method);
IMP method_getImplementation(Method method);
IMP method_setImplementation(Method method, IMP imp);
const char* method_getTypeEncoding(Method method);

void* objc_autoreleasePoolPush();
void objc_autoreleasePoolPop(void* pool);
void autorelease(std::shared_ptr<Object> object);

using InstanceFactory = std::shared_ptr<Object> (*)();

// Registers a class and its metaclass. A null factory makes a class that cannot be instantiated by
// name. Registering a name twice returns the existing class.
Class objc_registerClass(std::string_view name, Class superclass, InstanceFactory factory);

// Creates an instance of a class found by name, as the host does for a row's detail page.
std::shared_ptr<Object> class_createInstance(Class cls);

// A process launch starts with an empty runtime. Classes of an earlier launch stay allocated so
// that stray pointers into them never dangle, but they can no longer be found by name.
void objc_resetRuntime();

[[noreturn]] void objc_fatal(const std::string& message);

}  // namespace device::objc
