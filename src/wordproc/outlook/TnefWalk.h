// The reader process's side of a TNEF stream (winmail.dat): parsed with
// libytnef and written out as one message in the records of PstStream.h.
// It runs only in harvelux-tnef-reader: libytnef prints its complaints
// about a damaged stream on standard output and loses memory on some.
#pragma once

#include <string>

namespace harvelux::wordproc {

// The exit status of the reader process.
enum TnefStatus : int {
    kTnefRead = 0,
    kTnefNotParsed = 2,   // libytnef cannot parse the stream
    kTnefNotWritten = 3,  // the output could not be written
};

// Parses `data` (which the library may change) and writes its message to `outputFd`.
TnefStatus writeTnefMessage(std::string& data, int outputFd);

}  // namespace harvelux::wordproc
