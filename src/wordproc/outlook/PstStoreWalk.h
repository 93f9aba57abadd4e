// The reader process's side of a mail store (.pst, .ost): the store opened
// with libpst and every message written out as the records of PstStream.h,
// in folder order, depth first. It runs only in harvelux-pst-reader, never
// in the program's own process: libpst crashes on some hostile stores and
// calls exit() on others.
#pragma once

namespace harvelux::wordproc {

// The exit status of the reader process.
enum PstStoreStatus : int {
    kPstStoreRead = 0,
    kPstStoreNotOpened = 2,   // not a store libpst can open, or its index is damaged
    kPstStoreNotWritten = 3,  // the output could not be written (the engine went away)
};

// Reads the store at `path` and writes its records to `outputFd`.
PstStoreStatus writePstStore(const char* path, int outputFd);

}  // namespace harvelux::wordproc
