#include "extract/EmailPattern.h"
#include "extract/ExtractEmails.h"
#include "extract/InternationalAddress.h"
#include "extract/WordEdges.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
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
        {"x@example.com- x@example.com_ .x@example.com x@example..com", {}},
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
        {"zo\xC3\xA9@example.com \xD0\xB8\xD0\xB2"
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
    EXPECT_EQ(extract("x@example x@example.c .x@example.com x@example..com"), Strings{});
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
        {U'a', CharRole::Word},     {U'@', CharRole::Word},        {U'.', CharRole::Word},
        {U'+', CharRole::Word},     {0xE9, CharRole::Word},        {0x4E2D, CharRole::Word},   // é 中
        {0x0301, CharRole::Word},   {0x0663, CharRole::Word},      {0x1D400, CharRole::Word},  // mark, digit, 𝐀
        {U',', CharRole::Break},    {0x00, CharRole::Break},       {0x0A, CharRole::Break},
        {0x7F, CharRole::Break},    {0x85, CharRole::Break},       {0xA0, CharRole::Break},
        {0x3002, CharRole::Break},  {0xFF08, CharRole::Break},     {0x20AC, CharRole::Break},  // 。 （ €
        {0x2028, CharRole::Break},  {0x3000, CharRole::Break},     {0x200B, CharRole::Break},
        {0xFEFF, CharRole::Break},  {0xE000, CharRole::Break},     {0x0378, CharRole::Break},  // unassigned
        {0x1F600, CharRole::Break}, {0x10FFFF, CharRole::Break},   {0x1F, CharRole::Dropped},
        {0xAD, CharRole::Dropped},  {0x1E, CharRole::Hyphen},      {0x2011, CharRole::Hyphen},
        {0x2010, CharRole::Hyphen}, {U'\'', CharRole::Apostrophe}, {0x2019, CharRole::Apostrophe},
    };
    for (const auto& [cp, role] : cases)
        EXPECT_EQ(harvelux::extract::roleOf(cp), role) << "U+" << std::hex << static_cast<unsigned>(cp);
}

Strings extractInternational(const std::string& text) {
    SeenAddresses seen;
    return ExtractEmails(text, seen, {}, {true});
}

TEST(ExtractEmails, AddressesAsPeopleWriteThem) {
    struct Case {
        std::string text;
        Strings found;               // without international addresses
        Strings foundInternational;  // with them
    };
    const Strings plus = {"john+news@example.com", "sales+eu@shop.example.co.uk", "+x@example.com"};
    const Strings brien = {"o'brien@example.ie"};
    const Case cases[] = {
        {"john+news@example.com sales+eu@shop.example.co.uk +x@example.com", plus, plus},
        // An apostrophe between letters or digits of a local part belongs to
        // it, U+2019 read as U+0027; anywhere else it is a separator.
        {"o'brien@example.ie o\xE2\x80\x99"
         "brien@example.ie",
         brien, brien},
        {"rock'n'roll@example.com 1'2@example.com",
         {"rock'n'roll@example.com", "1'2@example.com"},
         {"rock'n'roll@example.com", "1'2@example.com"}},
        {"'x@example.com' \xE2\x80\x98y@example.com\xE2\x80\x99 z'@example.com a@example.com's",
         {"x@example.com", "y@example.com", "a@example.com"},
         {"x@example.com", "y@example.com", "a@example.com"}},
        {"b@example.com'c@example.com a.'d@example.com",
         {"b@example.com", "c@example.com", "d@example.com"},
         {"b@example.com", "c@example.com", "d@example.com"}},
        {"zo\xC3\xA9'x@example.com", {}, {"zo\xC3\xA9'x@example.com"}},
        {"eremurus@mtu\xE2\x80\x90net.ru", {"eremurus@mtu-net.ru"}, {"eremurus@mtu-net.ru"}},
        // Scripts written without spaces end the word next to ASCII; with
        // international addresses only next to ASCII letters and digits.
        {"\xE8\x81\x94\xE7\xB3\xBB\xE9\x82\xAE\xE7\xAE\xB1sales@example.com\xE8\x8E\xB7\xE5\x8F\x96",
         {"sales@example.com"},
         {"sales@example.com"}},
        {"\xE3\x83\xA1\xE3\x83\xBC\xE3\x83\xAB\xE3\x81\xAFinfo@example.co.jp\xE3\x81\xBE\xE3\x81\xA7",
         {"info@example.co.jp"},
         {"info@example.co.jp"}},
        {"\xE0\xB8\x95\xE0\xB8\xB4\xE0\xB8\x94th@example.co.th\xE0\xB8\x95",
         {"th@example.co.th"},
         {"th@example.co.th"}},
        {"\xE9\x82\xAE-sales@example.com \xE9\x82\xAE\xE2\x80\x99o@example.com",
         {"-sales@example.com", "o@example.com"},
         {"\xE9\x82\xAE-sales@example.com", "\xE9\x82\xAE'o@example.com"}},
        // Letters of scripts written with spaces stay in the word.
        {"\xD0\xB8\xD0\xB2x@example.com \xCE\xB1x@example.com \xED\x95\x9C"
         "x@example.com",
         {},
         {"\xD0\xB8\xD0\xB2x@example.com", "\xCE\xB1x@example.com",
          "\xED\x95\x9C"
          "x@example.com"}},
        // International addresses, shown as written, one per lower-cased NFC form.
        {"zo\xC3\xA9@example.fr J\xC3\xBCrgen@B\xC3\xBC"
         "cher.de j\xC3\xBCrgen@b\xC3\xBC"
         "cher.de "
         "ju\xCC\x88rgen@bu\xCC\x88"
         "cher.de \xE7\x94\xA8\xE6\x88\xB7@\xE4\xBE\x8B\xE5\xAD\x90.\xE5\xB9\xBF\xE5\x91\x8A",
         {},
         {"zo\xC3\xA9@example.fr",
          "J\xC3\xBCrgen@B\xC3\xBC"
          "cher.de",
          "\xE7\x94\xA8\xE6\x88\xB7@\xE4\xBE\x8B\xE5\xAD\x90.\xE5\xB9\xBF\xE5\x91\x8A"}},
        // libidn2 refuses the domain; the top label must be letters.
        {"zo\xC3\xA9@-b\xC3\xBC"
         "cher.de zo\xC3\xA9@b\xC3\xBC"
         "cher.d1 zo\xC3\xA9@b\xC3\xBC"
         "cher.\xD9\xA3\xD9\xA3",
         {},
         {}},
        {"x@-example.com", {"x@-example.com"}, {"x@-example.com"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(extract(c.text), c.found) << "text: " << c.text;
        EXPECT_EQ(extractInternational(c.text), c.foundInternational) << "text: " << c.text;
    }
}

TEST(ExtractEmails, NeverReportsTheNameAfterAnApostrophe) {
    for (const char* text : {"o'brien@example.ie",
                             "o\xE2\x80\x99"
                             "brien@example.ie",
                             "(o'brien@example.ie)",
                             "\xE2\x80\x9Co\xE2\x80\x99"
                             "brien@example.ie\xE2\x80\x9D",
                             "O'Brien@example.ie."}) {
        for (const Strings& found : {extract(text), extractInternational(text)}) {
            ASSERT_EQ(found.size(), 1u) << text;
            EXPECT_NE(found[0].find("'"), std::string::npos) << text;
        }
    }
}

// The extractor jumps from "@" to "@" and reads characters backwards; the
// plain reading, one character after the other from the start, with every
// character classified here, must give the same list on any text.
bool plainSpaceless(const harvelux::extract::TextChar& c) {
    // Han, Hiragana, Katakana, Bopomofo, Thai, Lao, Khmer, Myanmar letters.
    const std::pair<char32_t, char32_t> ranges[] = {{0x0E01, 0x0EDF}, {0x1000, 0x109F}, {0x1780, 0x17FF},
                                                    {0x3041, 0x30FF}, {0x3105, 0x312F}, {0x4E00, 0x9FFF}};
    if (c.length < 2 || c.role != CharRole::Word) return false;
    for (const auto& [low, high] : ranges)
        if (c.cp >= low && c.cp <= high) return true;
    return false;
}

Strings plainExtract(const std::string& text, SeenAddresses& seen, bool international) {
    using harvelux::extract::TextChar;
    std::vector<TextChar> chars;
    std::vector<std::size_t> at;
    for (std::size_t i = 0; i < text.size(); i += chars.back().length) {
        at.push_back(i);
        chars.push_back(harvelux::extract::charAt(text, i));
    }
    const auto asciiLetterOrDigit = [](const TextChar& c) {
        return c.length == 1 && std::isalnum(static_cast<int>(c.cp));
    };
    const auto readsAsAscii = [](const TextChar& c) {
        return (c.length == 1 && c.cp < 0x80) || c.cp == 0x2010 || c.cp == 0x2011 || c.cp == 0x2019;
    };
    const auto cut = [&](const TextChar& a, const TextChar& b) {
        if (international)
            return (plainSpaceless(a) && asciiLetterOrDigit(b)) || (asciiLetterOrDigit(a) && plainSpaceless(b));
        return (plainSpaceless(a) && readsAsAscii(b)) || (readsAsAscii(a) && plainSpaceless(b));
    };
    const auto letterOrDigit = [&](const TextChar& c) {
        return c.role == CharRole::Word && (c.cp >= 0x80 || asciiLetterOrDigit(c));
    };
    Strings result;
    std::string word;
    const auto endWord = [&] {
        while (!word.empty() && word.back() == '.') word.pop_back();
        const bool candidate = word.find('@') != std::string::npos && word.find('.') != std::string::npos;
        const bool wide = std::any_of(word.begin(), word.end(), [](char c) { return c & 0x80; });
        if (candidate && word.size() <= 254) {
            if (international && wide) {
                if (harvelux::extract::IsValidInternationalEmail(word) &&
                    seen.insert(harvelux::extract::internationalKey(word)))
                    result.push_back(word);
            } else if (IsValidEmail(word)) {
                std::string key = word;
                for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
                if (seen.insert(key)) result.push_back(word);
            }
        }
        word.clear();
    };
    for (std::size_t k = 0; k < chars.size(); ++k) {
        const TextChar& c = chars[k];
        if (k > 0 && cut(chars[k - 1], c)) endWord();
        switch (c.role) {
            case CharRole::Break:
                endWord();
                break;
            case CharRole::Apostrophe:
                if (word.find('@') == std::string::npos && k > 0 && k + 1 < chars.size() &&
                    letterOrDigit(chars[k - 1]) && letterOrDigit(chars[k + 1]) && !cut(chars[k - 1], c) &&
                    !cut(c, chars[k + 1]))
                    word += '\'';
                else
                    endWord();
                break;
            case CharRole::Hyphen:
                word += '-';
                break;
            case CharRole::Dropped:
                break;
            case CharRole::Word:
                word += text.substr(at[k], c.length);
                break;
        }
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
                                             "\f",
                                             "'",
                                             "\xE2\x80\x99",
                                             "\xE2\x80\x90",
                                             "\xE4\xB8\xAD",
                                             "\xE3\x83\xA1",
                                             "\xE3\x83\xBC",
                                             "\xE0\xB8\x97",
                                             "\xD1\x8F",
                                             "\xC3\xBC",
                                             "\xCC\x88",
                                             "@\xE4\xBE\x8B.\xE5\xB9\xBF\xE5\x91\x8A",
                                             "b\xC3\xBC.de"};
    std::mt19937 random(7);
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        const int length = std::uniform_int_distribution<int>(0, 40)(random);
        for (int i = 0; i < length; ++i) text += pieces[random() % pieces.size()];
        for (const bool international : {false, true}) {
            SeenAddresses fast;
            SeenAddresses plain;
            // Twice, so the run-wide de-duplication is compared too.
            for (int pass = 0; pass < 2; ++pass)
                ASSERT_EQ(ExtractEmails(text, fast, {}, {international}), plainExtract(text, plain, international))
                    << "text: \"" << text << "\" international: " << international;
        }
    }
}

}  // namespace
