// One document with addresses as people write them (data/addresses, written
// as .docx by make_addresses.py and saved by LibreOffice as .doc, .odt and
// .rtf): plus signs, apostrophes, U+2010 hyphens, addresses glued to
// Chinese, Japanese and Thai text, and international addresses.
#include "extract/ExtractEmails.h"
#include "wordproc/DocumentFile.h"
#include "wordproc/FormatDispatch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

Strings addressesOf(const std::string& extension, bool international) {
    using namespace harvelux::wordproc;
    const std::string text =
        readDocumentText(readDocumentFile(HARVELUX_TEST_DATA_DIR "/addresses/addresses." + extension));
    harvelux::extract::SeenAddresses seen;
    return harvelux::extract::ExtractEmails(text, seen, {}, {international});
}

const Strings kAsciiAddresses = {"john+news@example.com", "sales+eu@shop.example.co.uk", "+first@example.com",
                                 "o'brien@example.ie",    "d'arcy@example.ie",           "quoted@example.com",
                                 "single@example.com",    "eremurus@mtu-net.ru",         "redcross-youth@yandex.ru",
                                 "sales@example.com",     "info@example.co.jp",          "thai@example.co.th"};

class AddressesDocument : public ::testing::TestWithParam<const char*> {};

TEST_P(AddressesDocument, GivesTheSameAddressesInEveryFormat) {
    EXPECT_EQ(addressesOf(GetParam(), false), kAsciiAddresses);
    Strings international = kAsciiAddresses;
    international.insert(international.end(),
                         {"zo\xC3\xA9@example.fr",
                          "j\xC3\xBCrgen@b\xC3\xBC"
                          "cher.de",
                          "\xE7\x94\xA8\xE6\x88\xB7@\xE4\xBE\x8B\xE5\xAD\x90.\xE5\xB9\xBF\xE5\x91\x8A",
                          "\xD0\xB8\xD0\xB2\xD0\xB0\xD0\xBD@\xD0\xBF\xD1\x80\xD0\xB8\xD0\xBC\xD0\xB5"
                          "\xD1\x80.\xD1\x80\xD1\x84"});
    EXPECT_EQ(addressesOf(GetParam(), true), international);
}

INSTANTIATE_TEST_SUITE_P(Formats, AddressesDocument, ::testing::Values("docx", "doc", "odt", "rtf"));

}  // namespace
