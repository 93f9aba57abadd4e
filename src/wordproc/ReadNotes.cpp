#include "wordproc/ReadNotes.h"

namespace harvelux::wordproc {

thread_local bool ReadNotes::scannedPagesUnread_ = false;

}  // namespace harvelux::wordproc
