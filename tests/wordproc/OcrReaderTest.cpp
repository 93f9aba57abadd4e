// Pictures and scanned PDF pages: recognised by content, read through
// Tesseract when OCR is on, refused as scanned pages not read when off, and
// hostile pictures refused before they are decoded. The pages are the
// scanned-looking files of ../shared/ocr; recognition is slow, so only the
// smaller ones are recognised here (harvelux-extract --ocr over all of them
// is the benchmark's, bench/ocr_throughput.sh).
#include "wordproc/EngineInterface.h"
#include "wordproc/FormatDispatch.h"
#include "wordproc/ReadNotes.h"
#include "wordproc/module/LinkedOcrReader.h"
#include "wordproc/module/LinkedPdfHtmlReaders.h"
#include "wordproc/ocr/OcrAddressRepair.h"
#include "wordproc/ocr/PictureReader.h"
#include "wordproc/ocr/PictureSignature.h"
#include "wordproc/pdf/PdfReader.h"

#include "SharedFolders.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <utility>

namespace harvelux::wordproc {
namespace {

class OcrReader : public ::testing::Test {
protected:
    void SetUp() override {
        useLinkedOcrReader(&linkedOcrReader());
        useLinkedPdfHtmlReaders(&linkedPdfHtmlReaders());
    }
    void TearDown() override {
        useLinkedOcrReader(nullptr);
        useLinkedPdfHtmlReaders(nullptr);
    }
    static std::string page(const std::string& name) { return testfiles::readFile(testfiles::ocrDir() + "/" + name); }
    static ReadOptions ocrOn() {
        ReadOptions options;
        options.ocr = true;
        return options;
    }
};

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

struct ScannedPage {
    const char* file;
    const char* address;
};
constexpr ScannedPage kPages[] = {
    {"bigfile-01_p2_clean300.png", "webmaster@cfcomet.com"},
    {"writer_p11_jpeg200.jpg", "nobody@nowhere.net"},
    {"testException1_p4_scan200.png", "access@dsc.wa.gov.au"},
    {"testNPEOpenDocument_p2_fax.tif", "shiyalirr@ranganathan.ub.es"},
    {"test07_p3_scanpdf.pdf", "innovation@rgu.ac.uk"},
    {"017097_p14-15_scantiff.tif", "vhabandeu2@va.gov"},
};

TEST_F(OcrReader, WithOcrOffEveryScannedFileIsRefusedAsScannedPagesNotRead) {
    HARVELUX_REQUIRE_SHARED_FOLDER(testfiles::ocrDir());
    for (const ScannedPage& scanned : kPages) {
        try {
            readDocumentText(page(scanned.file));
            ADD_FAILURE() << scanned.file << " was read";
        } catch (const EngineError& error) {
            EXPECT_EQ(error.reason(), UnreadableReason::ScannedNotRead) << scanned.file << ": " << error.what();
        }
    }
}

TEST_F(OcrReader, WithOcrOnTheFaxTheJpegAndTheScannedPdfShowTheirAddresses) {
    HARVELUX_REQUIRE_SHARED_FOLDER(testfiles::ocrDir());
    for (const std::size_t index : {1, 3, 4}) {
        const std::string text = lowered(readDocumentText(page(kPages[index].file), ocrOn()));
        EXPECT_NE(text.find(kPages[index].address), std::string::npos) << kPages[index].file << ":\n" << text;
    }
}

TEST_F(OcrReader, PicturesAreKnownByContentAndLookalikeTextIsNot) {
    HARVELUX_REQUIRE_SHARED_FOLDER(testfiles::ocrDir());
    EXPECT_EQ(pictureKind(page(kPages[0].file)), PictureKind::Png);
    EXPECT_EQ(pictureKind(page(kPages[1].file)), PictureKind::Jpeg);
    EXPECT_EQ(pictureKind(page(kPages[3].file)), PictureKind::Tiff);
    EXPECT_EQ(detectFormat(page(kPages[4].file)), Format::Pdf);
    EXPECT_EQ(pictureKind("P5\n12 8\n255\n"), PictureKind::Pnm);
    for (const char* text : {"BMW report: a@example.com", "P1 is the first point", "GIF stands for"})
        EXPECT_EQ(detectFormat(text), Format::PlainText) << text;
}

// The fuzzer's seeds: one small picture of every kind, each decoded whole.
TEST_F(OcrReader, EveryKindOfPictureIsDecoded) {
    const std::pair<const char*, int> seeds[] = {{"a.bmp", 1}, {"a.gif", 1}, {"a.jpg", 1},  {"a.pgm", 1},
                                                 {"a.png", 1}, {"a.tif", 1}, {"a.webp", 1}, {"two-pages.tiff", 2}};
    for (const auto& [name, pages] : seeds) {
        const std::string bytes = testfiles::readFile(HARVELUX_SOURCE_DIR "/fuzz/seeds/picture/" + std::string(name));
        EXPECT_EQ(detectFormat(bytes), Format::Picture) << name;
        EXPECT_EQ(decodePicturePages(bytes), pages) << name;
    }
}

TEST_F(OcrReader, HostilePicturesAreRefusedWithAReason) {
    HARVELUX_REQUIRE_SHARED_FOLDER(testfiles::ocrDir());
    // A PNG header declaring 100,000 x 100,000 pixels, and an empty chunk.
    using namespace std::string_literals;
    const std::string bomb =
        "\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\x01\x86\xa0\0\x01\x86\xa0\x08\x02\0\0\0\0\0\0\0\0\0\0\0IDAT\0\0\0\0"s;
    try {
        decodePicturePages(bomb);
        ADD_FAILURE() << "the picture bomb was decoded";
    } catch (const EngineError& error) {
        EXPECT_EQ(error.reason(), UnreadableReason::TooLarge) << error.what();
    }
    const std::string cut = page(kPages[1].file).substr(0, 300);
    EXPECT_THROW(decodePicturePages(cut), EngineError);
    EXPECT_THROW(decodePicturePages(page(kPages[3].file).substr(0, 16)), EngineError);
}

// A hook standing in for recognition: counts the pages it is given.
int countingHook(const void* context, const GreyPage* page, std::string* text) noexcept {
    ++*static_cast<int*>(const_cast<void*>(context));
    *text = page->width > 0 ? "seen@example.com\r" : "";
    return 0;
}

TEST_F(OcrReader, OnlyPdfPagesWithoutTextAreRecognised) {
    HARVELUX_REQUIRE_SHARED_FOLDER(testfiles::ocrDir());
    int pages = 0;
    const PageOcrHook hook{&countingHook, &pages};
    EXPECT_EQ(readPdfText(testfiles::makePdf({"text a@example.com", ""}), {}, &hook), "text a@example.com\r\f");
    EXPECT_EQ(pages, 0) << "a page with text or a blank page was recognised";
    EXPECT_EQ(readPdfText(page(kPages[4].file), ocrOn(), &hook), "seen@example.com\r");
    EXPECT_EQ(pages, 1);
}

struct Repair {
    std::vector<OcrWord> words;
    std::vector<std::string> mended;
};

TEST(OcrAddressRepair, MendsOnlyWhatMakesAnAddress) {
    const Repair repairs[] = {
        {{{"mail:", 90},
          {"access\xC2\xA9"
           "dsc.wa.gov.au",
           80}},
         {"mail:", "access@dsc.wa.gov.au"}},
        {{{"(nobody(at)nowhere.net).", 85}}, {"(nobody@nowhere.net)."}},
        {{{"access@dsc,wa.gov.au", 80}}, {"access@dsc.wa.gov.au"}},
        {{{"vhabandeu2@", 88}, {"va.gov", 90}}, {"vhabandeu2@va.gov"}},
        // Too unsure to mend, or nothing that would be an address.
        {{{"access\xC2\xA9"
           "dsc.wa.gov.au",
           20}},
         {"access\xC2\xA9"
          "dsc.wa.gov.au"}},
        {{{"\xC2\xA9"
           "2004",
           95},
          {"Company", 95}},
         {"\xC2\xA9"
          "2004",
          "Company"}},
        {{{"one,two", 95}, {"at@", 95}, {"noon", 95}}, {"one,two", "at@", "noon"}},
    };
    for (const Repair& repair : repairs) EXPECT_EQ(repairAddressWords(repair.words), repair.mended);
}

}  // namespace
}  // namespace harvelux::wordproc
