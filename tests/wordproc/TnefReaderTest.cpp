// The TNEF reader on a stream built here (the shared folders hold no
// winmail.dat): the subject is read, and the attachment is a member named
// by its title.
#include "wordproc/outlook/TnefReader.h"

#include "MemberCollector.h"
#include "wordproc/EngineInterface.h"
#include "wordproc/FormatDispatch.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace harvelux::wordproc {
namespace {

void putLe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// One attribute: level, id, length, data, checksum.
void attribute(std::string& out, std::uint8_t level, std::uint32_t id, const std::string& data) {
    out += static_cast<char>(level);
    putLe(out, id, 4);
    putLe(out, static_cast<std::uint32_t>(data.size()), 4);
    out += data;
    std::uint32_t sum = 0;
    for (const char c : data) sum += static_cast<unsigned char>(c);
    putLe(out, sum & 0xFFFF, 2);
}

std::string sampleTnef() {
    std::string out("\x78\x9F\x3E\x22", 4);
    putLe(out, 0x0001, 2);                                              // key
    attribute(out, 1, 0x00089006, std::string("\x00\x00\x01\x00", 4));  // TNEF version
    attribute(out, 1, 0x00018004, std::string("Order from buyer@example.com", 29));
    attribute(out, 2, 0x00069002, std::string(14, '\0'));  // an attachment starts
    attribute(out, 2, 0x00018010, std::string("note.txt", 9));
    attribute(out, 2, 0x0006800F, "write to seller@example.org\r\n");
    return out;
}

TEST(TnefReader, ReadsTheSubjectAndHandsOnTheAttachment) {
    const std::string tnef = sampleTnef();
    EXPECT_EQ(detectFormat(tnef), Format::Tnef);
    EXPECT_NE(readTnefText(tnef).find("buyer@example.com"), std::string::npos);
    test::MemberCollector sink;
    listTnefMembers(tnef, sink);
    ASSERT_EQ(sink.names(), std::vector<std::string>{"note.txt"});
    EXPECT_EQ(sink.members[0].second, "write to seller@example.org\r\n");
}

// libytnef prints its complaints about a damaged stream on standard output:
// in its own process they cannot reach harvelux-extract's output.
TEST(TnefReader, WhatLibytnefPrintsStaysOutOfTheProgramsOutput) {
    const std::string damaged =
        testfiles::readFile(HARVELUX_REGRESSIONS_DIR "/outlook_tnef/libytnef-prints-checksum-error.dat");
    testing::internal::CaptureStdout();
    try {
        (void)readTnefText(damaged);
    } catch (const EngineError&) {}
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST(TnefReader, RefusesACutStream) {
    const std::string tnef = sampleTnef();
    EXPECT_THROW(readTnefText(tnef.substr(0, 30)), EngineError);
}

}  // namespace
}  // namespace harvelux::wordproc
