#include "wordproc/container/OleObject.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/container/CompoundFileWriter.h"
#include "wordproc/container/LittleEndian.h"

namespace harvelux::wordproc {

namespace {

// A NUL-terminated ANSI string at `at`; `at` moves past it.
std::string cString(std::string_view data, std::size_t& at) {
    const std::size_t end = data.find('\0', at);
    if (end == std::string_view::npos) throw EngineError("an OLE package's name is cut short");
    std::string text(data.substr(at, end - at));
    at = end + 1;
    return text;
}

// The last part of a Windows or POSIX path.
std::string baseName(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The streams of an object's storage that describe the object, not its content.
bool isObjectBookkeeping(const std::u16string& name) {
    return name.empty() || name[0] < u' ' || name == u"ObjInfo" || name == u"CompObj";
}

}  // namespace

EmbeddedDocument oleNativePayload(std::string_view native, bool startsWithSize, std::string fallbackName) {
    std::size_t at = startsWithSize ? 4 : 0;
    at += 2;  // flags
    if (at > native.size()) throw EngineError("an OLE package is cut short");
    const std::string label = cString(native, at);
    const std::string path = cString(native, at);
    at += 4;  // flags and kind
    const std::uint32_t tempPathLength = le32(native, at, "an OLE package's temporary path");
    at += 4;
    if (!fitsIn(native.size(), at, tempPathLength)) throw EngineError("an OLE package is cut short");
    at += tempPathLength;
    const std::uint32_t size = le32(native, at, "an OLE package's size");
    const std::string_view data = sliceOf(native, at + 4, size, "an OLE package's content");
    std::string name = baseName(path.empty() ? label : path);
    return {name.empty() ? std::move(fallbackName) : std::move(name), std::string(data)};
}

std::optional<EmbeddedDocument> oleObjectDocument(const CompoundFile& file, std::uint32_t storage,
                                                  std::string_view wholeFile, std::string fallbackName) {
    if (const auto native = file.find(u"\x01Ole10Native", storage))
        return oleNativePayload(file.readStream(*native), true, std::move(fallbackName));
    for (const std::u16string_view stream : {std::u16string_view(u"Package"), std::u16string_view(u"CONTENTS")})
        if (const auto id = file.find(stream, storage); id && file.entry(*id).type == CompoundFile::EntryType::Stream)
            return EmbeddedDocument{std::move(fallbackName), file.readStream(*id)};
    bool holdsContent = false;
    for (const std::uint32_t child : file.children(storage))
        holdsContent |= !isObjectBookkeeping(file.entry(child).name);
    if (!holdsContent) return std::nullopt;
    if (storage == CompoundFile::kRoot) return EmbeddedDocument{std::move(fallbackName), std::string(wholeFile)};
    return EmbeddedDocument{std::move(fallbackName), writeStorageAsCompoundFile(file, storage)};
}

std::optional<EmbeddedDocument> embeddedObjectDocument(std::string bytes, std::string name) {
    if (!CompoundFile::hasSignature(bytes)) return EmbeddedDocument{std::move(name), std::move(bytes)};
    const CompoundFile object(bytes);
    return oleObjectDocument(object, CompoundFile::kRoot, bytes, std::move(name));
}

}  // namespace harvelux::wordproc
