#include "device/preferences/specifier.h"

namespace device::preferences {

std::shared_ptr<PSSpecifier> PSSpecifier::preferenceSpecifierNamed(std::string name, objc::id target, objc::SEL set,
                                                                   objc::SEL get, objc::Class detail,
                                                                   PSCellType cell, objc::Class edit)
{
    auto specifier = objc::create<PSSpecifier>();
    specifier->m_name = std::move(name);
    specifier->setTarget(target);
    specifier->m_setter = set;
    specifier->m_getter = get;
    specifier->m_detail = detail;
    specifier->m_cellType = cell;
    specifier->m_edit = edit;
    return specifier;
}

std::shared_ptr<PSSpecifier> PSSpecifier::emptyGroupSpecifier()
{
    auto specifier = objc::create<PSSpecifier>();
    specifier->m_cellType = PSGroupCell;
    return specifier;
}

std::shared_ptr<PSSpecifier> PSSpecifier::groupSpecifierWithName(std::string name)
{
    auto specifier = emptyGroupSpecifier();
    specifier->m_name = std::move(name);
    return specifier;
}

std::optional<std::string> PSSpecifier::identifier() const
{
    if (auto stored = stringProperty("identifier")) {
        return stored;
    }
    return m_identifier ? m_identifier : m_name;
}

void PSSpecifier::setIdentifier(std::string identifier)
{
    m_identifier = std::move(identifier);
}

const PSProperty* PSSpecifier::propertyForKey(const std::string& key) const
{
    auto found = m_properties.find(key);
    return found == m_properties.end() ? nullptr : &found->second;
}

void PSSpecifier::setPropertyForKey(PSProperty value, const std::string& key)
{
    m_properties.insert_or_assign(key, std::move(value));
}

std::optional<std::string> PSSpecifier::stringProperty(const std::string& key) const
{
    const PSProperty* value = propertyForKey(key);
    if (auto* text = value ? std::get_if<std::string>(value) : nullptr) {
        return *text;
    }
    return std::nullopt;
}

void PSSpecifier::setTarget(objc::id target)
{
    m_target = target ? std::weak_ptr<objc::Object>(target->retained<objc::Object>()) : std::weak_ptr<objc::Object>();
}

void PSSpecifier::setAccessors(objc::SEL setter, objc::SEL getter)
{
    m_setter = setter;
    m_getter = getter;
}

void PSSpecifier::setValuesAndTitles(std::vector<foundation::PlistValue> values, std::vector<std::string> titles)
{
    m_values = std::move(values);
    m_titles = std::move(titles);
}

std::optional<foundation::PlistValue> PSSpecifier::readValue() const
{
    objc::id receiver = target();
    if (m_getter && receiver) {
        return objc::msgSend<foundation::PlistValue>(receiver, m_getter, const_cast<PSSpecifier*>(this));
    }
    const PSProperty* value = propertyForKey("value");
    if (!value) {
        return std::nullopt;
    }
    if (auto* text = std::get_if<std::string>(value)) {
        return foundation::PlistValue(*text);
    }
    if (auto* flag = std::get_if<bool>(value)) {
        return foundation::PlistValue(*flag);
    }
    if (auto* number = std::get_if<long long>(value)) {
        return foundation::PlistValue(static_cast<std::int64_t>(*number));
    }
    return std::nullopt;
}

void PSSpecifier::writeValue(const foundation::PlistValue& value)
{
    auto keepAlive = retained<PSSpecifier>();
    objc::id receiver = target();
    if (m_setter && receiver) {
        objc::msgSend<void>(receiver, m_setter, value, this);
    } else if (value.isBool()) {
        setPropertyForKey(value.boolValue(), "value");
    } else if (const std::string* text = value.string()) {
        setPropertyForKey(*text, "value");
    }
}

}  // namespace device::preferences
