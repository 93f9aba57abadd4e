#include "wordproc/word/WordObjectPool.h"

#include "wordproc/EngineInterface.h"
#include "wordproc/container/OleObject.h"

namespace harvelux::wordproc {

namespace {

// A storage's name for people: its ASCII characters (object storages are
// named "_" and digits).
std::string asciiName(const std::u16string& name) {
    std::string out;
    for (const char16_t c : name) out += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '_';
    return out;
}

}  // namespace

void listWordObjectPool(const CompoundFile& file, const ReadOptions& options, MemberSink& sink) {
    if (!options.allStories) return;
    const auto pool = file.find(u"ObjectPool");
    if (!pool || file.entry(*pool).type != CompoundFile::EntryType::Storage) return;
    for (const std::uint32_t id : file.children(*pool)) {
        if (file.entry(id).type != CompoundFile::EntryType::Storage) continue;
        std::string name = "ObjectPool/" + asciiName(file.entry(id).name);
        try {
            if (auto document = oleObjectDocument(file, id, {}, name))
                if (!sink.add(std::move(document->name), std::move(document->bytes))) return;
        } catch (const EngineError& error) {
            sink.unreadable(std::move(name), error.reason());
        }
    }
}

}  // namespace harvelux::wordproc
