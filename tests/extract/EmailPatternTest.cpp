// The hand-written address test against an ECMAScript regex engine running
// the pattern text, on many generated words: short ones, where std::regex's
// recursion is safe.
#include "extract/EmailPattern.h"

#include <gtest/gtest.h>

#include <random>
#include <regex>
#include <string>

namespace {

using harvelux::extract::IsValidEmail;
using harvelux::extract::kEmailPattern;

class WordGenerator {
public:
    explicit WordGenerator(unsigned seed) : random_(seed) {}

    // Random words over the characters that matter to the pattern.
    std::string noise() {
        static const std::string alphabet = "aZk09125-_.@[]+x'";
        std::string word;
        const int length = pick(1, 14);
        for (int i = 0; i < length; ++i) {
            if (pick(0, 40) == 0) {
                word += "\xC3\xA9";  // é
                continue;
            }
            word += alphabet[static_cast<std::size_t>(pick(0, static_cast<int>(alphabet.size()) - 1))];
        }
        return word;
    }

    // Words shaped like addresses, with mistakes thrown in, so that both
    // answers are common.
    std::string nearAddress() {
        std::string word = part("aB3_-.+'", pick(0, 4) == 0 ? 0 : pick(1, 5));
        word += pick(0, 15) == 0 ? "" : "@";
        if (pick(0, 3) == 0) {
            word += "[";
            for (int i = 0; i < 3; ++i) word += octet() + (pick(0, 10) == 0 ? "" : ".");
            word += pick(0, 1) == 0 ? octet() + (pick(0, 8) == 0 ? "" : "]") : part("cO", pick(0, 3));
        } else {
            const int labels = pick(0, 3);
            for (int i = 0; i < labels; ++i) word += part("ab9-", pick(0, 4)) + (pick(0, 10) == 0 ? "" : ".");
            word += pick(0, 3) == 0 ? octet() + (pick(0, 1) == 0 ? "]" : "") : part("cOm", pick(0, 4));
        }
        if (pick(0, 12) == 0) word += pick(0, 1) == 0 ? "\n" : ".";
        return word;
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    std::string part(const std::string& chars, int length) {
        std::string s;
        for (int i = 0; i < length; ++i)
            s += chars[static_cast<std::size_t>(pick(0, static_cast<int>(chars.size()) - 1))];
        return s;
    }

    std::string octet() {
        switch (pick(0, 5)) {
            case 0:
                return std::to_string(pick(0, 9));
            case 1:
                return std::to_string(pick(10, 99));
            case 2:
                return std::to_string(pick(100, 255));
            case 3:
                return std::to_string(pick(256, 999));
            case 4:
                return "0" + std::to_string(pick(0, 99));
            default:
                return part("0123456789", pick(1, 4));
        }
    }

    std::mt19937 random_;
};

TEST(EmailPattern, AgreesWithEcmaScriptRegexOnGeneratedWords) {
    const std::regex pattern(std::string(kEmailPattern), std::regex::ECMAScript);
    WordGenerator generate(20261208);
    int accepted = 0;
    for (int i = 0; i < 200000; ++i) {
        const std::string word = i % 2 == 0 ? generate.noise() : generate.nearAddress();
        const bool expected = std::regex_search(word, pattern);
        ASSERT_EQ(IsValidEmail(word), expected) << "word: \"" << word << "\"";
        accepted += expected ? 1 : 0;
    }
    // The generator must exercise both answers, or the comparison proves little.
    EXPECT_GT(accepted, 10000);
    EXPECT_LT(accepted, 190000);
}

TEST(EmailPattern, AcceptsAndRejectsTheDocumentedForms) {
    for (const char* good : {"x@example.com", "x..y@example.com", "-x@example.com", "x.y@sub.example.com", "_@a.bc",
                             "a@1.2.com", "a@[1.2.3.4]", "a@[1.2.3.com", "a@b.255]", "A@B-C.DE", "a+b@example.com",
                             "+a@example.com", "o'brien@example.ie"})
        EXPECT_TRUE(IsValidEmail(good)) << good;
    for (const char* bad : {"", "'x@example.com", "x@o'brien.ie", "x@ex+ample.com", "x@example", "x@example.c",
                            ".x@example.com", "x@example..com", "x@example.com.", "x@example.com-", "x@example.com\n",
                            "x@1.2.3.4", "x@[1.2.3.256]", "x@[01.2.3.4]", "x@@example.com", "x@exa_mple.com",
                            "caf\xC3\xA9@example.com", "x@example.c\xC3\xA9m", "@example.com"})
        EXPECT_FALSE(IsValidEmail(bad)) << bad;
}

TEST(EmailPattern, LinearOnHugeWords) {
    // A backtracking matcher would recurse once per character here.
    std::string word(20'000'000, 'a');
    word += "@example.com";
    EXPECT_TRUE(IsValidEmail(word));
    word += ".";
    EXPECT_FALSE(IsValidEmail(word));
}

}  // namespace
