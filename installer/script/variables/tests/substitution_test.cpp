// `$` substitution on its own, against a small set of texts.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "installer/script/variables/substitution.h"

namespace aw {
namespace {

class MapTexts : public TextValues {
  public:
    std::optional<std::string> Find(std::string_view name) override {
        lookups.emplace_back(name);
        const auto found = values.find(std::string(name));
        if (found == values.end()) {
            return std::nullopt;
        }
        return found->second;
    }

    std::map<std::string, std::string> values = {
        {"i", "C:\\APP"}, {"path", ""}, {"ix", "<ix>"}, {"dollar", "$i"}, {"_9", "nine"}};
    std::vector<std::string> lookups;
};

Substitution Expand(const std::string& text, std::size_t maxLength = 1000) {
    MapTexts values;
    return Substitute(text, values, maxLength);
}

TEST(ScriptSubstitution, CopiesAndInserts) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"plain text", "plain text"},
        {"$i\\myapp.ini", "C:\\APP\\myapp.ini"},
        {"${i}x", "C:\\APPx"},
        {"$ix", "<ix>"},
        {"100$$", "100$"},
        {"$$i", "$i"},
        {"cost 5$", "cost 5$"},
        {"$", "$"},
        {"$1", "$1"},
        {"$ $\\ $-", "$ $\\ $-"},
        {"$path\\file", "\\file"},
        {"$_9.", "nine."},
        {"${_9}${i}", "nineC:\\APP"},
        {"$dollar", "$i"},
        {"a$ib", "a"},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        MapTexts values;
        values.values["ib"] = "";
        const Substitution result = Substitute(text, values, 1000);
        EXPECT_EQ(result.error, SubstitutionError::kNone);
        EXPECT_EQ(result.text, expected);
    }
}

TEST(ScriptSubstitution, BadNames) {
    const char* cases[] = {"${bad-name}", "${i", "x${", "${}", "${ i}", "${i.j}", "${\xE4}"};
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        const Substitution result = Expand(text);
        EXPECT_EQ(result.error, SubstitutionError::kBadName);
        EXPECT_EQ(result.text, "");
    }
}

TEST(ScriptSubstitution, UnknownNamesAreCaseSensitive) {
    EXPECT_EQ(Expand("$nosuch").error, SubstitutionError::kUnknownVariable);
    EXPECT_EQ(Expand("$I").error, SubstitutionError::kUnknownVariable);
    EXPECT_EQ(Expand("${PATH}").error, SubstitutionError::kUnknownVariable);
    EXPECT_EQ(Expand("${9}").error, SubstitutionError::kUnknownVariable);
    EXPECT_EQ(Expand("ok $i then $nosuch").text, "");
}

TEST(ScriptSubstitution, NamesOver39CharactersAreRefused) {
    MapTexts values;
    const std::string name39(39, 'n');
    values.values[name39] = "long";
    values.values[name39.substr(0, 38)] = "cut";
    EXPECT_EQ(Substitute("$" + name39, values, 100).text, "long");
    EXPECT_EQ(Substitute("${" + name39 + "}", values, 100).text, "long");
    EXPECT_EQ(Substitute("$" + name39 + "n", values, 100).error, SubstitutionError::kBadName);
    EXPECT_EQ(Substitute("${" + name39 + "n}", values, 100).error, SubstitutionError::kBadName);
}

TEST(ScriptSubstitution, StopsAtTheLimit) {
    EXPECT_EQ(Expand("$i", 6).text, "C:\\APP");
    EXPECT_EQ(Expand("$i", 5).error, SubstitutionError::kTooLong);
    EXPECT_EQ(Expand("abc$$", 4).text, "abc$");
    EXPECT_EQ(Expand("abc$$", 3).error, SubstitutionError::kTooLong);
    EXPECT_EQ(Expand("", 0).text, "");
}

TEST(ScriptSubstitution, LooksUpOnlyTheNamesItMeets) {
    MapTexts values;
    Substitute("$$i ${i} $ix", values, 100);
    EXPECT_EQ(values.lookups, (std::vector<std::string>{"i", "ix"}));
}

TEST(ScriptSubstitution, HostileTextsNeverMisbehave) {
    std::mt19937 random(99);
    const std::string alphabet = "${}_ai9x-";
    for (int round = 0; round < 20000; ++round) {
        std::string text(random() % 16, ' ');
        for (char& c : text) {
            c = round % 2 ? static_cast<char>(random()) : alphabet[random() % alphabet.size()];
        }
        const Substitution result = Expand(text, random() % 12);
        EXPECT_LE(result.text.size(), 12u);
    }
}

}  // namespace
}  // namespace aw
