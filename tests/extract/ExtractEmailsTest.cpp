#include "extract/EmailPattern.h"
#include "extract/ExtractEmails.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using harvelux::extract::ExtractEmails;
using harvelux::extract::IsValidEmail;
using harvelux::extract::ReplaceSeparators;
using harvelux::extract::SeenAddresses;
using harvelux::extract::SplitCandidates;
using Strings = std::vector<std::string>;

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

TEST(ExtractEmails, TrailingFullStopHyphenOrUnderscoreSpoilsTheWord) {
    EXPECT_EQ(extract("Contact x@example.com."), Strings{});
    EXPECT_EQ(extract("x@example.com- x@example.com_"), Strings{});
}

TEST(ExtractEmails, DuplicatesIgnoreCaseAcrossDocumentsAndKeepFirstSpelling) {
    SeenAddresses seen;
    EXPECT_EQ(ExtractEmails("X@Example.COM and x@example.com", seen), Strings{"X@Example.COM"});
    EXPECT_EQ(ExtractEmails("x@EXAMPLE.com y@example.com", seen), Strings{"y@example.com"});
    EXPECT_EQ(seen.size(), 2u);
}

TEST(ExtractEmails, WordBreaks) {
    // No-break space, vertical tab and bell cut words; line feed and form feed do not.
    EXPECT_EQ(extract("a@example.com\xC2\xA0" "b@example.com\x0B" "c@example.com\x07" "d@example.com"),
              (Strings{"a@example.com", "b@example.com", "c@example.com", "d@example.com"}));
    EXPECT_EQ(extract("a@example.com\nb@example.com c@example.com\fd@example.com"), Strings{});
    EXPECT_EQ(extract("e@example.com\n"), Strings{});
    EXPECT_EQ(extract("\te@example.com\rf@example.com\r\n"), (Strings{"e@example.com", "f@example.com"}));
    // A no-break space lead byte elsewhere in UTF-8 text is not a break.
    EXPECT_EQ(extract("\xC3\xA0g@example.com h@example.com"), Strings{"h@example.com"});
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
    ExtractEmails("a@b.cc x@y plain a.b a@b.cc c@d.", seen, [&] { ++pumps; });
    EXPECT_EQ(pumps, 3);  // "a@b.cc" twice and "c@d."
}

TEST(ExtractEmails, HandlesAFiftyMegabyteWordInAHundredMegabyteText) {
    std::string text(50'000'000, 'x');
    text += "@example.com";  // one 50 MB word, a valid address
    text += ' ';
    text.append(25'000'000, 'y');
    text += " z@example.org ";
    text.append(25'000'000, '@');
    const Strings found = extract(text);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].size(), 50'000'012u);
    EXPECT_EQ(found[1], "z@example.org");
}

// The extractor jumps from "@" to "@"; the plain composition of the three
// steps must give the same list on any text.
Strings referenceExtract(std::string text, SeenAddresses& seen) {
    Strings result;
    for (const std::string& candidate : SplitCandidates(ReplaceSeparators(text))) {
        if (!IsValidEmail(candidate)) continue;
        std::string key = candidate;
        for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (seen.insert(key)) result.push_back(candidate);
    }
    return result;
}

TEST(ExtractEmails, AgreesWithTheStepByStepComposition) {
    const std::vector<std::string> pieces = {"a",  "B", "7", "@", ".", ".", "-", "_", "+", " ", "\t", "\r", "\n",
                                             ",", ";", "<", ">", "(", "[", "\xC2\xA0", "\xC3\xA9", "\x07", "\x0B",
                                             "\xC2", "\xA0", "example.com", "x@y.org", "\f"};
    std::mt19937 random(7);
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        const int length = std::uniform_int_distribution<int>(0, 40)(random);
        for (int i = 0; i < length; ++i) text += pieces[random() % pieces.size()];
        SeenAddresses fast;
        SeenAddresses reference;
        // Twice, so the run-wide de-duplication is compared too.
        for (int pass = 0; pass < 2; ++pass)
            ASSERT_EQ(ExtractEmails(text, fast), referenceExtract(text, reference)) << "text: \"" << text << "\"";
    }
}

TEST(ReplaceSeparators, TurnsEachSeparatorIntoOneSpace) {
    std::string text = "a\x07" "b\x0B" "c\xC2\xA0" "d,!\"#$%&'()*/:;<=>?[\\]^`{|}~e+f-g.h@i_j\t\r\n\f";
    ReplaceSeparators(text);
    EXPECT_EQ(text, "a b c d" + std::string(27, ' ') + "e+f-g.h@i_j\t\r\n\f");
}

TEST(SplitCandidates, KeepsWordsWithAtAndDot) {
    EXPECT_EQ(SplitCandidates("a@b c.d e@f.g\t.@\r@.  x"), (Strings{"e@f.g", ".@", "@."}));
}

}  // namespace
