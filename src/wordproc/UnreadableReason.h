// Why the engine could not read a document, in the few kinds a user can act
// on. Every failure the engine throws carries one; a failure that names no
// kind counts as a damaged document.
#pragma once

namespace harvelux::wordproc {

enum class UnreadableReason {
    Damaged,         // the format is known but its content is broken or cannot be used
    Encrypted,       // a password is needed
    NotADocument,    // a folder, a device or some other thing that is not a file
    UnknownFormat,   // a file whose content is no format the engine reads
    Missing,         // no such file (any more)
    NoPermission,    // the file may not be read by this user
    TooLarge,        // the file or its text is beyond the engine's limits
    OtherFile,       // a picture, sound, a program or another file that holds no document: skipped, not failed
    TooManyMembers,  // a container with more members than are read of one
    NestedTooDeep,   // a container inside containers beyond the depth that is followed
    ExpandsTooFar,   // a container whose members inflate beyond what its size allows
    ReaderMissing,   // the reader module for the format is not installed (or will not load)
    ScannedNotRead,  // a picture or scanned pages, left unread while optical character recognition is off
};

// The last reason, for code that checks a reason's number.
inline constexpr UnreadableReason kLastUnreadableReason = UnreadableReason::ScannedNotRead;

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
        case UnreadableReason::ReaderMissing:
            return "reader not installed";
        case UnreadableReason::TooManyMembers:
            return "too many members (the rest not read)";
        case UnreadableReason::NestedTooDeep:
            return "nested too deeply";
        case UnreadableReason::ExpandsTooFar:
            return "expands too far (the rest not read)";
        case UnreadableReason::ScannedNotRead:
            return "scanned pages not read (turn on Read Scanned Pages and Pictures)";
    }
    return "damaged";
}

}  // namespace harvelux::wordproc
