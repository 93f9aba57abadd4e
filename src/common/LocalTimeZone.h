// Names the local time zone in TZ when nothing does, before any thread
// starts (main calls it first).
//
// The zip library under the document engine turns the date of every member
// of a package into a time with mktime, and glibc's mktime looks at
// /etc/localtime again on every call unless TZ names the zone: some twenty
// file-system lookups per .docx, under a process-wide lock that reading
// threads queue for. Naming the very file the C library would read anyway
// changes nothing but that cost.
#pragma once

#include <unistd.h>
#include <cstdlib>

namespace harvelux {

inline void pinLocalTimeZone() {
    if (std::getenv("TZ") == nullptr && ::access("/etc/localtime", R_OK) == 0) ::setenv("TZ", ":/etc/localtime", 0);
}

}  // namespace harvelux
