#include "device/foundation/plist_serialization.h"

#include <gtest/gtest.h>
#include <plist/plist.h>

#include <bit>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

namespace device::foundation {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::optional<PlistValue> parse(std::string_view text)
{
    return parsePlist(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

std::optional<PlistValue> parse(const Bytes& bytes)
{
    return parsePlist(bytes);
}

std::string xmlDocument(std::string_view body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" \"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
           "<plist version=\"1.0\">"
        + std::string(body) + "</plist>\n";
}

std::string repeated(std::string_view piece, int count)
{
    std::string result;
    result.reserve(piece.size() * count);
    for (int i = 0; i < count; ++i) {
        result += piece;
    }
    return result;
}

int nesting(const PlistValue& value)
{
    int depth = 0;
    const PlistValue* current = &value;
    while (current->isArray() && !current->array()->empty()) {
        ++depth;
        current = &current->array()->front();
    }
    return current->isArray() ? depth + 1 : depth;
}

void appendBigEndian(Bytes& bytes, std::uint64_t value, int width)
{
    for (int shift = 8 * (width - 1); shift >= 0; shift -= 8) {
        bytes.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

// Encoded objects of a hand-made binary plist, for shapes that libplist's writer cannot produce
// (cycles, deep or shared nesting). References and offsets are four bytes wide.
Bytes arrayObject(const std::vector<std::uint32_t>& refs)
{
    Bytes object;
    if (refs.size() < 15) {
        object.push_back(static_cast<std::uint8_t>(0xA0 | refs.size()));
    } else {
        object.push_back(0xAF);
        object.push_back(0x12);
        appendBigEndian(object, refs.size(), 4);
    }
    for (auto ref : refs) {
        appendBigEndian(object, ref, 4);
    }
    return object;
}

Bytes dateObject(double secondsSinceReferenceDate)
{
    Bytes object{0x33};
    appendBigEndian(object, std::bit_cast<std::uint64_t>(secondsSinceReferenceDate), 8);
    return object;
}

const Bytes kTrueObject{0x09};
const Bytes kStringObjectX{0x51, 'x'};
const Bytes kUidObject{0x80, 0x01};

Bytes binaryPlist(const std::vector<Bytes>& objects)
{
    Bytes bytes{'b', 'p', 'l', 'i', 's', 't', '0', '0'};
    std::vector<std::uint64_t> offsets;
    for (const auto& object : objects) {
        offsets.push_back(bytes.size());
        bytes.insert(bytes.end(), object.begin(), object.end());
    }
    std::uint64_t tableOffset = bytes.size();
    for (auto offset : offsets) {
        appendBigEndian(bytes, offset, 4);
    }
    bytes.insert(bytes.end(), {0, 0, 0, 0, 0, 0, 4, 4});
    appendBigEndian(bytes, objects.size(), 8);
    appendBigEndian(bytes, 0, 8);
    appendBigEndian(bytes, tableOffset, 8);
    return bytes;
}

// Object i is an array holding object i + 1; the last is an empty array.
Bytes nestedBinaryArrays(int depth)
{
    std::vector<Bytes> objects;
    for (int i = 0; i + 1 < depth; ++i) {
        objects.push_back(arrayObject({static_cast<std::uint32_t>(i + 1)}));
    }
    objects.push_back(arrayObject({}));
    return binaryPlist(objects);
}

Bytes toBinary(plist_t root)
{
    char* data = nullptr;
    std::uint32_t length = 0;
    plist_to_bin(root, &data, &length);
    Bytes bytes(data, data + length);
    plist_to_bin_free(data);
    plist_free(root);
    return bytes;
}

PlistValue storeLikeValue()
{
    return PlistDictionary{
        {"Enabled", true},
        {"off", false},
        {"count", 42},
        {"negative", -7},
        {"large", std::int64_t{1} << 40},
        {"ratio", 0.1},
        {"scale", -2.5},
        {"name", "Réglages ✓ <&> \"quoted\""},
        {"empty", ""},
        {"blob", PlistData{0, 1, 2, 0xFE, 0xFF}},
        {"when", PlistDate{600'000'000}},
        {"before", PlistDate{-86'400}},
        {"none", PlistArray{}},
        {"nothing", PlistDictionary{}},
        {"1", PlistDictionary{{"Name", "Work"}, {"Icon", "/Library/Application Support/Velmora/defaulttagicon.png"},
                              {"Wi-Fi", true}, {"order", PlistArray{"a", PlistArray{1, 2.5, false}, "c"}}}},
    };
}

TEST(PlistSerialization, XmlRoundTripKeepsEveryKindOfValue)
{
    PlistValue value = storeLikeValue();
    std::string xml = serializePlistXml(value);
    EXPECT_TRUE(xml.starts_with("<?xml")) << xml;
    EXPECT_NE(xml.find("<plist version=\"1.0\">"), std::string::npos);
    EXPECT_NE(xml.find("<key>Enabled</key>"), std::string::npos);
    EXPECT_NE(xml.find("<true/>"), std::string::npos);

    auto parsed = parse(xml);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(*parsed, value);
}

TEST(PlistSerialization, ScalarAndArrayRootsRoundTrip)
{
    for (const PlistValue& value : {PlistValue("just text"), PlistValue(7), PlistValue(PlistArray{"a", true})}) {
        auto parsed = parse(serializePlistXml(value));
        ASSERT_TRUE(parsed);
        EXPECT_EQ(*parsed, value);
    }
}

TEST(PlistSerialization, ReadsHandWrittenXml)
{
    auto parsed = parse(xmlDocument("<dict>\n <!-- a comment with </dict> in it -->\n"
                                    " <key>a</key><string>x &lt; y &amp; &#65;</string>\n"
                                    " <key>b</key><integer>-12</integer>\n"
                                    " <key>c</key><real>1.5</real>\n"
                                    " <key>d</key><date>2001-01-02T00:00:00Z</date>\n"
                                    " <key>e</key><data>AAEC</data>\n"
                                    " <key>f</key><array/>\n"
                                    " <key>g</key><string><![CDATA[<array>]]></string>\n"
                                    "</dict>"));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(*parsed, PlistValue(PlistDictionary{{"a", "x < y & A"},
                                                  {"b", -12},
                                                  {"c", 1.5},
                                                  {"d", PlistDate{86'400}},
                                                  {"e", PlistData{0, 1, 2}},
                                                  {"f", PlistArray{}},
                                                  {"g", "<array>"}}));
}

TEST(PlistSerialization, ReadsBinaryPlists)
{
    plist_t root = plist_new_dict();
    plist_dict_set_item(root, "flag", plist_new_bool(1));
    plist_dict_set_item(root, "count", plist_new_uint(static_cast<std::uint64_t>(-3)));
    plist_dict_set_item(root, "ratio", plist_new_real(0.75));
    plist_dict_set_item(root, "name", plist_new_string("Général"));
    plist_dict_set_item(root, "blob", plist_new_data("\x01\x00\x02", 3));
    plist_t list = plist_new_array();
    plist_array_append_item(list, plist_new_string("a"));
    plist_array_append_item(list, plist_new_dict());
    plist_dict_set_item(root, "list", list);

    auto parsed = parse(toBinary(root));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(*parsed, PlistValue(PlistDictionary{{"flag", true},
                                                  {"count", -3},
                                                  {"ratio", 0.75},
                                                  {"name", "Général"},
                                                  {"blob", PlistData{1, 0, 2}},
                                                  {"list", PlistArray{"a", PlistDictionary{}}}}));
}

TEST(PlistSerialization, ReadsBinaryDatesWithFractions)
{
    auto parsed = parse(binaryPlist({arrayObject({1, 2}), dateObject(600'000'000.25), dateObject(-1.5)}));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(*parsed, PlistValue(PlistArray{PlistDate{600'000'000.25}, PlistDate{-1.5}}));
}

TEST(PlistSerialization, DatesBeyondThe32BitSecondsReadAndWriteAsTheNearestTheyCanHold)
{
    double nan = std::numeric_limits<double>::quiet_NaN();
    double inf = std::numeric_limits<double>::infinity();
    auto parsed = parse(binaryPlist({arrayObject({1, 2, 3, 4}), dateObject(nan), dateObject(1e300), dateObject(-1e300),
                                     dateObject(-inf)}));
    ASSERT_TRUE(parsed);
    ASSERT_EQ(parsed->array()->size(), 4u);
    for (const auto& date : *parsed->array()) {
        double seconds = std::get<PlistDate>(date.storage()).secondsSinceReferenceDate;
        EXPECT_TRUE(std::isfinite(seconds));
        EXPECT_LE(std::abs(seconds), 2147483649.0);
    }

    PlistValue extremes(PlistArray{PlistDate{1e300}, PlistDate{-1e300}, PlistDate{nan}, PlistDate{-0.9999999}});
    std::string xml = serializePlistXml(extremes);
    auto read = parsePlist(std::span(reinterpret_cast<const std::uint8_t*>(xml.data()), xml.size()));
    ASSERT_TRUE(read) << xml;
    std::vector<double> seconds;
    for (const auto& date : *read->array()) {
        seconds.push_back(std::get<PlistDate>(date.storage()).secondsSinceReferenceDate);
    }
    EXPECT_EQ(seconds, (std::vector<double>{2147483647, -2147483647, 0, 0})) << xml;
}

TEST(PlistSerialization, BinaryStringsWithANulInsideAreMalformedNotFatal)
{
    // A dictionary of one entry whose key and value are objects 1 and 2; references are four bytes.
    auto dictionary = [](const Bytes& key, const Bytes& value) {
        return binaryPlist({Bytes{0xD1, 0, 0, 0, 1, 0, 0, 0, 2}, key, value});
    };
    const Bytes nulInAscii{0x53, 'a', 0, 'b'};
    const Bytes nulInUtf16{0x62, 0, 'a', 0, 0};
    EXPECT_FALSE(parse(dictionary(nulInAscii, kTrueObject)));
    EXPECT_FALSE(parse(dictionary(nulInUtf16, kTrueObject)));
    EXPECT_FALSE(parse(dictionary(kStringObjectX, nulInAscii)));
    auto fine = parse(dictionary(Bytes{0x62, 0, 'a', 0x00, 0xE9}, kStringObjectX));
    ASSERT_TRUE(fine);
    EXPECT_EQ(*fine, PlistValue(PlistDictionary{{"a\u00e9", "x"}}));
}

TEST(PlistSerialization, BinarySharedReferencesReadAsCopies)
{
    auto parsed = parse(binaryPlist({arrayObject({1, 1, 1}), kStringObjectX}));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(*parsed, PlistValue(PlistArray{"x", "x", "x"}));
}

TEST(PlistSerialization, MalformedInputsReadAsNothing)
{
    std::string valid = serializePlistXml(storeLikeValue());
    Bytes binary = toBinary(plist_new_bool(1));
    Bytes truncatedBinary(binary.begin(), binary.end() - 5);
    Bytes badOffsets = binary;
    badOffsets[badOffsets.size() - 1] = 0xFF;

    for (const std::string& text : {std::string(), std::string("not a property list"), valid.substr(0, valid.size() / 2),
                                    xmlDocument("<dict><key>a</key><true/>"), xmlDocument("<array></dict>"),
                                    xmlDocument("<dict><true/></dict>"), xmlDocument("<integer>12</integer></array>"),
                                    xmlDocument("<array><!-- unterminated </array>"), std::string("bplist00")}) {
        EXPECT_FALSE(parse(text)) << text;
    }
    EXPECT_FALSE(parse(truncatedBinary));
    EXPECT_FALSE(parse(badOffsets));
    EXPECT_FALSE(parse(binaryPlist({arrayObject({1}), kUidObject})));
    EXPECT_FALSE(parse(binaryPlist({arrayObject({7})})));
}

TEST(PlistSerialization, InputsOverSixteenMebibytesAreRefused)
{
    std::string padding(16 * 1024 * 1024, ' ');
    EXPECT_FALSE(parse(xmlDocument("<true/>" + padding)));

    std::string large = xmlDocument("<string>" + std::string(4 * 1024 * 1024, 'a') + "</string>");
    auto parsed = parse(large);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->string()->size(), 4u * 1024 * 1024);
}

TEST(PlistSerialization, XmlNestingIsBounded)
{
    auto atLimit = parse(xmlDocument(repeated("<array>", kMaxPlistDepth) + repeated("</array>", kMaxPlistDepth)));
    ASSERT_TRUE(atLimit);
    EXPECT_EQ(nesting(*atLimit), kMaxPlistDepth);

    int over = kMaxPlistDepth + 1;
    EXPECT_FALSE(parse(xmlDocument(repeated("<array>", over) + repeated("</array>", over))));
    EXPECT_FALSE(parse(xmlDocument(repeated("<dict><key>k</key>", over) + repeated("</dict>", over))));

    // Depth that libplist would build and then fail to free on its own stack.
    const int absurd = 200'000;
    EXPECT_FALSE(parse(xmlDocument(repeated("<array>", absurd) + repeated("</array>", absurd))));
    EXPECT_FALSE(parse(xmlDocument(repeated("<array>", absurd))));
    EXPECT_FALSE(parse(xmlDocument(repeated("<array><!-- </array> -->", absurd))));
    EXPECT_FALSE(parse(xmlDocument(repeated("<array a=\"/>\">", absurd))));
    EXPECT_FALSE(parse(xmlDocument(repeated("<array><?pi </array> ?>", absurd))));
}

TEST(PlistSerialization, ManySiblingContainersAreNotNesting)
{
    auto parsed = parse(xmlDocument("<array>" + repeated("<array/><dict></dict><array >\n</array>", 2000) + "</array>"));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->array()->size(), 6000u);
}

TEST(PlistSerialization, BinaryNestingIsBounded)
{
    auto atLimit = parse(nestedBinaryArrays(kMaxPlistDepth));
    ASSERT_TRUE(atLimit);
    EXPECT_EQ(nesting(*atLimit), kMaxPlistDepth);

    EXPECT_FALSE(parse(nestedBinaryArrays(kMaxPlistDepth + 1)));
    EXPECT_FALSE(parse(nestedBinaryArrays(200'000)));
}

TEST(PlistSerialization, BinaryCyclesAndExponentialSharingAreRefused)
{
    EXPECT_FALSE(parse(binaryPlist({arrayObject({0})})));
    EXPECT_FALSE(parse(binaryPlist({arrayObject({1}), arrayObject({2}), arrayObject({1})})));

    // Each level holds the next one twice: 2^40 nodes once expanded.
    std::vector<Bytes> objects;
    for (std::uint32_t i = 0; i < 40; ++i) {
        objects.push_back(arrayObject({i + 1, i + 1}));
    }
    objects.push_back(kTrueObject);
    EXPECT_FALSE(parse(binaryPlist(objects)));
}

TEST(PlistSerialization, ValuesTooDeepToReadBackAreNotSerialized)
{
    PlistValue value = PlistArray{};
    for (int i = 0; i < kMaxPlistDepth; ++i) {
        PlistArray wrapper;
        wrapper.push_back(std::move(value));
        value = std::move(wrapper);
    }
    EXPECT_TRUE(serializePlistXml(value).empty());
    EXPECT_FALSE(serializePlistXml(*value.array()->front().array()).empty());
}

}  // namespace
}  // namespace device::foundation
