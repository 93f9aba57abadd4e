#include "cli/CliOptions.h"
#include "cli/ExtractCommand.h"
#include "cli/PathLists.h"
#include "cli/ProgressLine.h"
#include "cli/TextDump.h"
#include "filelist/FolderScan.h"

#include "SharedFolders.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>

namespace {

using namespace harvelux;
using cli::CliOptions;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome run(const std::vector<std::string>& args, const std::string& standardInput = "") {
    std::string error;
    auto options = cli::parseOptions(args, error);
    std::istringstream in(standardInput);
    if (!options || !cli::readPathLists(*options, in, error)) return {2, "", error};
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::runExtractor(*options, out, err);
    return {status, out.str(), err.str()};
}

TEST(ExtractCommand, RawTextsDeduplicateAcrossTheRun) {
    testfiles::TempDir dir;
    testfiles::writeFile(dir.file("1.txt"),
                         "Write to <x@example.com>, (y@example.org) or mailto:z@example.net;\r\nX@Example.COM\n");
    testfiles::writeFile(dir.file("2.txt"),
                         "x@EXAMPLE.com Contact w@example.com. a+b@example.com "
                         "x..y@example.com\xC2\xA0-x@example.com a@b.cc\nc@d.ee\fe@f.gg v@example.com\n");
    const Outcome o = run({"--raw", dir.file("1.txt"), dir.file("2.txt")});
    EXPECT_EQ(o.status, 0);
    // Line feeds and form feeds end words; a full stop at a word's end is not part of it.
    const std::string lines =
        "x@example.com\ny@example.org\nz@example.net\nw@example.com\na+b@example.com\n"
        "x..y@example.com\n"
        "-x@example.com\na@b.cc\nc@d.ee\ne@f.gg\nv@example.com\n";
    EXPECT_EQ(o.out, lines);
    // --crlf: the clipboard text's line ends.
    std::string crlf;
    for (const char c : lines) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(run({"--crlf", "--raw", dir.file("1.txt"), dir.file("2.txt")}).out, crlf);
}

TEST(ExtractCommand, FormatsOverAFolderMatchTheSaveFilesByteForByte) {
    testfiles::TempDir dir;
    testfiles::writeFile(dir.file("one.docx"),
                         testfiles::makeDocxWithParagraphs({"Ann ann@example.com", "bob@example.org"}));
    testfiles::writeFile(dir.file("two.docx"),
                         testfiles::makeDocxWithParagraphs({"ANN@example.com and carol@example.net"}));
    testfiles::writeFile(dir.file("three.log"), "dave@example.com\r\n");
    testfiles::writeFile(dir.file("~$one.docx"), testfiles::makeDocxWithParagraphs({"lock@example.com"}));

    // The folder is listed in the file system's order; the expected rows follow it.
    const std::vector<std::string> order = filelist::ScanTree(dir.path(), "*");
    const std::map<std::string, std::vector<std::string>> inText = {
        {dir.file("one.docx"), {"ann@example.com", "bob@example.org"}},
        {dir.file("two.docx"), {"ANN@example.com", "carol@example.net"}},
        {dir.file("three.log"), {"dave@example.com"}}};
    std::vector<std::pair<std::string, std::string>> rows;
    std::set<std::string> seen;
    for (const std::string& path : order)
        for (const std::string& address : inText.at(path)) {
            std::string key = address;
            for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (seen.insert(key).second) rows.push_back({path, address});
        }
    ASSERT_EQ(rows.size(), 4u);

    std::size_t pathWidth = 8;     // "Filename"
    std::size_t addressWidth = 6;  // "Emails"
    for (const auto& [path, address] : rows) {
        pathWidth = std::max(pathWidth, path.size());
        addressWidth = std::max(addressWidth, address.size());
    }
    const auto pad = [](const std::string& s, std::size_t w) { return s + std::string(w - s.size(), ' '); };
    std::string text = pad("Filename", pathWidth) + "\t" + pad("Emails", addressWidth) + "\t\r\n";
    std::string comma = "Filename, Emails\r\n";
    for (const auto& [path, address] : rows) {
        text += pad(path, pathWidth) + "\t" + pad(address, addressWidth) + "\t\r\n";
        comma += path + ", " + address + "\r\n";
    }
    text += "\r\n";
    comma += "\r\n";

    Outcome o = run({"-f", "--all-files", "--format", "text", dir.path()});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, text);
    o = run({"-f", "--all-files", "--format=comma", dir.path() + "/"});
    EXPECT_EQ(o.out, comma);

    // Written to a file, the same bytes.
    o = run({"-f", "--all-files", "--format", "text", "-o", dir.file("out.txt"), dir.path()});
    EXPECT_EQ(o.out, "");
    // out.txt now sits in the folder but was not there when the folder was scanned.
    EXPECT_EQ(testfiles::readFile(dir.file("out.txt")), text);

    // Without --all-files only the documents are taken: no three.log.
    ASSERT_EQ(std::remove(dir.file("out.txt").c_str()), 0);
    o = run({"--format", "lines", dir.path()});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out.find("dave@"), std::string::npos);
    EXPECT_NE(o.out.find("carol@example.net\n"), std::string::npos);
}

TEST(ExtractCommand, UnreadableDocumentsSetTheStatusButNotTheOutput) {
    testfiles::TempDir dir;
    testfiles::writeFile(dir.file("good.docx"), testfiles::makeDocxWithParagraphs({"a@example.com"}));
    testfiles::writeFile(dir.file("bad.docx"), "PK\x03\x04 not really");
    ASSERT_EQ(::mkfifo(dir.file("fifo.docx").c_str(), 0600), 0);
    const Outcome o =
        run({"--stats", dir.file("bad.docx"), dir.file("fifo.docx"), dir.file("missing.doc"), dir.file("good.docx")});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.out, "a@example.com\n");
    EXPECT_NE(o.err.find("documents read: 1\n"), std::string::npos) << o.err;
    EXPECT_NE(o.err.find("documents not read: 3\n"), std::string::npos);
    EXPECT_NE(o.err.find(dir.file("fifo.docx") + ": "), std::string::npos);
    EXPECT_NE(o.err.find("addresses: 1\n"), std::string::npos);

    // Without --stats each one is a line on standard error; -q silences them.
    const Outcome warned = run({dir.file("missing.doc"), dir.file("good.docx")});
    EXPECT_EQ(warned.err.rfind("harvelux-extract: " + dir.file("missing.doc") + ": ", 0), 0u) << warned.err;
    EXPECT_EQ(run({"-q", dir.file("missing.doc"), dir.file("good.docx")}).err, "");

    // An output file that cannot be written is an error too.
    const Outcome w = run({"-o", dir.file("good.docx/out.txt"), dir.file("good.docx")});
    EXPECT_EQ(w.status, 1);
    EXPECT_NE(w.err.find("Could not write"), std::string::npos);
}

TEST(ExtractCommand, ReadsUndecodableNamesAndNamesWhatItCouldNotScan) {
    testfiles::TempDir dir;
    testfiles::writeFile(dir.file("report\xff.doc"), "first@example.com\r\n");
    testfiles::writeFile(dir.file("report?.doc"), "second@example.com\r\n");
    const std::string tooLong = testfiles::makeTooLongPath(dir.path(), "lost@example.com\r\n");
    const Outcome o = run({dir.path()});
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.out.find("first@example.com\n"), std::string::npos);
    EXPECT_NE(o.out.find("second@example.com\n"), std::string::npos);
    EXPECT_EQ(o.err, "harvelux-extract: could not scan " + tooLong + ": File name too long\n");
}

// WordPerfect files and web archives are no "*.do*" documents, but a folder
// scan takes them as it takes every format read, and --stats names the
// format of one that cannot be read.
TEST(ExtractCommand, OlderFormatsAreReadWhenNamedOrWithAllFiles) {
    testfiles::TempDir dir;
    const std::string wpd = testfiles::readFile(HARVELUX_LEGACY_DATA_DIR "/wordperfect6.wpd");
    testfiles::writeFile(dir.file("letter.wpd"), wpd);
    testfiles::writeFile(dir.file("page.mht"),
                         "MIME-Version: 1.0\r\nContent-Type: multipart/related; boundary=b\r\n\r\n"
                         "--b\r\nContent-Type: text/html\r\n\r\n<p>web@example.org</p>\r\n--b--\r\n");
    testfiles::writeFile(dir.file("cut.wpd"), wpd.substr(0, 40));

    EXPECT_NE(run({"--stats", dir.path()}).err.find("documents read: 2\n"), std::string::npos);
    testfiles::TempDir empty;
    const Outcome none = run({"--stats", empty.path()});
    EXPECT_NE(none.err.find("documents read: 0\n"), std::string::npos);
    EXPECT_NE(none.err.find("no documents found\n"), std::string::npos);
    EXPECT_EQ(none.status, 1);
    const Outcome named = run({"--stats", dir.file("letter.wpd"), dir.file("page.mht"), dir.file("cut.wpd")});
    EXPECT_EQ(named.out, "web@example.org\n");
    EXPECT_NE(named.err.find("documents read: 2\n"), std::string::npos) << named.err;
    EXPECT_NE(named.err.find(dir.file("cut.wpd") + ": the WordPerfect document"), std::string::npos) << named.err;
    EXPECT_NE(run({"--stats", "--all-files", dir.path()}).err.find("documents read: 2\n"), std::string::npos);
}

// Pictures, sound and programs that --all-files brings along are counted
// apart and fail nothing; a real failure still does.
TEST(ExtractCommand, OtherFilesAreSkippedNotFailed) {
    const std::string pictures = testfiles::formatsDir() + "/../ocr";
    HARVELUX_REQUIRE_SHARED_FOLDER(pictures);
    testfiles::TempDir dir;
    testfiles::writeFile(dir.file("note.log"), "kept@example.com\r\n");
    // A Photoshop picture: no format of the table (a PNG is one, read by OCR).
    testfiles::writeFile(dir.file("scan.psd"), std::string("8BPS\0\x01", 6) + std::string(64, '\0'));
    testfiles::writeFile(dir.file("song.mp3"), std::string("ID3\x03\0\0\0\0\0\0", 10) + std::string(64, '\0'));
    testfiles::writeFile(dir.file("tool"), testfiles::readFile("/bin/true"));

    Outcome o = run({"--stats", "--all-files", dir.path()});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, "kept@example.com\n");
    EXPECT_NE(o.err.find("documents not read: 0\nother files skipped: 3\n"), std::string::npos) << o.err;
    EXPECT_NE(o.err.find(dir.file("scan.psd") + ": picture\n"), std::string::npos) << o.err;
    EXPECT_NE(o.err.find(dir.file("song.mp3") + ": sound\n"), std::string::npos) << o.err;
    EXPECT_NE(o.err.find(dir.file("tool") + ": program\n"), std::string::npos) << o.err;

    testfiles::writeFile(dir.file("cut.docx"), testfiles::makeDocx("<w:p>").substr(0, 200));
    o = run({"--stats", "--all-files", dir.path()});
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("documents not read: 1\n  " + dir.file("cut.docx")), std::string::npos) << o.err;
}

TEST(ExtractCommand, DumpTextShowsWhatTheEngineRead) {
    EXPECT_EQ(cli::escapeForDump("a\\b\rc\a\v\f\t\x01\x02\x7F\xC2\x85\xC2\xA0"
                                 "d"),
              "a\\\\b\\r\nc\\a\\v\\f\\t\\u0001\\u0002\\u007F\\u0085\xC2\xA0"
              "d");
    testfiles::TempDir dir;
    testfiles::writeFile(dir.file("t.txt"), "one\r\ntwo");
    const Outcome o = run({"--dump-text", dir.file("t.txt"), dir.file("none.doc")});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.out, "== " + dir.file("t.txt") + "\none\\r\ntwo\n== " + dir.file("none.doc") + "\n");
}

TEST(ExtractCommand, AllStoriesReadsHeadersNotesBoxesAndLinksAlsoForDumpText) {
    testfiles::TempDir dir;
    const std::string rtf = dir.file("letter.rtf");
    testfiles::writeFile(rtf,
                         "{\\rtf1{\\header head@example.com\\par}Body body@example.com\\par"
                         "{\\field{\\*\\fldinst HYPERLINK \"mailto:link@example.com\"}{\\fldrslt Lee}}\\par}");
    for (const char* jobs : {"-j1", "-j3"}) {
        EXPECT_EQ(run({jobs, rtf}).out, "body@example.com\n");
        EXPECT_EQ(run({jobs, "--all-stories", rtf}).out, "body@example.com\nhead@example.com\nlink@example.com\n");
    }
    EXPECT_EQ(run({"--dump-text", "--all-stories", rtf}).out,
              "== " + rtf + "\nBody body@example.com\\r\nLee\\r\nhead@example.com\\r\n\"Lee\" <link@example.com>\\r\n");
    EXPECT_EQ(run({"--all-stories=1", rtf}).status, 2);
}

TEST(ExtractCommand, InternationalFindsAddressesWithLettersOfEveryScript) {
    const std::string docx = HARVELUX_SOURCE_DIR "/tests/extract/data/addresses/addresses.docx";
    const std::string plain = run({docx}).out;
    EXPECT_EQ(plain.find("zo\xC3\xA9@example.fr"), std::string::npos);
    const Outcome o = run({"--international", docx});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out.substr(0, plain.size()), plain);
    EXPECT_EQ(o.out.substr(plain.size()),
              "zo\xC3\xA9@example.fr\nj\xC3\xBCrgen@b\xC3\xBC"
              "cher.de\n"
              "\xE7\x94\xA8\xE6\x88\xB7@\xE4\xBE\x8B\xE5\xAD\x90.\xE5\xB9\xBF\xE5\x91\x8A\n"
              "\xD0\xB8\xD0\xB2\xD0\xB0\xD0\xBD@\xD0\xBF\xD1\x80\xD0\xB8\xD0\xBC\xD0\xB5"
              "\xD1\x80.\xD1\x80\xD1\x84\n");
    EXPECT_EQ(run({"--international=1", docx}).status, 2);
}

TEST(ExtractCommand, ScannedPagesAreReportedUnreadWithoutOcrAndLanguagesAreChecked) {
    HARVELUX_REQUIRE_SHARED_FOLDER(testfiles::ocrDir());
    const std::string fax = testfiles::ocrDir() + "/testNPEOpenDocument_p2_fax.tif";
    const Outcome off = run({"--stats", fax});
    EXPECT_EQ(off.status, 1);
    EXPECT_NE(off.err.find(": scanned pages not read (turn on Read Scanned Pages and Pictures)\n"), std::string::npos)
        << off.err;
    EXPECT_EQ(run({"--ocr", "--ocr-lang=eng++deu", fax}).status, 2);
    EXPECT_EQ(run({"--ocr", "--ocr-lang", "", fax}).status, 2);
    const Outcome missing = run({"--ocr", "--ocr-lang", "zzz", "--stats", fax});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("\"zzz\""), std::string::npos) << missing.err;
}

// --files-from lists join the PATH arguments where they stand, one path a
// line or NUL-separated, spaces and all.
TEST(ExtractCommand, PathListsJoinTheArgumentsInOrder) {
    testfiles::TempDir dir;
    for (const char* name : {"a.txt", "b c.txt", "d.txt", "e.txt"})
        testfiles::writeFile(dir.file(name), std::string("x@") + name[0] + ".example.com");
    const std::string listed = dir.file("list.txt");
    testfiles::writeFile(listed, dir.file("e.txt") + "\n");
    const std::string expected = "x@d.example.com\nx@a.example.com\nx@b.example.com\nx@e.example.com\n";

    Outcome o = run({dir.file("d.txt"), "--files-from", "-", "--files-from=" + listed},
                    dir.file("a.txt") + "\n" + dir.file("b c.txt") + "\n\n");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, expected);
    // A list written with CR LF line ends names the same files.
    o = run({dir.file("d.txt"), "--files-from", "-", "--files-from=" + listed},
            dir.file("a.txt") + "\r\n" + dir.file("b c.txt") + "\r\n\r\n");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, expected);
    o = run({"-0", dir.file("d.txt"), "--files-from", "-", "--files-from", listed},
            dir.file("a.txt") + std::string(1, '\0') + dir.file("b c.txt"));
    EXPECT_EQ(o.out, "x@d.example.com\nx@a.example.com\nx@b.example.com\n") << "the NUL form reads "
                                                                               "the whole line file as one path";
    o = run({"--files-from", dir.file("no-such-list")});
    EXPECT_EQ(o.status, 2);
    EXPECT_NE(o.err.find("no-such-list"), std::string::npos);
    EXPECT_EQ(cli::splitPathList(std::string("a\0\0b\n", 5), true), (std::vector<std::string>{"a", "b\n"}));
}

TEST(ExtractCommand, ProgressLineIsThrottledAndClearedAtTheEnd) {
    std::ostringstream err;
    std::chrono::steady_clock::time_point now{std::chrono::hours(1)};
    cli::ProgressLine line(err, [&now] { return now; });
    line.update(1234, 5000, 87, 3);
    now += std::chrono::milliseconds(99);
    line.update(1235, 5000, 88, 3);  // too soon: not shown
    now += std::chrono::milliseconds(1);
    line.update(1236, 5000, 1, 0);
    line.clear();
    EXPECT_EQ(err.str(),
              "\r1234/5000 documents, 87 addresses, 3 unread"
              "\r1236/5000 documents, 1 address, 0 unread   "
              "\r" +
                  std::string(43, ' ') + "\r");

    testfiles::TempDir dir;
    testfiles::writeFile(dir.file("a.txt"), "a@example.com");
    // Standard error is no terminal here: the line is shown only when forced.
    EXPECT_EQ(run({"--progress", "-q", dir.file("a.txt")}).err, "");
    const Outcome o = run({"--progress=always", "-q", "-j", "1", dir.file("a.txt"), dir.file("missing.doc")});
    EXPECT_EQ(o.err.rfind("\r0/2 documents, 0 addresses, 0 unread", 0), 0u) << o.err;
    EXPECT_EQ(o.err.back(), '\r') << "the line is erased at the end";
}

TEST(CliOptions, UsageErrors) {
    std::string error;
    EXPECT_FALSE(cli::parseOptions({}, error));
    EXPECT_FALSE(cli::parseOptions({"--format", "xml", "a"}, error));
    EXPECT_FALSE(cli::parseOptions({"-j", "0", "a"}, error));
    EXPECT_FALSE(cli::parseOptions({"-j"}, error));
    EXPECT_FALSE(cli::parseOptions({"--bogus", "a"}, error));
    EXPECT_FALSE(cli::parseOptions({"--raw=1", "a"}, error));
    const auto options = cli::parseOptions({"-fj2", "-ofile", "--", "-f"}, error);
    EXPECT_FALSE(options) << "-fj2 is not a known cluster";
    const auto ok = cli::parseOptions({"-j2", "-o", "file", "-f", "--", "-f"}, error);
    ASSERT_TRUE(ok) << error;
    EXPECT_EQ(ok->jobs, 2);
    EXPECT_EQ(*ok->outputFile, "file");
    EXPECT_TRUE(ok->withFilename);
    EXPECT_EQ(ok->paths, std::vector<std::string>{"-f"});
}

// Control characters of a file name are escaped in everything meant for a
// terminal, and kept as they are in the results.
TEST(ExtractCommand, ControlCharactersInPathsAreEscapedOnlyInMessages) {
    testfiles::TempDir dir;
    const std::string red = dir.file("red\x1b[31m.txt");
    const std::string c1 = dir.file("c1\xc2\x9b.txt");
    testfiles::writeFile(red, "a@example.com\r\n");
    testfiles::writeFile(c1, "b@example.com\r\n");

    const Outcome listed = run({"--raw", "-f", "--stats", "-j", "1000", red, dir.file("gone\a.doc")});
    EXPECT_NE(listed.out.find(red + "\ta@example.com"), std::string::npos);
    EXPECT_NE(listed.err.find(dir.file("gone\\x07.doc") + ": "), std::string::npos);
    EXPECT_NE(listed.err.find("-j 1000 lowered to "), std::string::npos);
    EXPECT_EQ(listed.err.find('\x1b'), std::string::npos);
    EXPECT_EQ(listed.err.find('\a'), std::string::npos);

    const Outcome dumped = run({"--dump-text", red, c1});
    EXPECT_NE(dumped.out.find("== " + dir.file("red\\x1B[31m.txt") + "\n"), std::string::npos);
    EXPECT_NE(dumped.out.find("== " + dir.file("c1\\u009B.txt") + "\n"), std::string::npos);
}

}  // namespace
