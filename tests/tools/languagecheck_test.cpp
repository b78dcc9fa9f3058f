#include "langcheck/languagecheck.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace tools {
namespace {

using Texts = std::vector<std::pair<std::string, std::string>>;

std::string escaped(const std::string& text)
{
    std::string out;
    for (char c : text) {
        out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : std::string(1, c);
    }
    return out;
}

std::string plistOf(const Texts& texts)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n";
    for (const auto& [key, value] : texts) {
        xml += "\t<key>" + escaped(key) + "</key>\n\t<string>" + escaped(value) + "</string>\n";
    }
    return xml + "</dict>\n</plist>\n";
}

class LanguageCheckTest : public test::TempDirTest {
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        m_vocabulary.keys = {"anim", "name", "dividers", "changes", "ty"};
        m_vocabulary.distinct = {"anim", "name", "dividers"};
        m_vocabulary.reserved = {"language"};
        m_vocabulary.placeholders = {{"changes", 2}};
    }

    static Texts complete()
    {
        return {{"anim", "Animations"},
                {"name", "Name"},
                {"dividers", "Hide Dividers"},
                {"changes", "Released on %@\n%@"},
                {"ty", "Thank You!"}};
    }

    static Texts with(Texts texts, const std::string& key, const std::string& value)
    {
        for (auto& [k, v] : texts) {
            if (k == key) {
                v = value;
            }
        }
        return texts;
    }

    std::vector<std::string> check(const Texts& texts)
    {
        return checkLanguageFile(write("de.plist", plistOf(texts)), m_vocabulary);
    }

    std::string fileName() const { return (m_dir / "de.plist").string(); }

    Vocabulary m_vocabulary;
};

TEST_F(LanguageCheckTest, CompleteTranslationPasses)
{
    EXPECT_TRUE(check(complete()).empty());
}

TEST_F(LanguageCheckTest, EachProblemNamesTheFileAndTheKey)
{
    Texts missing = complete();
    missing.pop_back();
    const std::vector<std::pair<Texts, std::string>> cases = {
        {missing, "\"ty\": missing"},
        {with(complete(), "ty", ""), "\"ty\": empty value"},
        {with(complete(), "ty", "  "), "\"ty\": empty value"},
        {with(complete(), "changes", "Released on %@"), "\"changes\": holds 1 \"%@\" placeholders, expected 2"},
        {with(complete(), "ty", "Thanks %@"), "\"ty\": holds 1 \"%@\" placeholders, expected 0"},
        {with(complete(), "name", "Animations"), "\"name\": text \"Animations\" collides with key \"anim\""},
        {with(complete(), "dividers", "language"), "\"dividers\": text \"language\" is reserved"},
    };
    for (const auto& [texts, expected] : cases) {
        const auto problems = check(texts);
        ASSERT_EQ(problems.size(), 1u) << expected;
        EXPECT_EQ(problems[0].rfind(fileName() + ": key ", 0), 0u) << problems[0];
        EXPECT_NE(problems[0].find(expected), std::string::npos) << problems[0];
    }
}

TEST_F(LanguageCheckTest, StrayAndNonTextKeysAreReported)
{
    Texts extra = complete();
    extra.emplace_back("anmi", "Typo");
    EXPECT_NE(check(extra).at(0).find("\"anmi\": not a known text key"), std::string::npos);

    std::string xml = plistOf(complete());
    const std::string text = "<string>Thank You!</string>";
    xml.replace(xml.find(text), text.size(), "<integer>3</integer>");
    const auto problems = checkLanguageFile(write("de.plist", xml), m_vocabulary);
    ASSERT_FALSE(problems.empty());
    EXPECT_NE(problems[0].find("\"ty\": value must be a string"), std::string::npos) << problems[0];
}

TEST_F(LanguageCheckTest, UnreadableFilesAreReportedOnce)
{
    const std::map<std::string, std::string> cases = {
        {"cannot be read", ""},
        {"not a well-formed XML property list", "<plist><dict><key>anim</key>"},
        {"the root must be a dictionary", "<?xml version=\"1.0\"?><plist version=\"1.0\"><array/></plist>"},
        {"binary property list", "bplist00 and then some bytes"},
    };
    for (const auto& [expected, content] : cases) {
        const auto path = content.empty() ? m_dir / "absent.plist" : write("bad.plist", content);
        const auto problems = checkLanguageFile(path, m_vocabulary);
        ASSERT_EQ(problems.size(), 1u) << expected;
        EXPECT_NE(problems[0].find(path.string() + ": "), std::string::npos) << problems[0];
        EXPECT_NE(problems[0].find(expected), std::string::npos) << problems[0];
    }
}

TEST_F(LanguageCheckTest, VocabularyIsReadAndValidated)
{
    const auto good = write("keys.json", R"({"keys": ["anim", "changes"], "distinct": ["anim"],
                                             "reserved": ["language"], "placeholders": {"changes": 2}})");
    const Vocabulary vocabulary = readVocabulary(good);
    EXPECT_EQ(vocabulary.keys, (std::vector<std::string>{"anim", "changes"}));
    EXPECT_EQ(vocabulary.distinct, std::vector<std::string>{"anim"});
    EXPECT_EQ(vocabulary.placeholders.at("changes"), 2);

    const std::map<std::string, std::string> broken = {
        {"\"keys\" is missing", R"({"distinct": []})"},
        {"lists a key twice", R"({"keys": ["a", "a"]})"},
        {"\"distinct\" names \"b\"", R"({"keys": ["a"], "distinct": ["b"]})"},
        {"\"placeholders\" entry \"b\"", R"({"keys": ["a"], "placeholders": {"b": 1}})"},
        {"not valid JSON", R"({"keys": )"},
    };
    for (const auto& [expected, json] : broken) {
        try {
            readVocabulary(write("keys.json", json));
            ADD_FAILURE() << "accepted: " << json;
        } catch (const VocabularyError& e) {
            EXPECT_NE(std::string(e.what()).find(expected), std::string::npos) << e.what();
        }
    }
}

}  // namespace
}  // namespace tools
