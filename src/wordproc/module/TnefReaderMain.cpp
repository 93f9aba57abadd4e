// harvelux-tnef-reader: parses the TNEF stream (winmail.dat) on its standard
// input with libytnef and writes its message to standard output as the
// records of outlook/PstStream.h. The engine runs it for every stream, so
// that what libytnef prints, loses or breaks stays in this process.
#include "wordproc/module/ReaderChild.h"
#include "wordproc/outlook/TnefWalk.h"

#include <unistd.h>

#include <string>

int main(int argc, char** argv) {
    using namespace harvelux::wordproc;
    if (applyReaderChildLimits(argc, argv) != argc) return 64;
    std::string data;
    const int out = readerChildOutput();
    if (out < 0 || !readerChildInputBytes(data)) return kTnefNotParsed;
    _exit(writeTnefMessage(data, out));
}
