#pragma once

#include "device/foundation/plist_value.h"
#include "device/objc/message.h"
#include "device/objc/object.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace device::preferences {

// Cell types, with the host framework's values (the group cell is 0).
enum PSCellType : int {
    PSGroupCell = 0,
    PSLinkCell = 1,
    PSLinkListCell = 2,
    PSListItemCell = 3,
    PSTitleValueCell = 4,
    PSSliderCell = 5,
    PSSwitchCell = 6,
    PSStaticTextCell = 7,
    PSEditTextCell = 8,
    PSSegmentCell = 9,
    PSGiantIconCell = 10,
    PSGiantCell = 11,
    PSSecureEditTextCell = 12,
    PSButtonCell = 13,
    PSEditTextViewCell = 14,
};

// A property of an entry: a text, a number or an object such as an image.
using PSProperty = std::variant<std::string, long long, bool, std::shared_ptr<objc::Object>>;

// One entry of a list page. Entries are shared by identity: the same entry may sit in several lists,
// and renaming it renames it everywhere.
class PSSpecifier : public objc::Object {
public:
    static constexpr std::string_view className = "PSSpecifier";

    static std::shared_ptr<PSSpecifier> preferenceSpecifierNamed(std::string name, objc::id target, objc::SEL set,
                                                                 objc::SEL get, objc::Class detail, PSCellType cell,
                                                                 objc::Class edit);
    static std::shared_ptr<PSSpecifier> emptyGroupSpecifier();
    static std::shared_ptr<PSSpecifier> groupSpecifierWithName(std::string name);

    // Entries may have no name at all (a group without a header), which differs from an empty one.
    const std::optional<std::string>& name() const { return m_name; }
    std::string nameOrEmpty() const { return m_name.value_or(""); }
    void setName(std::optional<std::string> name) { m_name = std::move(name); }

    // An entry created without an identifier reports its name.
    std::optional<std::string> identifier() const;
    void setIdentifier(std::string identifier);

    PSCellType cellType() const { return m_cellType; }
    void setCellType(PSCellType type) { m_cellType = type; }
    bool isGroup() const { return m_cellType == PSGroupCell; }

    const PSProperty* propertyForKey(const std::string& key) const;
    void setPropertyForKey(PSProperty value, const std::string& key);
    void removePropertyForKey(const std::string& key) { m_properties.erase(key); }
    std::optional<std::string> stringProperty(const std::string& key) const;
    template <class T>
    std::shared_ptr<T> objectProperty(const std::string& key) const
    {
        const PSProperty* value = propertyForKey(key);
        if (auto* object = value ? std::get_if<std::shared_ptr<objc::Object>>(value) : nullptr) {
            return std::dynamic_pointer_cast<T>(*object);
        }
        return nullptr;
    }

    objc::Object* target() const { return m_target.lock().get(); }
    void setTarget(objc::id target);
    objc::SEL setter() const { return m_setter; }
    objc::SEL getter() const { return m_getter; }
    void setAccessors(objc::SEL setter, objc::SEL getter);
    objc::Class detailControllerClass() const { return m_detail; }
    void setDetailControllerClass(objc::Class detail) { m_detail = detail; }
    objc::Class editPaneClass() const { return m_edit; }
    objc::SEL action() const { return m_action; }
    void setAction(objc::SEL action) { m_action = action; }

    // Choices of a list-item entry: the values stored and the titles shown.
    const std::vector<foundation::PlistValue>& values() const { return m_values; }
    const std::vector<std::string>& titles() const { return m_titles; }
    void setValuesAndTitles(std::vector<foundation::PlistValue> values, std::vector<std::string> titles);

    // The value the row shows: its getter's answer, or the "value" property when it has no getter.
    std::optional<foundation::PlistValue> readValue() const;
    // What a switch or a text row does with a new value: the setter hears it with this entry.
    void writeValue(const foundation::PlistValue& value);

private:
    std::optional<std::string> m_name;
    std::optional<std::string> m_identifier;
    PSCellType m_cellType = PSGroupCell;
    std::map<std::string, PSProperty> m_properties;
    std::weak_ptr<objc::Object> m_target;
    objc::SEL m_setter = nullptr;
    objc::SEL m_getter = nullptr;
    objc::Class m_detail = nullptr;
    objc::Class m_edit = nullptr;
    objc::SEL m_action = nullptr;
    std::vector<foundation::PlistValue> m_values;
    std::vector<std::string> m_titles;
};

using SpecifierList = std::vector<std::shared_ptr<PSSpecifier>>;

}  // namespace device::preferences
