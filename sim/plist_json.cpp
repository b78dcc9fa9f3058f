#include "sim/plist_json.h"

#include <cmath>
#include <ctime>

namespace sim {

namespace {

using Json = nlohmann::ordered_json;
using namespace device::foundation;

// The platform counts dates from 2001-01-01 UTC.
constexpr std::time_t kReferenceDate = 978307200;

std::string base64(const PlistData& data)
{
    static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    for (std::size_t i = 0; i < data.size(); i += 3) {
        std::uint32_t group = data[i] << 16;
        if (i + 1 < data.size()) {
            group |= data[i + 1] << 8;
        }
        if (i + 2 < data.size()) {
            group |= data[i + 2];
        }
        text += kDigits[(group >> 18) & 63];
        text += kDigits[(group >> 12) & 63];
        text += i + 1 < data.size() ? kDigits[(group >> 6) & 63] : '=';
        text += i + 2 < data.size() ? kDigits[group & 63] : '=';
    }
    return text;
}

std::string isoTime(const PlistDate& date)
{
    std::time_t time = kReferenceDate + static_cast<std::time_t>(std::floor(date.secondsSinceReferenceDate));
    std::tm parts{};
    char text[32] = "";
    if (gmtime_r(&time, &parts)) {
        std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
    }
    return text;
}

struct ToJson {
    Json operator()(bool value) const { return value; }
    Json operator()(std::int64_t value) const { return value; }
    Json operator()(double value) const { return std::isfinite(value) ? Json(value) : Json(nullptr); }
    Json operator()(const std::string& value) const { return value; }
    Json operator()(const PlistData& value) const { return base64(value); }
    Json operator()(const PlistDate& value) const { return isoTime(value); }
    Json operator()(const PlistArray& values) const
    {
        Json array = Json::array();
        for (const auto& value : values) {
            array.push_back(plistToJson(value));
        }
        return array;
    }
    Json operator()(const PlistDictionary& entries) const
    {
        Json object = Json::object();
        for (const auto& [key, value] : entries) {
            object[key] = plistToJson(value);
        }
        return object;
    }
};

}  // namespace

nlohmann::ordered_json plistToJson(const PlistValue& value)
{
    return std::visit(ToJson{}, value.storage());
}

}  // namespace sim
