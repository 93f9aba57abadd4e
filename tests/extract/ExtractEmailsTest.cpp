#include "extract/EmailPattern.h"
#include "extract/ExtractEmails.h"
#include "extract/WordEdges.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using harvelux::extract::CharRole;
using harvelux::extract::ExtractEmails;
using harvelux::extract::IsValidEmail;
using harvelux::extract::SeenAddresses;
using Strings = std::vector<std::string>;
using namespace std::string_literals;

Strings extract(const std::string& text) {
    SeenAddresses seen;
    return ExtractEmails(text, seen);
}

TEST(ExtractEmails, FindsAddressesBetweenPunctuation) {
    EXPECT_EQ(extract(""), Strings{});
    EXPECT_EQ(extract("Write to <x@example.com>, (y@example.org) or mailto:z@example.net;"),
              (Strings{"x@example.com", "y@example.org", "z@example.net"}));
    EXPECT_EQ(extract("\"q@example.com\" 'r@example.com' [s@example.com] {t@example.com} |u@example.com|"),
              (Strings{"q@example.com", "r@example.com", "s@example.com", "t@example.com", "u@example.com"}));
}

TEST(ExtractEmails, WordEdges) {
    struct Case {
        std::string text;
        Strings found;
    };
    const Case cases[] = {
        // Full stops at the end of a word are not part of it; nothing else is trimmed.
        {"Contact x@example.com. Or x@example.org...", {"x@example.com", "x@example.org"}},
        {"x@example.com- x@example.com_ .x@example.com x@example..com a+b@example.com", {}},
        // Every control character cuts: line feed, form feed, note mark, column break, NUL, DEL, C1.
        {"a@example.com\nb@example.com\fc@example.com\x02"
         "d@example.com\x0E"
         "e@example.com",
         {"a@example.com", "b@example.com", "c@example.com", "d@example.com", "e@example.com"}},
        {"f@example.com\0g@example.com\x7Fh@example.com\xC2\x85i@example.com"s,
         {"f@example.com", "g@example.com", "h@example.com", "i@example.com"}},
        {"\xC2\xA0j@example.com\x0B\x07k@example.com\r\n", {"j@example.com", "k@example.com"}},
        // Punctuation, symbols, spaces and format characters outside ASCII cut.
        {"\xE2\x80\x9Cq@example.com\xE2\x80\x9D \xE2\x80\x98r@example.com\xE2\x80\x99 \xC2\xABs@example.com\xC2\xBB",
         {"q@example.com", "r@example.com", "s@example.com"}},
        {"\xE9\x82\xAE\xE7\xAE\xB1\xEF\xBC\x9Asales@example.cn\xE3\x80\x82\xE3\x83\xA1\xEF\xBC\x88info@example."
         "jp\xEF\xBC\x89",
         {"sales@example.cn", "info@example.jp"}},
        {"t@example.com\xE2\x80\x94u@example.com\xE2\x80\xA6v@example.com\xE2\x80\x8Bw@example.com\xEE\x80\x80",
         {"t@example.com", "u@example.com", "v@example.com", "w@example.com"}},
        // Letters, marks and digits of any script stay in the word, which then fails the pattern.
        {"zo\xC3\xA9@example.com \xE8\x81\x94\xE7\xB3\xBB"
         "ab@example.com e\xCC\x81x@example.com",
         {}},
        // A byte that starts no UTF-8 character is part of the word.
        {"\xFFy@example.com z@example.com\x80", {}},
        // Optional hyphens vanish, non-breaking hyphens read as "-".
        {"opt\x1Fional@example.com soft\xC2\xADhy@ex\xC2\xAD"
         "ample.com",
         {"optional@example.com", "softhy@example.com"}},
        {"non\x1E"
         "break@example.com e\xE2\x80\x91mail@example.com",
         {"non-break@example.com", "e-mail@example.com"}},
        {"end@example.com.\x1F", {"end@example.com"}},
    };
    for (const Case& c : cases) EXPECT_EQ(extract(c.text), c.found) << "text: " << c.text;
}

TEST(ExtractEmails, AnAddressIsAtMost254Characters) {
    const std::string domain = "@" + std::string(63, 'd') + "." + std::string(63, 'e') + "." + std::string(63, 'f') +
                               ".com";  // 197 characters
    const std::string longest = std::string(254 - domain.size(), 'x') + domain;
    EXPECT_EQ(extract(longest + " y" + longest), Strings{longest});
    EXPECT_EQ(extract(longest + "..."), Strings{longest});
}

TEST(ExtractEmails, DuplicatesIgnoreCaseAcrossDocumentsAndKeepFirstSpelling) {
    SeenAddresses seen;
    EXPECT_EQ(ExtractEmails("X@Example.COM and x@example.com", seen), Strings{"X@Example.COM"});
    EXPECT_EQ(ExtractEmails("x@EXAMPLE.com y@example.com y@exa\x1Fmple.com", seen), Strings{"y@example.com"});
    EXPECT_EQ(seen.size(), 2u);
}

TEST(ExtractEmails, RejectsTheDocumentedNonAddresses) {
    EXPECT_EQ(extract("a+b@example.com x@example x@example.c .x@example.com x@example..com"), Strings{});
    EXPECT_EQ(extract("x..y@example.com -x@example.com x.y@sub.example.com"),
              (Strings{"x..y@example.com", "-x@example.com", "x.y@sub.example.com"}));
    EXPECT_EQ(extract("a@[10.0.0.1] a@10.0.0.1 caf\xC3\xA9@example.com"), Strings{});
    EXPECT_EQ(extract("a@1.2.com"), Strings{"a@1.2.com"});
}

TEST(ExtractEmails, PumpsOncePerCandidateWord) {
    SeenAddresses seen;
    int pumps = 0;
    ExtractEmails("a@b.cc x@y plain a.b a@b.cc c@d. e@f.g", seen, [&] { ++pumps; });
    EXPECT_EQ(pumps, 3);  // "a@b.cc" twice and "e@f.g"; "c@d." loses its dot
}

TEST(ExtractEmails, HandlesAFiftyMegabyteWordInAHundredMegabyteText) {
    std::string text(50'000'000, 'x');
    text += "@example.com";  // one 50 MB word: too long to be an address
    text += ' ';
    text.append(25'000'000, 'y');
    text += " z@example.org ";
    text.append(25'000'000, '@');
    EXPECT_EQ(extract(text), Strings{"z@example.org"});
}

TEST(WordEdges, ClassifiesCharactersByUnicodeCategory) {
    const std::pair<char32_t, CharRole> cases[] = {
        {U'a', CharRole::Word},     {U'@', CharRole::Word},      {U'.', CharRole::Word},
        {U'+', CharRole::Word},     {0xE9, CharRole::Word},      {0x4E2D, CharRole::Word},   // é 中
        {0x0301, CharRole::Word},   {0x0663, CharRole::Word},    {0x1D400, CharRole::Word},  // mark, digit, 𝐀
        {U',', CharRole::Break},    {0x00, CharRole::Break},     {0x0A, CharRole::Break},
        {0x7F, CharRole::Break},    {0x85, CharRole::Break},     {0xA0, CharRole::Break},
        {0x3002, CharRole::Break},  {0xFF08, CharRole::Break},   {0x20AC, CharRole::Break},  // 。 （ €
        {0x2028, CharRole::Break},  {0x3000, CharRole::Break},   {0x200B, CharRole::Break},
        {0xFEFF, CharRole::Break},  {0xE000, CharRole::Break},   {0x0378, CharRole::Break},  // unassigned
        {0x1F600, CharRole::Break}, {0x10FFFF, CharRole::Break}, {0x1F, CharRole::Dropped},
        {0xAD, CharRole::Dropped},  {0x1E, CharRole::Hyphen},    {0x2011, CharRole::Hyphen},
    };
    for (const auto& [cp, role] : cases)
        EXPECT_EQ(harvelux::extract::roleOf(cp), role) << "U+" << std::hex << static_cast<unsigned>(cp);
}

// The extractor jumps from "@" to "@" and reads characters backwards; the
// plain reading, one character after the other from the start, must give
// the same list on any text.
Strings plainExtract(const std::string& text, SeenAddresses& seen) {
    Strings result;
    std::string word;
    const auto endWord = [&] {
        while (!word.empty() && word.back() == '.') word.pop_back();
        const bool candidate = word.find('@') != std::string::npos && word.find('.') != std::string::npos;
        if (candidate && word.size() <= 254 && IsValidEmail(word)) {
            std::string key = word;
            for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (seen.insert(key)) result.push_back(word);
        }
        word.clear();
    };
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp = 0;
        const std::size_t length = harvelux::extract::decodeUtf8At(text, i, cp);
        const CharRole role = length == 0 ? CharRole::Word : harvelux::extract::roleOf(cp);
        const std::size_t taken = length == 0 ? 1 : length;
        if (role == CharRole::Break)
            endWord();
        else if (role == CharRole::Hyphen)
            word += '-';
        else if (role == CharRole::Word)
            word += text.substr(i, taken);
        i += taken;
    }
    endWord();
    return result;
}

TEST(ExtractEmails, AgreesWithThePlainCharacterByCharacterReading) {
    const std::vector<std::string> pieces = {"a",
                                             "B",
                                             "7",
                                             "@",
                                             "@",
                                             ".",
                                             ".",
                                             "-",
                                             "_",
                                             "+",
                                             " ",
                                             "\t",
                                             "\r",
                                             "\n",
                                             ",",
                                             "<",
                                             "(",
                                             "\x02",
                                             "\x1E",
                                             "\x1F",
                                             "\xC2\xA0",
                                             "\xC2\xAD",
                                             "\xC3\xA9",
                                             "\xE2\x80\x91",
                                             "\xE3\x80\x82",
                                             "\xE2\x80\x9C",
                                             "\xF0\x9F\x98\x80",
                                             "\xC2",
                                             "\xA0",
                                             "\x80",
                                             "\xE2\x80",
                                             "\xED\xA0\x80",
                                             "\xF4\x90\x80\x80",
                                             "\xFF",
                                             "example.com",
                                             "x@y.org",
                                             "\f"};
    std::mt19937 random(7);
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        const int length = std::uniform_int_distribution<int>(0, 40)(random);
        for (int i = 0; i < length; ++i) text += pieces[random() % pieces.size()];
        SeenAddresses fast;
        SeenAddresses plain;
        // Twice, so the run-wide de-duplication is compared too.
        for (int pass = 0; pass < 2; ++pass)
            ASSERT_EQ(ExtractEmails(text, fast), plainExtract(text, plain)) << "text: \"" << text << "\"";
    }
}

}  // namespace
