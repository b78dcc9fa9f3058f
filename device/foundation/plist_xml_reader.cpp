#include "device/foundation/plist_xml_reader.h"

#include "device/foundation/plist_serialization.h"

#include <array>
#include <utility>

namespace device::foundation {

namespace {

constexpr std::string_view kProlog =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" \"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
    "<plist version=\"1.0\">";

struct Entity {
    std::string_view name;
    char character;
};
constexpr std::array<Entity, 5> kEntities{
    {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}}};

class PlainXmlReader {
public:
    explicit PlainXmlReader(std::string_view text) : m_text(text) {}

    std::optional<PlistValue> document()
    {
        if (!m_text.starts_with(kProlog)) {
            return std::nullopt;
        }
        m_pos = kProlog.size();
        PlistValue value;
        if (!this->value(0, value) || !take("</plist>")) {
            return std::nullopt;
        }
        skipSpace();
        if (m_pos != m_text.size()) {
            return std::nullopt;
        }
        return value;
    }

private:
    void skipSpace()
    {
        while (m_pos < m_text.size() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t' || m_text[m_pos] == '\n')) {
            ++m_pos;
        }
    }

    // Skips the space before a piece of markup and takes it when it comes next.
    bool take(std::string_view markup)
    {
        skipSpace();
        if (m_text.substr(m_pos, markup.size()) != markup) {
            return false;
        }
        m_pos += markup.size();
        return true;
    }

    // The text up to the next markup, which must be the closing tag given.
    std::optional<std::string> text(std::string_view closingTag)
    {
        std::string result;
        while (m_pos < m_text.size() && m_text[m_pos] != '<') {
            std::size_t run = m_pos;
            while (run < m_text.size() && isPlainCharacter(m_text[run])) {
                ++run;
            }
            result.append(m_text.substr(m_pos, run - m_pos));
            m_pos = run;
            if (m_pos == m_text.size() || m_text[m_pos] == '<') {
                break;
            }
            const Entity* entity = nullptr;
            for (const Entity& candidate : kEntities) {
                if (m_text.substr(m_pos, candidate.name.size()) == candidate.name) {
                    entity = &candidate;
                }
            }
            if (!entity) {
                return std::nullopt;
            }
            result.push_back(entity->character);
            m_pos += entity->name.size();
        }
        if (m_text.substr(m_pos, closingTag.size()) != closingTag) {
            return std::nullopt;
        }
        m_pos += closingTag.size();
        return result;
    }

    // A carriage return or another control character is read by XML's own rules, which are libplist's.
    static bool isPlainCharacter(char c)
    {
        return c != '<' && c != '&' && (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n');
    }

    // Reads one value into out; false where the text strays from the plain form.
    bool value(int depth, PlistValue& out)
    {
        if (take("<string>")) {
            auto text = this->text("</string>");
            if (text) {
                out = PlistValue(std::move(*text));
            }
            return text.has_value();
        }
        if (take("<true/>")) {
            out = true;
            return true;
        }
        if (take("<false/>")) {
            out = false;
            return true;
        }
        if (take("<dict/>")) {
            out = PlistDictionary{};
            return true;
        }
        if (take("<array/>")) {
            out = PlistArray{};
            return true;
        }
        if (depth >= kMaxPlistDepth) {
            return false;
        }
        if (take("<dict>")) {
            out = PlistDictionary{};
            return dictionary(depth + 1, *out.dictionary());
        }
        if (take("<array>")) {
            out = PlistArray{};
            return array(depth + 1, *out.array());
        }
        return false;
    }

    bool dictionary(int depth, PlistDictionary& out)
    {
        while (!take("</dict>")) {
            if (!take("<key>")) {
                return false;
            }
            auto key = text("</key>");
            PlistValue item;
            if (!key || !value(depth, item)) {
                return false;
            }
            // Stores are written in key order, so the place at the end is nearly always the right one.
            out.insert_or_assign(out.end(), std::move(*key), std::move(item));
        }
        return true;
    }

    bool array(int depth, PlistArray& out)
    {
        while (!take("</array>")) {
            if (!value(depth, out.emplace_back())) {
                return false;
            }
        }
        return true;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

}  // namespace

std::optional<PlistValue> readPlainXmlPlist(std::string_view text)
{
    return PlainXmlReader(text).document();
}

}  // namespace device::foundation
