#include "wordproc/legacy/LegacyReader.h"

#include <librevenge-stream/librevenge-stream.h>
#include <libwpd/libwpd.h>
#include <libwps/libwps.h>

#include <libmwaw/libmwaw.hxx>
#include <limits>
#include <mutex>

#include "wordproc/EngineInterface.h"
#include "wordproc/legacy/LegacyTextSink.h"

namespace harvelux::wordproc {

namespace {

// Old documents are small; a larger file is not one of them.
constexpr std::size_t kMaxLegacyFileBytes = 64u << 20;

// The libraries make no promise that two documents may be parsed at the
// same time, so documents are read one after the other.
std::mutex libraryLock;

LegacyStories collected(LegacyTextSink& collector) {
    collector.rethrow();
    return {collector.takeMain(), collector.takeOthers()};
}

LegacyStories readWordPerfect(librevenge::RVNGInputStream& input) {
    const libwpd::WPDConfidence confidence = libwpd::WPDocument::isFileFormatSupported(&input);
    if (confidence == libwpd::WPD_CONFIDENCE_NONE) {
        throw EngineError("the WordPerfect document cannot be read: damaged or of an unknown version");
    }
    if (confidence != libwpd::WPD_CONFIDENCE_EXCELLENT) throw EngineError("the WordPerfect document is encrypted");
    LegacyTextSink collector;
    input.seek(0, librevenge::RVNG_SEEK_SET);
    if (libwpd::WPDocument::parse(&input, &collector, nullptr) != libwpd::WPD_OK) {
        throw EngineError("the WordPerfect document is damaged");
    }
    return collected(collector);
}

const char* worksName(libwps::WPSCreator creator) {
    switch (creator) {
        case libwps::WPS_MSWRITE: return "Write";
        case libwps::WPS_DOSWORD: return "Word for DOS";
        default: return "Works";
    }
}

LegacyStories readWorks(librevenge::RVNGInputStream& input) {
    libwps::WPSKind kind = libwps::WPS_TEXT;
    libwps::WPSCreator creator = libwps::WPS_MSWORKS;
    bool needsEncoding = false;
    const libwps::WPSConfidence confidence =
        libwps::WPSDocument::isFileFormatSupported(&input, kind, creator, needsEncoding);
    const std::string name = worksName(creator);
    if (confidence == libwps::WPS_CONFIDENCE_NONE) {
        throw EngineError("the Works document cannot be read: damaged or of an unknown version");
    }
    if (kind != libwps::WPS_TEXT) throw EngineError("the " + name + " file is a spreadsheet or database, not a text");
    if (confidence != libwps::WPS_CONFIDENCE_EXCELLENT) throw EngineError("the " + name + " document is encrypted");
    LegacyTextSink collector;
    input.seek(0, librevenge::RVNG_SEEK_SET);
    // Without a named encoding, DOS documents are read in the library's
    // default code page for their program.
    if (libwps::WPSDocument::parse(&input, &collector, nullptr, nullptr) != libwps::WPS_OK) {
        throw EngineError("the " + name + " document is damaged");
    }
    return collected(collector);
}

std::string macName(MWAWDocument::Type type) {
    switch (type) {
        case MWAWDocument::MWAW_T_MICROSOFTWORD: return "Word for the Mac";
        case MWAWDocument::MWAW_T_MACWRITE: return "MacWrite";
        case MWAWDocument::MWAW_T_MACWRITEPRO: return "MacWrite II or Pro";
        case MWAWDocument::MWAW_T_WRITENOW: return "WriteNow";
        case MWAWDocument::MWAW_T_CLARISWORKS: return "ClarisWorks";
        case MWAWDocument::MWAW_T_MICROSOFTWORKS: return "Works for the Mac";
        default: return "Mac word-processor";
    }
}

LegacyStories readMac(librevenge::RVNGInputStream& input) {
    MWAWDocument::Type type = MWAWDocument::MWAW_T_UNKNOWN;
    MWAWDocument::Kind kind = MWAWDocument::MWAW_K_UNKNOWN;
    const MWAWDocument::Confidence confidence = MWAWDocument::isFileFormatSupported(&input, type, kind);
    const std::string name = macName(type);
    if (confidence == MWAWDocument::MWAW_C_NONE) {
        throw EngineError("the Mac word-processor document cannot be read: damaged or of an unknown kind");
    }
    if (kind != MWAWDocument::MWAW_K_TEXT) throw EngineError("the " + name + " file is not a text document");
    if (confidence != MWAWDocument::MWAW_C_EXCELLENT) throw EngineError("the " + name + " document is encrypted");
    LegacyTextSink collector;
    input.seek(0, librevenge::RVNG_SEEK_SET);
    if (MWAWDocument::parse(&input, &collector, nullptr) != MWAWDocument::MWAW_R_OK) {
        throw EngineError("the " + name + " document is damaged");
    }
    return collected(collector);
}

}  // namespace

LegacyStories readLegacyStories(LegacyFamily family, std::string_view data) {
    if (data.size() > kMaxLegacyFileBytes || data.size() > std::numeric_limits<unsigned>::max()) {
        throw EngineError("the document is too large for its format");
    }
    librevenge::RVNGStringStream input(reinterpret_cast<const unsigned char*>(data.data()),
                                       static_cast<unsigned>(data.size()));
    const std::lock_guard<std::mutex> lock(libraryLock);
    switch (family) {
        case LegacyFamily::WordPerfect: return readWordPerfect(input);
        case LegacyFamily::Works: return readWorks(input);
        case LegacyFamily::Mac: return readMac(input);
        case LegacyFamily::None: break;
    }
    throw EngineError("unknown document format");
}

}  // namespace harvelux::wordproc
