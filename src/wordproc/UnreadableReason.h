// Why the engine could not read a document, in the few kinds a user can act
// on. Every failure the engine throws carries one; a failure that names no
// kind counts as a damaged document.
#pragma once

namespace harvelux::wordproc {

enum class UnreadableReason {
    Damaged,        // the format is known but its content is broken or cannot be used
    Encrypted,      // a password is needed
    NotADocument,   // a folder, a device or some other thing that is not a file
    UnknownFormat,  // a file whose content is no format the engine reads
    Missing,        // no such file (any more)
    NoPermission,   // the file may not be read by this user
    TooLarge,       // the file or its text is beyond the engine's limits
    OtherFile,      // a picture, sound, a program or another file that holds no document: skipped, not failed
};

// The reason in words, for people: "encrypted", "damaged", ...
constexpr const char* describeReason(UnreadableReason reason) {
    switch (reason) {
        case UnreadableReason::Damaged:
            return "damaged";
        case UnreadableReason::Encrypted:
            return "encrypted";
        case UnreadableReason::NotADocument:
            return "not a document";
        case UnreadableReason::UnknownFormat:
            return "unknown format";
        case UnreadableReason::Missing:
            return "missing";
        case UnreadableReason::NoPermission:
            return "no permission";
        case UnreadableReason::TooLarge:
            return "too large";
        case UnreadableReason::OtherFile:
            return "other file";
    }
    return "damaged";
}

}  // namespace harvelux::wordproc
