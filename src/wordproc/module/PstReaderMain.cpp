// harvelux-pst-reader: reads the mail store (.pst, .ost) on its standard
// input with libpst and writes its messages to standard output as the
// records of outlook/PstStream.h. The engine runs it for every store, so
// that libpst's crashes and exit() calls end this process, not the program.
#include "wordproc/module/ReaderChild.h"
#include "wordproc/outlook/PstStoreWalk.h"

#include <unistd.h>

#include <string>

int main(int argc, char** argv) {
    using namespace harvelux::wordproc;
    if (applyReaderChildLimits(argc, argv) != argc) return 64;
    const std::string path = readerChildInputPath();
    const int out = readerChildOutput();
    if (path.empty() || out < 0) return kPstStoreNotOpened;
    // _exit: what libpst leaves allocated goes with the process, and no
    // exit handler runs after the output is complete.
    _exit(writePstStore(path.c_str(), out));
}
