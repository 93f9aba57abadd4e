// A reader program for the reader-process tests: takes its limits like a
// real one, then writes the start of a record and never finishes it.
#include "wordproc/module/ReaderChild.h"

#include <unistd.h>

int main(int argc, char** argv) {
    if (harvelux::wordproc::applyReaderChildLimits(argc, argv) < 0) return 64;
    (void)!::write(STDOUT_FILENO, "M", 1);
    for (;;) ::pause();
}
