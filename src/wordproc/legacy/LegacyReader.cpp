#include "wordproc/legacy/LegacyReader.h"

#include <librevenge-stream/librevenge-stream.h>
#include <libwpd/libwpd.h>
#include <libwps/libwps.h>

#include <libmwaw/libmwaw.hxx>
#include <limits>
#include <mutex>

#include "wordproc/EngineInterface.h"
#include "wordproc/legacy/LegacyTextSink.h"
#include "wordproc/legacy/LegacyWordPerfectPrefix.h"

namespace harvelux::wordproc {

namespace {

// Old documents are small; a larger file is not one of them.
constexpr std::size_t kMaxLegacyFileBytes = 64u << 20;

// The libraries make no promise that two documents may be parsed at the
// same time, so documents are read one after the other.
std::mutex libraryLock;

// The stories of the document `name` ("WordPerfect", "MacWrite"), which
// `parse(input, sink)` reads from its start; false from it means damaged.
template <typename Parse>
LegacyStories parsed(librevenge::RVNGInputStream& input, const std::string& name, Parse parse) {
    LegacyTextSink collector;
    input.seek(0, librevenge::RVNG_SEEK_SET);
    if (!parse(input, collector)) throw EngineError("the " + name + " document is damaged");
    collector.rethrow();
    return {collector.takeMain(), collector.takeOthers()};
}

LegacyStories readWordPerfect(librevenge::RVNGInputStream& input) {
    const libwpd::WPDConfidence confidence = libwpd::WPDocument::isFileFormatSupported(&input);
    if (confidence == libwpd::WPD_CONFIDENCE_NONE) {
        throw EngineError("the WordPerfect document cannot be read: damaged or of an unknown version");
    }
    if (confidence != libwpd::WPD_CONFIDENCE_EXCELLENT) throw EngineError("the WordPerfect document is encrypted");
    return parsed(input, "WordPerfect", [](librevenge::RVNGInputStream& in, LegacyTextSink& sink) {
        return libwpd::WPDocument::parse(&in, &sink, nullptr) == libwpd::WPD_OK;
    });
}

const char* worksName(libwps::WPSCreator creator) {
    switch (creator) {
        case libwps::WPS_MSWRITE:
            return "Write";
        case libwps::WPS_DOSWORD:
            return "Word for DOS";
        default:
            return "Works";
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
    // Without a named encoding, DOS documents are read in the library's
    // default code page for their program.
    return parsed(input, name, [](librevenge::RVNGInputStream& in, LegacyTextSink& sink) {
        return libwps::WPSDocument::parse(&in, &sink, nullptr, nullptr) == libwps::WPS_OK;
    });
}

std::string macName(MWAWDocument::Type type) {
    switch (type) {
        case MWAWDocument::MWAW_T_MICROSOFTWORD:
            return "Word for the Mac";
        case MWAWDocument::MWAW_T_MACWRITE:
            return "MacWrite";
        case MWAWDocument::MWAW_T_MACWRITEPRO:
            return "MacWrite II or Pro";
        case MWAWDocument::MWAW_T_WRITENOW:
            return "WriteNow";
        case MWAWDocument::MWAW_T_CLARISWORKS:
            return "ClarisWorks";
        case MWAWDocument::MWAW_T_MICROSOFTWORKS:
            return "Works for the Mac";
        default:
            return "Mac word-processor";
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
    return parsed(input, name, [](librevenge::RVNGInputStream& in, LegacyTextSink& sink) {
        return MWAWDocument::parse(&in, &sink, nullptr) == MWAWDocument::MWAW_R_OK;
    });
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
        case LegacyFamily::WordPerfect:
            checkWordPerfectPrefix(data);
            return readWordPerfect(input);
        case LegacyFamily::Works:
            return readWorks(input);
        case LegacyFamily::Mac:
            return readMac(input);
        case LegacyFamily::None:
            break;
    }
    throw EngineError("unknown document format");
}

}  // namespace harvelux::wordproc
