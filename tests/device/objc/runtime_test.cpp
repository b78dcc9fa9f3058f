#include "device/objc/class_builder.h"
#include "device/objc/message.h"
#include "device/objc/runtime.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace device::objc {
namespace {

class Animal : public Object {
public:
    static constexpr std::string_view className = "RuntimeTestAnimal";

    int legs() { return 4; }
    double weight() const { return 2.5; }
    int add(int a, int b) { return a + b; }
    void poke() { calls.push_back("poke"); }
    void pokedBy(id sender)
    {
        calls.push_back("pokedBy");
        senders.push_back(sender);
    }

    std::vector<std::string> calls;
    std::vector<id> senders;
};

class Bird : public Animal {
public:
    static constexpr std::string_view className = "RuntimeTestBird";

    int birdLegs() { return 2; }
};

class Unmakeable : public Object {
public:
    static constexpr std::string_view className = "RuntimeTestUnmakeable";

    explicit Unmakeable(int) {}
};

int fiveLegs(id, SEL)
{
    return 5;
}

int sixLegs(id, SEL)
{
    return 6;
}

class RuntimeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        objc_resetRuntime();
        objc_registerClass("NSObject", nullptr, [] { return std::make_shared<Object>(); });
        ClassBuilder<Animal>("NSObject")
            .method<&Animal::legs>("legs")
            .method<&Animal::weight>("weight")
            .method<&Animal::add>("add:to:")
            .method<&Animal::poke>("poke")
            .method<&Animal::pokedBy>("pokedBy:");
        ClassBuilder<Bird>(Animal::className);
        ClassBuilder<Unmakeable>("NSObject");
    }

    SEL m_legs = sel_registerName("legs");
};

TEST_F(RuntimeTest, ClassesAreFoundByNameWithTheirSuperclassAndMetaclass)
{
    Class animal = objc_getClass(Animal::className);
    Class bird = objc_getClass(Bird::className);
    ASSERT_NE(animal, nullptr);
    ASSERT_NE(bird, nullptr);
    EXPECT_STREQ(class_getName(bird), "RuntimeTestBird");
    EXPECT_EQ(class_getSuperclass(bird), animal);
    EXPECT_EQ(class_getSuperclass(animal), objc_getClass("NSObject"));
    EXPECT_EQ(objc_getClass("NoSuchClass"), nullptr);

    Class meta = object_getClass(bird);
    ASSERT_NE(meta, nullptr);
    EXPECT_NE(meta, bird);
    EXPECT_TRUE(class_isMetaClass(meta));
    EXPECT_FALSE(class_isMetaClass(bird));
    EXPECT_STREQ(class_getName(meta), "RuntimeTestBird");
    EXPECT_EQ(class_getSuperclass(meta), object_getClass(animal));

    EXPECT_EQ(objc_registerClass(Bird::className, nullptr, nullptr), bird);
}

TEST_F(RuntimeTest, SelectorsAreInterned)
{
    SEL first = sel_registerName("tableView:didSelectRowAtIndexPath:");
    EXPECT_EQ(sel_registerName(std::string("tableView:") + "didSelectRowAtIndexPath:"), first);
    EXPECT_NE(sel_registerName("tableView:"), first);
    EXPECT_STREQ(sel_getName(first), "tableView:didSelectRowAtIndexPath:");
}

TEST_F(RuntimeTest, InstanceMethodLookupSearchesSuperclasses)
{
    Class animal = objc_getClass(Animal::className);
    Class bird = objc_getClass(Bird::className);
    Method inherited = class_getInstanceMethod(bird, m_legs);
    ASSERT_NE(inherited, nullptr);
    EXPECT_EQ(inherited, class_getInstanceMethod(animal, m_legs));
    EXPECT_EQ(method_getName(inherited), m_legs);
    EXPECT_STREQ(method_getTypeEncoding(inherited), "i@:");
    EXPECT_STREQ(method_getTypeEncoding(class_getInstanceMethod(animal, sel_registerName("pokedBy:"))), "v@:@");
    EXPECT_STREQ(method_getTypeEncoding(class_getInstanceMethod(animal, sel_registerName("add:to:"))), "i@:ii");

    EXPECT_EQ(class_getInstanceMethod(bird, sel_registerName("fly")), nullptr);
    EXPECT_EQ(class_getInstanceMethod(nullptr, m_legs), nullptr);
    EXPECT_TRUE(class_respondsToSelector(bird, m_legs));
    EXPECT_FALSE(class_respondsToSelector(animal, sel_registerName("fly")));
    EXPECT_TRUE(class_isSubclassOf(bird, animal));
    EXPECT_FALSE(class_isSubclassOf(animal, bird));
}

TEST_F(RuntimeTest, AddMethodFailsOnlyWhenTheClassItselfDefinesTheSelector)
{
    Class animal = objc_getClass(Animal::className);
    Class bird = objc_getClass(Bird::className);
    EXPECT_FALSE(class_addMethod(animal, m_legs, reinterpret_cast<IMP>(&fiveLegs), "i@:"));

    EXPECT_TRUE(class_addMethod(bird, m_legs, reinterpret_cast<IMP>(&sixLegs), "i@:"));
    EXPECT_FALSE(class_addMethod(bird, m_legs, reinterpret_cast<IMP>(&fiveLegs), "i@:"));
    EXPECT_NE(class_getInstanceMethod(bird, m_legs), class_getInstanceMethod(animal, m_legs));

    auto aBird = create<Bird>();
    auto anAnimal = create<Animal>();
    EXPECT_EQ(msgSend<int>(aBird.get(), m_legs), 6);
    EXPECT_EQ(msgSend<int>(anAnimal.get(), m_legs), 4);

    SEL added = sel_registerName("wings");
    EXPECT_TRUE(class_addMethod(bird, added, reinterpret_cast<IMP>(&sixLegs), "i@:"));
    EXPECT_EQ(msgSend<int>(aBird, "wings"), 6);
    EXPECT_TRUE(aBird->respondsToSelector(added));
    EXPECT_FALSE(anAnimal->respondsToSelector(added));
}

TEST_F(RuntimeTest, SetImplementationReturnsThePreviousOneAndTakesEffectAtTheNextSend)
{
    auto aBird = create<Bird>();
    auto anAnimal = create<Animal>();
    Method method = class_getInstanceMethod(objc_getClass(Animal::className), m_legs);
    IMP original = method_getImplementation(method);

    IMP previous = method_setImplementation(method, reinterpret_cast<IMP>(&fiveLegs));
    EXPECT_EQ(previous, original);
    EXPECT_EQ(msgSend<int>(anAnimal.get(), m_legs), 5);
    EXPECT_EQ(msgSend<int>(aBird.get(), m_legs), 5);

    // The replaced implementation stays callable, as an installer's saved original.
    EXPECT_EQ(callImp<int>(previous, anAnimal.get(), m_legs), 4);
    EXPECT_EQ(method_setImplementation(method, previous), reinterpret_cast<IMP>(&fiveLegs));
    EXPECT_EQ(msgSend<int>(anAnimal.get(), m_legs), 4);
    EXPECT_EQ(method_setImplementation(nullptr, previous), nullptr);
}

TEST_F(RuntimeTest, MessagesCarryArgumentsAndResults)
{
    auto anAnimal = create<Animal>();
    EXPECT_EQ((msgSend<int, int, int>(anAnimal.get(), sel_registerName("add:to:"), 2, 40)), 42);
    EXPECT_EQ(msgSend<double>(anAnimal, "weight"), 2.5);
    msgSend(anAnimal, "poke");
    EXPECT_EQ(anAnimal->calls, std::vector<std::string>{"poke"});
    EXPECT_TRUE(respondsTo(anAnimal.get(), "poke"));
    EXPECT_FALSE(respondsTo(anAnimal.get(), "fly"));
    EXPECT_FALSE(respondsTo(nullptr, "poke"));
}

TEST_F(RuntimeTest, MessagesToNilDoNothingAndAnswerZero)
{
    EXPECT_EQ(msgSend<int>(nullptr, m_legs), 0);
    EXPECT_EQ(msgSend<double>(nullptr, "weight"), 0.0);
    EXPECT_EQ(msgSend<id>(nullptr, "anything"), nullptr);
    msgSend(nullptr, "poke");
    sendAction(nullptr, sel_registerName("poke"), nullptr);
    EXPECT_EQ(object_getClass(static_cast<id>(nullptr)), nullptr);
}

TEST_F(RuntimeTest, InstancesAreCreatedByClassWithTheirIsaSet)
{
    Class bird = objc_getClass(Bird::className);
    auto instance = class_createInstance(bird);
    ASSERT_NE(instance, nullptr);
    EXPECT_EQ(instance->isa(), bird);
    EXPECT_EQ(object_getClass(instance.get()), bird);
    EXPECT_NE(as<Bird>(instance), nullptr);
    EXPECT_TRUE(instance->isKindOfClass(Animal::className));
    EXPECT_TRUE(instance->isKindOfClass("NSObject"));
    EXPECT_FALSE(create<Animal>()->isKindOfClass(Bird::className));
    EXPECT_EQ(msgSend<int>(instance.get(), m_legs), 4);

    EXPECT_EQ(class_createInstance(objc_getClass(Unmakeable::className)), nullptr);
    EXPECT_EQ(class_createInstance(nullptr), nullptr);
}

TEST_F(RuntimeTest, AutoreleasePoolsReleaseWhenPopped)
{
    void* outer = objc_autoreleasePoolPush();
    auto kept = create<Animal>();
    std::weak_ptr<Animal> watchOuter = kept;
    autorelease(std::move(kept));
    EXPECT_FALSE(watchOuter.expired());

    objc_autoreleasePoolPush();
    auto inner = create<Animal>();
    std::weak_ptr<Animal> watchInner = inner;
    autorelease(std::move(inner));

    // Popping a pool drains every pool pushed after it.
    objc_autoreleasePoolPop(outer);
    EXPECT_TRUE(watchOuter.expired());
    EXPECT_TRUE(watchInner.expired());
}

TEST_F(RuntimeTest, InnerPoolPopLeavesTheOuterPoolIntact)
{
    void* outer = objc_autoreleasePoolPush();
    auto a = create<Animal>();
    std::weak_ptr<Animal> watchA = a;
    autorelease(std::move(a));

    void* inner = objc_autoreleasePoolPush();
    auto b = create<Animal>();
    std::weak_ptr<Animal> watchB = b;
    autorelease(std::move(b));
    objc_autoreleasePoolPop(inner);
    EXPECT_TRUE(watchB.expired());
    EXPECT_FALSE(watchA.expired());

    objc_autoreleasePoolPop(outer);
    EXPECT_TRUE(watchA.expired());
}

TEST_F(RuntimeTest, ActionsAreSentWithOrWithoutTheSender)
{
    auto target = create<Animal>();
    auto sender = create<Bird>();
    sendAction(target.get(), sel_registerName("poke"), sender.get());
    sendAction(target.get(), sel_registerName("pokedBy:"), sender.get());
    EXPECT_EQ(target->calls, (std::vector<std::string>{"poke", "pokedBy"}));
    EXPECT_EQ(target->senders, std::vector<id>{sender.get()});

    TargetAction pair{target, sel_registerName("pokedBy:")};
    EXPECT_TRUE(pair);
    sendAction(pair, nullptr);
    EXPECT_EQ(target->senders.size(), 2u);
    EXPECT_EQ(target->senders.back(), nullptr);

    std::weak_ptr<Animal> watch = target;
    target.reset();
    EXPECT_TRUE(watch.expired());
    EXPECT_FALSE(pair);
    sendAction(pair, nullptr);
}

TEST_F(RuntimeTest, ResetForgetsClassesButKeepsSelectors)
{
    SEL before = sel_registerName("poke");
    objc_resetRuntime();
    EXPECT_EQ(objc_getClass(Animal::className), nullptr);
    EXPECT_EQ(sel_registerName("poke"), before);
}

}  // namespace
}  // namespace device::objc
